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

    def test_commune_of_a_place(self):
        def place(gid, name, country, admin1="", admin2="", admin4="", pop="1000"):
            f = ["0"] * 19
            f[:2] = [str(gid), name]; f[4:6] = ["1.5", "2.5"]; f[8] = country
            f[10], f[11], f[13], f[14] = admin1, admin2, admin4, pop
            return "\t".join(f)
        rows = [place(10, "Ain town", "FR", "84", "01", "01053"),
                place(11, "Sada", "YT", "97616"),                  # admin1
                place(12, "Koné", "NC", "01", "98811"),            # admin2
                place(13, "Gustavia", "BL", "00"),                 # one-commune territory
                place(14, "Papeete", "PF", "01"),                  # by its name
                place(15, "Vaitape", "PF", "02"),                  # no commune of that name
                place(16, "Tiva", "PF", "02"),                     # two communes of that name
                place(17, "Ain town", "US", "", "", "01053")]      # not French
        communes = [("98735", "Papeete"), ("98714", "Bora-Bora"), ("98760", "Tiva"), ("98761", "Tiva")]
        places = b.load_places("\n".join(rows), communes)
        self.assertEqual({code: [p[0] for p in ps] for code, ps in places.items()},
                         {"01053": [10], "97616": [11], "98811": [12], "97701": [13], "98735": [14]})
        self.assertEqual(places["97616"][0][2:4], ("1.5", "2.5"))

    def test_arrondissement_by_number(self):
        places = {"69123": [(5, "Lyon", "45.7", "4.8", 500000), (6, "Lyon 03", "45.76", "4.85", 100000)]}
        arr = {"69383": ("69123", 3), "69384": ("69123", 4)}
        self.assertEqual(b.coordinates("69383", "Lyon 3e Arrondissement", places, arr), ("45.76", "4.85"))
        self.assertEqual(b.coordinates("69384", "Lyon 4e Arrondissement", places, arr), (".", "."))

    def test_through_former_codes(self):
        places = {"14011": [(1, "Saint-Germain-d'Ectot", "49.1", "-0.7", 300)],
                  "14479": [(2, "Aurseulles", "49.2", "-0.6", 100)],
                  "93059": [(3, "Pierrefitte-sur-Seine", "48.96", "2.36", 30000)],
                  "93066": [(4, "Saint-Denis", "48.93", "2.35", 110000)]}
        self.assertEqual(b.coordinates("14581", "Aurseulles", places, {}, ["14011", "14479"]), ("49.2", "-0.6"))
        self.assertEqual(b.coordinates("93066", "Saint-Denis", places, {}, ["93059"]), ("48.93", "2.35"))
        self.assertEqual(b.coordinates("14581", "Aurseulles", places, {}), (".", "."))

    def test_former_codes(self):
        communes = [
            {"type": "commune-actuelle", "code": "93066", "anciensCodes": ["93059", "75066"]},
            {"type": "commune-deleguee", "code": "93066", "chefLieu": "93066"},
            {"type": "commune-actuelle", "code": "15141", "anciensCodes": ["15031", "15035"]},
            {"type": "commune-actuelle", "code": "15031"},                  # restored: its own again
            {"type": "commune-deleguee", "code": "14623", "chefLieu": "14408"},
            {"type": "commune-actuelle", "code": "14408"},
            {"type": "commune-associee", "code": "55273", "chefLieu": "55245"},
            {"type": "commune-associee", "code": "55273", "chefLieu": "55386"},  # claimed twice
        ]
        self.assertEqual(b.former_codes(communes),
                         {"93066": ["75066", "93059"], "15141": ["15035"], "14408": ["14623"]})


class OfficialList(unittest.TestCase):
    def test_pairs(self):
        def commune(code, kind="commune-actuelle", postal=None, **more):
            c = {"code": code, "type": kind, **more}
            if postal is not None:
                c["codesPostaux"] = postal
            return c
        communes = [
            commune("75056", postal=["75001", "75016", "75116"]),                 # divided city
            commune("75101", "arrondissement-municipal", ["75001"], commune="75056"),
            commune("75116", "arrondissement-municipal", ["75016", "75116"], commune="75056"),
            commune("01015", "commune-deleguee", chefLieu="01015"),
            commune("01015", postal=["01300", "01510"]),
            commune("98412"),                                                      # no postal code
            commune("98901", postal=["98799"]),
        ]
        self.assertEqual([(c["code"], p) for c, p in b.official_pairs(communes)],
                         [("75101", "75001"), ("75116", "75016"), ("75116", "75116"),
                          ("01015", "01300"), ("01015", "01510"), ("98901", "98799")])

    def test_routing_key(self):
        cases = [
            # current name, (postal file's routing name, its commune name), key
            ("Grosseto-Prugna", ("PORTICCIO", "Grosseto-Prugna"), "PORTICCIO"),        # post office kept
            ("Jugon-les-Lacs - Commune nouvelle", ("JUGON-LES-LACS-COMMUNE NOUVELL", "Jugon-les-Lacs"),
             "JUGON LES LACS COMMUNE NOUVELL"),                                       # not a former name
            ("Pargny-et-Filain", ("PARGNY FILAIN", "Pargny-Filain"), "PARGNY ET FILAIN"),  # renamed
            ("Éragny-sur-Oise", ("ERAGNY-SUR-OISE", "Éragny"), "ERAGNY SUR OISE"),         # already new
            ("Saint-Denis", None, "ST DENIS"),                                              # pair unknown
            ("Papeete", None, "PAPEETE"),
        ]
        for name, entry, want in cases:
            with self.subTest(name=name):
                self.assertEqual(b.routing_key(name, entry), want)


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


class NameKeys(unittest.TestCase):
    def test_communes_found_by_their_name(self):
        rows = [
            row("BEON", "01350", "01138", "Culoz-Béon"),                        # a former commune
            row("COMMUNE NOUVELLE D ARROU", "28290", "28012", "Vald'Yerre"),    # a placeholder
            row("MIALLET", "24450", "24269", "Mialet"),                         # spelt otherwise
            row("REUIL", "51480", "51457", "Cœur-de-la-Vallée"),                # every key of it
            row("BINSON ET ORQUIGNY", "51700", "51457", "Cœur-de-la-Vallée"),
            row("ANTIBES", "06600", "06004", "Antibes"),                        # found under 06600:
            row("JUAN LES PINS", "06160", "06004", "Antibes"),                  # 06160 kept
            row("KREMLIN BICETRE", "94270", "94043", "Le Kremlin-Bicêtre"),     # article optional
            row("LE DEVOLUY", "05250", "05139", "Dévoluy"),
            row("AUBAZINE", "19190", "19013", "Aubazines"),                     # a letter short
            row("MARSEILLE 06", "13006", "13206", "Marseille 6e Arrondissement"),
        ]
        changed = b.name_keys(rows, arrondissements={"13206": ("13055", 6)})
        self.assertEqual(changed, ["01138", "28012", "24269", "51457", "19013"])
        self.assertEqual([w["key"] for w in rows], [
            "CULOZ BEON", "VALD YERRE", "MIALET", "COEUR DE LA VALLEE", "COEUR DE LA VALLEE",
            "ANTIBES", "JUAN LES PINS", "KREMLIN BICETRE", "LE DEVOLUY", "AUBAZINES",
            "MARSEILLE 06"])


class MisplacedCoordinates(unittest.TestCase):
    def test_far_from_its_postal_code(self):
        rows = [
            row("ONDRES", "40440", "40209", "Ondres", lat="43.56", lon="-1.44"),
            # Sainte-Marie-de-Gosse with the place of another village, 85 km east.
            row("STE MARIE DE GOSSE", "40390", "40271", "Sainte-Marie-de-Gosse",
                lat="43.55", lon="-0.233"),
            row("BIAUDOS", "40390", "40043", "Biaudos", lat="43.55", lon="-1.30"),
            row("BIARROTTE", "40390", "40042", "Biarrotte", lat="43.56", lon="-1.27"),
            row("ST MARTIN DE SEIGNANX", "40390", "40273", "Saint-Martin-de-Seignanx",
                lat="43.54", lon="-1.38"),
            # 25 km from the others: a wide commune, kept.
            row("ST BARTHELEMY", "40390", "40251", "Saint-Barthélemy", lat="43.50", lon="-1.60"),
            # One other commune placed in 40440: not enough to judge.
            row("TARNOS", "40440", "40312", "Tarnos", lat="44.50", lon="-1.46"),
        ]
        self.assertEqual(b.misplaced_coordinates(rows), ["40271"])
        self.assertEqual([(w["lat"], w["lon"]) for w in rows if w["lat"] == "."], [(".", ".")])
        self.assertEqual(rows[1]["lat"], ".")


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
