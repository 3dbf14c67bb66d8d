"""Tests of the commune list generator's rules and of its check step.

Run: python3 -m unittest discover -s data-tools/communes
(no network, no npm: small fixtures only)."""

import tempfile
import unittest
from pathlib import Path

import build_communes as b


def row(key, postal, insee, name, dcode="01", lat="46.2", lon="5.2"):
    return {"key": key, "postal": postal, "name": name, "dcode": dcode, "dname": "Ain",
            "rname": "Auvergne-Rhône-Alpes", "rcode": "84", "insee": insee,
            "aname": "Lyon", "acode": "10", "zone": "A", "lat": lat, "lon": lon}


class RoutingName(unittest.TestCase):
    CASES = [
        ("SAINT-JEAN-LE-BLANC", "ST JEAN LE BLANC"),
        ("SAINTE-FOY-LES-LYON", "STE FOY LES LYON"),
        ("SAINTES", "SAINTES"),                      # whole words only
        ("BAUX-DE-PROVENCE (LES)", "LES BAUX DE PROVENCE"),
        ("ABERGEMENT-DE-VAREY (L )", "L ABERGEMENT DE VAREY"),
        ("ILE-D AIX (L )", "L ILE D AIX"),
        ("VELLUIRE-SUR-VENDEE(LES)", "LES VELLUIRE SUR VENDEE"),
        ("CASTILLON (CANTON DE LEMBEYE )", "CASTILLON CANTON DE LEMBEYE"),
        ("LES CHATELLIERS N. DAME", "LES CHATELLIERS N DAME"),
        ("LE LAC D' ISSARLES", "LE LAC D ISSARLES"),
        ("Plœuc-L'Hermitage", "PLOEUC L HERMITAGE"),
        ("Saint-Rémy-en-Bouzemont-Saint-Genest-et-Isson", "ST REMY EN BOUZEMONT ST GENEST ET ISSON"[:38].rstrip()),
        ("A" * 37 + " BCD", "A" * 37),           # cut at 38, no trailing blank
    ]

    def test_cases(self):
        for raw, want in self.CASES:
            with self.subTest(raw=raw):
                got = b.routing_name(raw)
                self.assertEqual(got, want)
                self.assertLessEqual(len(got), b.MAX_ROUTING)


class Windows1252(unittest.TestCase):
    def test_kept_and_transliterated(self):
        for raw, want in [("Plœuc-L'Hermitage", "Plœuc-L'Hermitage"), ("Île-Rousse", "Île-Rousse"),
                          ("Hawaiʻi Mānoa", "Hawai'i Manoa"), ("A\u2011B", "A-B")]:
            with self.subTest(raw=raw):
                self.assertEqual(b.to_cp1252_text(raw), want)
                want.encode("cp1252")

    def test_unmappable_stops_the_build(self):
        with self.assertRaises(SystemExit):
            b.to_cp1252_text("北京")

    def test_reserved_characters_refused(self):
        for bad in ("a§b", "a$b", "a\nb"):
            with self.subTest(bad=bad), self.assertRaises(SystemExit):
                b.field(bad)
        self.assertEqual(b.field(""), ".")


class Places(unittest.TestCase):
    def test_choice(self):
        # (geonameid, name, lat, lon, population)
        same_name = [(1, "Balsac", "1", "1", 9000), (2, "Druelle", "2", "2", 10)]
        self.assertEqual(b.choose_place(same_name, "Druelle Balsac")[0], 1)   # most populous
        self.assertEqual(b.choose_place(same_name, "Druelle")[0], 2)          # its own name first
        tie = [(7, "X", "1", "1", 5), (3, "Y", "2", "2", 5)]
        self.assertEqual(b.choose_place(tie, "Z")[0], 3)                      # lowest id

    def test_insee_from_admin4_or_admin1(self):
        cols = ["0"] * 19
        fr = list(cols); fr[:2] = ["10", "Ain town"]; fr[4:6] = ["46.1", "5.2"]; fr[8] = "FR"; fr[13] = "01053"; fr[14] = "40000"
        yt = list(cols); yt[:2] = ["11", "Sada"]; yt[4:6] = ["-12.8", "45.1"]; yt[8] = "YT"; yt[10] = "97616"; yt[13] = ""
        us = list(fr); us[8] = "US"
        places = b.load_places("\n".join("\t".join(x) for x in (fr, yt, us)))
        self.assertEqual(sorted(places), ["01053", "97616"])
        self.assertEqual(places["97616"][0][2:4], ("-12.8", "45.1"))

    def test_arrondissement_by_number(self):
        places = {"69123": [(5, "Lyon", "45.7", "4.8", 500000), (6, "Lyon 03", "45.76", "4.85", 100000)]}
        arr = {"69383": ("69123", 3), "69384": ("69123", 4)}
        self.assertEqual(b.coordinates("69383", "Lyon 3e Arrondissement", places, arr), ("45.76", "4.85"))
        self.assertEqual(b.coordinates("69384", "Lyon 4e Arrondissement", places, arr), (".", "."))


class Disambiguation(unittest.TestCase):
    def test_shared_key(self):
        rows = [row("PORTICCIO", "20166", "2A004", "Ajaccio"),
                row("PORTICCIO", "20166", "2A130", "Porticcio"),
                row("THIEVRES", "62760", "62814", "Thièvres"),
                row("THIEVRES", "62760", "80756", "Thièvres"),
                row("MIRAMAS", "13300", "13063", "Istres")]   # alone: kept
        b.disambiguate(rows)
        self.assertEqual([w["key"] for w in rows],
                         ["AJACCIO", "PORTICCIO", "THIEVRES", "THIEVRES", "MIRAMAS"])


class Check(unittest.TestCase):
    ROWS = [row("BOURG EN BRESSE", "01000", "01053", "Bourg-en-Bresse"),
            row("AMBERIEU EN BUGEY", "01500", "01004", "Ambérieu-en-Bugey", lat=".", lon="."),
            row("AMBERIEU EN BUGEY", "01501", "01004", "Ambérieu-en-Bugey")]

    def write(self, cp, nom, raw_cp=None):
        d = Path(self.tmp.name)
        (d / "LISTEPARCP").write_bytes(raw_cp if raw_cp is not None else "\r\n".join(cp).encode("cp1252"))
        (d / "LISTEPARNOM").write_bytes("\r\n".join(nom).encode("cp1252"))
        return d

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)
        self.cp = [b.cp_record(w) for w in sorted(self.ROWS, key=lambda w: (w["postal"] + " " + w["key"], w["insee"]))]
        self.nom = [b.nom_record(w) for w in sorted(self.ROWS, key=lambda w: (w["key"], w["postal"], w["insee"]))]

    def test_good_lists_pass(self):
        cp_fields, nom_keys = b.check(self.write(self.cp, self.nom))
        self.assertEqual(len(cp_fields), 3)
        self.assertEqual(nom_keys, ["AMBERIEU EN BUGEY", "AMBERIEU EN BUGEY", "BOURG EN BRESSE"])

    def test_faults_are_caught(self):
        cp, nom = self.cp, self.nom
        faults = {
            "trailing CR LF": (cp, nom, ("\r\n".join(cp) + "\r\n").encode("cp1252")),
            "NUL padding": (cp, nom, "\r\n".join(cp).encode("cp1252") + b"\0"),
            "postal-code order": (cp[::-1], nom, None),
            "name order": (cp, nom[::-1], None),
            "a field too few": (cp[:-1] + [cp[-1].rsplit("\u00a7", 1)[0]], nom, None),
            "commune missing by name": (cp, nom[:-1], None),
            "values differ between lists": (cp, [nom[0].replace("Ain", "Aisne")] + nom[1:], None),
            "key not the routing name": (cp, [nom[0].replace("AMBERIEU EN BUGEY$", "AMBERIEU$", 1)] + nom[1:], None),
            "lower-case key": ([cp[0].replace("BOURG", "Bourg", 1)] + cp[1:], nom, None),
            "bad zone": ([cp[0].replace("\u00a7A\u00a7", "\u00a7D\u00a7")] + cp[1:], nom, None),
            "one coordinate only": ([cp[0].replace("\u00a746.2\u00a7", "\u00a7.\u00a7")] + cp[1:], nom, None),
        }
        for what, (c, n, raw) in faults.items():
            with self.subTest(fault=what), self.assertRaises(b.CheckError):
                b.check(self.write(c, n, raw))


if __name__ == "__main__":
    unittest.main()
