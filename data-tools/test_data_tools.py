#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Unit tests of the generator's helpers on small fixtures:
python3 -m unittest discover -s data-tools"""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import gzip       # noqa: E402
import struct     # noqa: E402
from collections import Counter  # noqa: E402

import affix      # noqa: E402
import build_words  # noqa: E402
import littre     # noqa: E402
import pos        # noqa: E402
import thesaurus  # noqa: E402
from textutil import dico_form, sort_key_synonym, to_cp1252_text  # noqa: E402

AFF = """SET UTF-8
FLAG long
NEEDAFFIX ()
KEEPCASE ||
FORBIDDENWORD {}

PFX L' Y 1
PFX L' 0 l' [aeiou]

PFX Um Y 2
PFX Um 0 0/S.
PFX Um 0 kilo/S.() .

SFX S. Y 2
SFX S. 0 0/L' [^sxz]
SFX S. 0 s [^sxz]

SFX X. N 1
SFX X. l ux al
"""

DIC = """6
chien/S.() po:nom
cheval/X. po:nom
gramme/Um() po:nom
cm/|| po:nom
ami/S.L' po:nom
interdit/{} po:adj
"""


class AffixExpanderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        d = Path(cls.tmp.name)
        (d / "t.aff").write_text(AFF, encoding="utf-8")
        (d / "t.dic").write_text(DIC, encoding="utf-8")
        cls.aff = affix.AffixFile(d / "t.aff")
        cls.forms = {}
        for root in affix.read_dic(cls.aff, d / "t.dic"):
            cls.forms[root.word] = {f.text: f.lemma for f in cls.aff.expand(root)}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_forms(self):
        cases = [
            # root, forms expected (exactly)
            ("chien", {"chien", "chiens"}),
            ("cheval", {"cheval", "chevaux"}),
            ("gramme", {"gramme", "grammes", "kilogramme", "kilogrammes"}),
            ("cm", {"cm"}),
            ("ami", {"ami", "amis", "l'ami", "l'amis"}),
            ("interdit", set()),
        ]
        for root, expected in cases:
            with self.subTest(root=root):
                self.assertEqual(set(self.forms[root]), expected)

    def test_prefixed_form_has_prefixed_lemma(self):
        self.assertEqual(self.forms["gramme"]["kilogrammes"], "kilogramme")
        self.assertEqual(self.forms["gramme"]["grammes"], "gramme")

    def test_twofold_suffix_refused(self):
        with tempfile.TemporaryDirectory() as d:
            p = Path(d) / "x.aff"
            p.write_text("FLAG long\nSFX A. Y 1\nSFX A. 0 s/B. .\nSFX B. Y 1\nSFX B. 0 e .\n",
                         encoding="utf-8")
            with self.assertRaises(NotImplementedError):
                affix.AffixFile(p)


class TextTest(unittest.TestCase):
    def test_dico_form(self):
        for text, expected in [("œuvrées", "OEUVREES"), ("æschne", "AESCHNE"),
                               ("Paris", None), ("a", None), ("arc-en-ciel", None),
                               ("l'ami", None), ("anticonstitutionnellement", None),
                               ("çà", "CA")]:
            with self.subTest(text=text):
                self.assertEqual(dico_form(text), expected)

    def test_cp1252(self):
        for text, expected in [("l’été…", "l’été…"), ("θεός", "theos"),
                               ("a\u2009b\u2212c", "a b-c"), ("Ś ă", "S a"),
                               ("\u4e2d", "")]:
            with self.subTest(text=text):
                out = to_cp1252_text(text)
                self.assertEqual(out, expected)
                out.encode("cp1252")

    def test_synonym_order(self):
        heads = ["abîme", "a cappella", "à-côté", "abaca", "Abc", "à", "a"]
        self.assertEqual(sorted(heads, key=sort_key_synonym),
                         ["a", "à", "a cappella", "abaca", "Abc", "abîme", "à-côté"])


class PartOfSpeechTest(unittest.TestCase):
    def test_dictionary_rows(self):
        for codes, expected in [({"n"}, "n"), ({"adv", "loc"}, "adv loc"),
                                ({"adj", "n", "v", "adv"}, "adj n v"),
                                ({"n", "v", "adv"}, "n v"), ({"suff"}, "n suff"),
                                ({"art", "pron", "n"}, "n pron"), (set(), "")]:
            with self.subTest(codes=codes):
                self.assertEqual(pos.dictionary_abbreviation(codes), expected)
                self.assertIn(expected, pos.DICTIONARY_ABBREVIATIONS + [""])

    def test_synonym_codes(self):
        for codes, expected in [({"n", "adj"}, "adj n"), ({"n", "adv"}, "adv n"),
                                ({"adj", "adv", "n"}, "adj n"), (set(), "")]:
            with self.subTest(codes=codes):
                self.assertEqual(pos.synonym_codes(codes), expected)


def _article(pron, text):
    return "<i><small>(%s) s. m.</small></i>\n    %s\n\n<b><big>ÉTYMOLOGIE</big></b>\n\n    Lat." % (
        pron, text)


# A hand-made Littré index: OBUS is filed at the article of URTICINE, as
# in the real index; OBUSIER and URTICINE are at their own; BOMBE only
# sends to OBUS.
LITTRE = [
    ("OBUS", _article("ur-ti-sin", "Matière colorante rouge des sommités de l'ortie.")),
    ("URTICINE", None),     # the same article as the line above
    ("OBUSIER", _article("o-bu-zié", "Espèce de mortier monté sur un affût à roues.")),
    ("BOMBE", _article("bon-b'", "Voy. OBUS.")),
    ("GRIOTTIER", _article("gri-o-tié", "Arbre qui porte les griottes.")),
    ("AMITIÉ", None),       # filed at the article of GRIOTTIER too
]


class LittreGeneratorTest(unittest.TestCase):
    """The generator on a small StarDict index with misfiled articles."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.index = build_words.build_littre(_stardict(Path(cls.tmp.name), LITTRE), log=lambda m: None)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_misfiled_entries_are_left_out(self):
        self.assertNotIn("OBUS", self.index)
        self.assertNotIn("AMITIE", self.index)
        self.assertEqual(self.index["URTICINE"][0][1],
                         "Matière colorante rouge des sommités de l'ortie.")
        self.assertEqual(self.index["GRIOTTIER"][0][1], "Arbre qui porte les griottes.")
        self.assertIn("OBUSIER", self.index)

    def _word(self, lemma=None, is_lemma=True):
        info = build_words.WordInfo()
        info.admitted, info.codes, info.is_lemma = True, {"n"}, is_lemma
        if lemma:
            info.lemmas[lemma] = 1
        return info

    def test_definitions_fall_back_without_the_misfiled_article(self):
        words = {"OBUS": self._word(), "OBUSIER": self._word(), "BOMBE": self._word(),
                 "AMITIE": self._word(), "AMITIES": self._word("AMITIE", is_lemma=False),
                 "BOMBES": self._word("BOMBE", is_lemma=False)}
        dico = sorted(words)
        syn = {"AMITIE": ["affection", "attachement"]}
        values, kind = build_words.build_definitions(words, dico, self.index, syn, log=lambda m: None)
        self.assertEqual(values["OBUS"], "= £n§")                   # part of speech only
        self.assertEqual(values["BOMBE"], "= £n§")                  # its "Voy. OBUS." is not followed
        self.assertEqual(values["BOMBES"], "= £n§")
        self.assertEqual(values["AMITIE"], "= £n§Synonymes : affection, attachement.")
        self.assertEqual(values["AMITIES"], "= £n§Voir AMITIE.")
        self.assertTrue(values["OBUSIER"].endswith("affût à roues."))

    def test_filing_of_articles_owned_by_another_headword(self):
        mercator = "<i><small></small></i>\n    Cartes de Mercator, cartes géographiques."
        rabioule = "<i><small>(ra-bi-ou-l') s. f.</small></i>\n    La racine du brassica rapa."
        abecque = "<i><small>part. passé</small></i>\n    Petits oiseaux abecqués par leur mère."
        entries = [("MERCATOR", mercator, 1), ("GUERRIER", mercator, 1),
                   ("RABIOULE", rabioule, 2), ("SABOULER", rabioule, 2),
                   ("ABECQUÉ", abecque, 3), ("ABÉQUÉ", abecque, 3)]
        filed = {h: littre.filed_at_own_article(*sc)
                 for (h, _, _), sc in zip(entries, littre.filing_scores(entries))}
        self.assertEqual(filed, {"MERCATOR": True, "GUERRIER": False, "RABIOULE": True,
                                 "SABOULER": False, "ABECQUÉ": True, "ABÉQUÉ": True})

    def test_pronunciation_scores(self):
        for word, pron, at_least, below in [
                ("obusier", "o-bu-zié", littre.KEEP_SCORE, 1.01),
                ("balancement", "ba-lan-se-man", littre.KEEP_SCORE, 1.01),
                ("chaos", "ka-ô", littre.DOUBT_SCORE, 1.01),
                ("acheter", "bat'", 0.0, littre.KEEP_SCORE),
                ("obus", "ur-ti-sin", 0.0, littre.DOUBT_SCORE)]:
            with self.subTest(word=word):
                score = littre.pronunciation_score(word, [pron])
                self.assertGreaterEqual(score, at_least)
                self.assertLess(score, below)


def _stardict(d, entries):
    """Writes a StarDict index and dictionary of (headword, article) pairs;
    an article None is the previous one again (another headword of it)."""
    data, idx, last = b"", [], None
    for head, text in entries:
        if text is not None:
            raw = text.encode("utf-8")
            last = (len(data), len(raw))
            data += raw
        idx.append(head.encode("utf-8") + b"\0" + struct.pack(">II", *last))
    (d / "l.idx").write_bytes(b"".join(idx))
    with gzip.open(d / "l.dict.dz", "wb") as f:
        f.write(data)
    return {"littre_idx": d / "l.idx", "littre_dict": d / "l.dict.dz"}


def _entry(header, *senses):
    """An article: its header, then its text, in numbered senses when there
    are several."""
    body = ("\n    " + senses[0] if len(senses) == 1 else
            "".join("\n\n<b>%d°</b> %s" % (i + 1, t) for i, t in enumerate(senses)))
    return "<i><small>%s</small></i>%s" % (header, body)


_LONG = ("Il se dit aussi, par extension, de tout ce qui y ressemble par la forme, "
         "par l'usage ou par la place qu'il tient dans la maison, aux champs ou en ville.")

# Homographs as the Littré files them: accented and plain spellings that
# fold to one word, numbered homonyms, participles, compounds, references.
HOMOGRAPHS = [
    ("HIER", _entry("(i-é)", "V. a. Enfoncer avec la hie.", "V. n. Faire du bruit.")),
    ("HIER.1", None),
    ("HIER.2", _entry("(i-êr) adv. de temps", "Le jour qui précède celui où l'on est.")),
    ("FORET", _entry("(fo-rè) s. m.", "Petit instrument pour percer.")),
    ("FORÊT", _entry("(fo-rê) s. f.", "Vaste terrain planté de bois.", _LONG)),
    ("BOITE", _entry("(boi-t') s. f.", "État du vin bon à boire.")),
    ("BOÎTE", _entry("(boî-t') s. f.", "Petit coffre à couvercle.", _LONG)),
    ("SOURIS", _entry("(sou-ri) s. m.", "Même sens que sourire.")),
    ("SOURIS.1", None),
    ("SOURIS.2", _entry("(sou-ri) s. f.", "Petit rongeur.", _LONG, _LONG)),
    ("FRAISE", _entry("(frè-z') s. f.", "Fruit du fraisier.",
                      "Fraise des bois, petite fraise sauvage et très parfumée des bois.")),
    ("FRAISE.2", _entry("(frè-z') s. f.", "Collet plissé que l'on portait.", _LONG, _LONG)),
    ("SOL", _entry("(sou) s. m.", "Voy. SOU.")),
    ("SOL.1", None),
    ("SOL.2", _entry("(sol) s. m.", "Surface de la terre.", _LONG, _LONG, _LONG, _LONG)),
    ("CELLE", _entry("(sè-l')", "Voy. CELUI.")),
    ("CELLE.2", _entry("(sè-l') s. f.", "Pièce des thermes romains.")),
    ("CELUI", _entry("(se-lui) pron. démonstr.", "Il désigne une personne ou une chose.")),
    ("SOU", _entry("(sou) s. m.", "Ancienne monnaie.")),
    ("RAS", _entry("(râ) adj.", "Tondu de près.")),
    ("RAS.1", None),
    ("RAS.2", _entry("(ra) s. m.", "Terme de marine. Ras de carène, plancher flottant.")),
    ("RAT.2", None),
    ("RAT", _entry("(ra) s. m.", "Voy. RAS 2.")),
    ("RAT.1", None),
    ("TERRÉ", _entry("(tè-ré, rée) part. passé de terrer", "À quoi on a mis de la terre.")),
    ("AUGUSTIN", _entry("(sin-tô-gu-stin) s. m.", "Caractère d'imprimerie de 13 points.")),
    ("AUGUSTIN (SAINT-)", None),
    ("WAGON", _entry("(va-gon) s. m.", "Wagon-vanne, sorte d'écluse portative.")),
]


class HomographTest(unittest.TestCase):
    """Which of the articles that fold to one word of the list it takes."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.index = build_words.build_littre(_stardict(Path(cls.tmp.name), HOMOGRAPHS),
                                             log=lambda m: None)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    @staticmethod
    def _word(spellings, lemmas=(), codes=None, lemma_of=None):
        """spellings: form as written -> classes; lemmas: the forms that are
        lemmas themselves."""
        info = build_words.WordInfo()
        info.admitted = True
        info.spelling_codes = {k: set(v) for k, v in spellings.items()}
        info.surfaces = set(spellings)
        info.lemma_spellings = set(lemmas)
        info.is_lemma = bool(lemmas)
        info.codes = set(codes) if codes else set().union(*info.spelling_codes.values())
        if lemma_of:
            info.lemmas[lemma_of] = 1
        return info

    def test_the_sense_a_player_means(self):
        n, v, adv = {"n"}, {"v"}, {"adv"}
        words = {
            "HIER": self._word({"hier": adv}, ["hier"]),
            "FORET": self._word({"foret": n, "forêt": n}, ["foret", "forêt"]),
            "BOITE": self._word({"boite": {"n", "v"}, "boîte": n}, ["boite", "boîte"]),
            "SOURIS": self._word({"souris": {"n", "v"}}, ["souris"]),
            "FRAISE": self._word({"fraise": n}, ["fraise"]),
            "SOL": self._word({"sol": n}, ["sol"]),
            "SOU": self._word({"sou": n}, ["sou"]),
            "CELLE": self._word({"celle": {"pron"}}, ["celle"]),
            "CELUI": self._word({"celui": {"pron"}}, ["celui"]),
            "RAS": self._word({"ras": {"adj", "n"}}, ["ras"]),
            "RAT": self._word({"rat": n}, ["rat"]),
            "TERRE": self._word({"terre": {"n", "v"}, "terré": v}, ["terre"],
                                lemma_of="TERRER"),
            "AUGUSTIN": self._word({"augustin": {"n", "adj"}}, ["augustin"]),
            "WAGON": self._word({"wagon": n}, ["wagon"]),
        }
        syn = {"RAT": ["mulot"], "TERRE": ["sol", "glèbe"]}
        values, _ = build_words.build_definitions(words, sorted(words), self.index, syn,
                                                  log=lambda m: None)
        for word, expected in [
                ("HIER", "= £adv§Le jour qui précède celui où l'on est."),   # not the verb
                ("FORET", "= £n§Vaste terrain planté de bois."),      # the longer article
                ("BOITE", "= £n v§Petit coffre à couvercle."),
                ("SOURIS", "= £n v§Petit rongeur."),                  # the main homonym
                ("FRAISE", "= £n§Fruit du fraisier."),                # the first, not far shorter
                ("SOL", "= £n§Surface de la terre."),                 # text before a bare reference
                ("CELLE", "= £pron§Voir CELUI."),                     # ... not before a one-liner
                ("RAT", "= £n§Synonymes : mulot."),   # "Voy. RAS 2.", RAS shows RAS 1
                ("TERRE", "= £n v§Synonymes : sol, glèbe."),          # not the participle's
                ("AUGUSTIN", "= £adj n§"),                            # SAINT-AUGUSTIN's article
                ("WAGON", "= £n§")]:                                  # WAGON-VANNE's
            with self.subTest(word=word):
                self.assertEqual(values[word], expected)

    def test_article_reading(self):
        classes = [
            ("(i-êr) adv. de temps", "Le jour d'avant.", {"adv"}),
            ("(i-é)", "V. a. Enfoncer avec la hie.", {"v"}),          # in the sense's head
            ("(tè-ré, rée) part. passé de terrer", "Couvert de terre.", {"v", "adj"}),
            ("(de) prépos.", "Il marque l'origine.", {"prép"}),
            ("(fo-rê) s. f.", "Vaste terrain.", {"n"}),
            ("(fo-rê)", "Vaste terrain.", set()),
        ]
        for header, sense, expected in classes:
            with self.subTest(header=header):
                self.assertEqual(littre.article_classes(_entry(header, sense)), expected)
        for headword, compound in [("AUGUSTIN (SAINT-)", True), ("JAVELLE (EAU DE).2", True),
                                   ("AMMON (CORNE D')", True), ("ABSENTER (S')", False),
                                   ("CATIMINI (EN)", False), ("EXTENSO (IN-)", False),
                                   ("GO (TOUT DE)", False), ("MOGOL (GRAND)", False)]:
            with self.subTest(headword=headword):
                self.assertEqual(littre.names_compound(headword), compound)
        for spelling, sense, compound in [
                ("wagon", "Wagon-vanne, sorte d'écluse portative.", True),
                ("arc", "Arc-en-ciel, météore en forme d'arc.", True),
                ("bouquet", "Bouquet de bois, ou, simplement, bouquet, un bosquet.", False),
                ("porte", "Porte-voix et porte-plume sont au mot porter.", False)]:
            with self.subTest(sense=sense):
                self.assertEqual(littre.defines_compound(spelling, sense), compound)


class FirstSenseTest(unittest.TestCase):
    def test_cleaning_rules(self):
        cases = [
            # first line of the sense, rule, definition kept
            ("V. a. Rendre bon. Les caves fraîches abonnissent le vin.", "grammatical head",
             "Rendre bon."),
            ("v. a. Rendre bête.", "lower-case header fragment", "Rendre bête."),
            ("ou ALYSSON (a-li-sson), s. m. Plante d'agrément.", "lower-case header fragment",
             "Plante d'agrément."),
            ("plur. Terme d'antiquité romaine. Frères arvales.", "lower-case header fragment",
             "Terme d'antiquité romaine. Frères arvales."),
            ("Vieillard qui se sert d'une béquille. Alors sortit d'une portière Un béquillard "
             "sec et gris, Voyage de Bachaumont, dans RICHELET.", "citation tail",
             "Vieillard qui se sert d'une béquille."),
            ("Terme de physique. Synonyme de conductibilité, dans FOURIER, Théorie de la "
             "chaleur.", "citation tail", "Terme de physique. Synonyme de conductibilité."),
            ("Avec candeur. Il y a des gens, Dict. de Trévoux, dans DESFONTAINES.",
             "citation tail", "Avec candeur."),
            ("Celui qui pratique l'ostréiculture.L'ostréiculteur garnit son parc||Journ. "
             "offic. 19 avril 1875>", "||...> tail", "Celui qui pratique l'ostréiculture."),
            ("XIVe s.", "history, etymology or remark", ""),
            ("Terme de chimie.", "label only", ""),
            ("Substantivement.", "label only", ""),
            ("Ancien terme de marine.", "label only", ""),
            ("Mauvais mot. Voy. HYPSOMÉTRIE.", "embedded Voy.", "Voy. HYPSOMÉTRIE."),
            ("Plante vivace. Voy. GENÊT. Fleurs jaunes.", "embedded Voy.", "Plante vivace."),
            # Examples after the definition go; labels stay with the sentence they introduce;
            # a period after an abbreviation or an initial ends no sentence.
            ("Mettre un embout. Embouter un parapluie.", "sentences after the first",
             "Mettre un embout."),
            # A capital with an accent printed small still starts a sentence ("à dextre",
            # "ôter"), but not after "etc.".
            ("Le côté droit. à dextre, à droite.", "accented capital at a sentence start",
             "Le côté droit."),
            ("Terme de marine. ôter le lest d'un bâtiment.", "accented capital at a sentence start",
             "Terme de marine. Ôter le lest d'un bâtiment."),
            ("Tissu de cordons, de fils, etc. entrelacés. à Paris.",
             "accented capital at a sentence start", "Tissu de cordons, de fils, etc. entrelacés."),
            ("Des cordons, etc. à la fois. à Paris.", "accented capital at a sentence start",
             "Des cordons, etc. à la fois."),
            ("Terme de marine. Donner entre deux caps. Navire encapé.",
             "sentences after the first", "Terme de marine. Donner entre deux caps."),
            ("Terme forestier. Action d'abattre. L'abatage des bois se fait en automne.",
             "sentences after the first", "Terme forestier. Action d'abattre."),
            ("Le rang après 999. La millième année.", "sentences after the first",
             "Le rang après 999."),
            ("La racine du brassica rapa, L. (crucifères), le turneps. On l'appelle rave.",
             "sentences after the first", "La racine du brassica rapa, L. (crucifères), le turneps."),
            # A usage label is no definition: it stays with the sentence it introduces.
            ("Au pl. Le père et la mère (c'est le sens propre). Un enfant obéit.",
             "sentences after the first", "Au pl. Le père et la mère (c'est le sens propre)."),
            ("Familière. Il marque la moquerie. Tarare !", "sentences after the first",
             "Familière. Il marque la moquerie."),
            ("Des deux genres. Terme très familier. Qui est d'humeur grondeuse. Esprit grognon.",
             "sentences after the first",
             "Des deux genres. Terme très familier. Qui est d'humeur grondeuse."),
            ("Mot populaire.", "label only", ""),
            ("RÉM. On a dit aussi abcéder.", "history, etymology or remark", ""),
            ("2. Qui est tombé. Du grésil.", "marks that are no part of a definition",
             "Qui est tombé."),
            # The source of a quotation goes, titles, dates and pages with it.
            ("Travail par lequel on pave une rue avec l'asphalte, Journ. offic. 8 févr. 1872, "
             "p. 395, 2e col.", "source of a quotation",
             "Travail par lequel on pave une rue avec l'asphalte."),
            ("Espèce de néflier, mespilus amelanchier, Linné, Reboisement des montagnes, "
             "Compte rendu, 1869-1874, 2e fasc. p. 49.", "source of a quotation",
             "Espèce de néflier, mespilus amelanchier."),
            ("Nom donné aux cénobites, puis à tous les clercs, FLEURY.", "source of a quotation",
             "Nom donné aux cénobites, puis à tous les clercs."),
            # Marks of the article.
            ("Qui a rapport à l'altruisme (voy. ce mot au Dictionnaire).",
             "marks that are no part of a definition", "Qui a rapport à l'altruisme."),
            ("(an-ti-tri-ni-tê-r'). Terme d'histoire. Celui qui nie la Trinité.",
             "marks that are no part of a definition", "Terme d'histoire. Celui qui nie la Trinité."),
            ("Celui qui acquiert [surtout des biens] .", "marks that are no part of a definition",
             "Celui qui acquiert surtout des biens."),
            ("Lieu où l'on boit ; en ce sens, II ne se dit guère.",
             "marks that are no part of a definition", "Lieu où l'on boit ; en ce sens, Il ne se dit guère."),
            ("Voyez LICOU.", "marks that are no part of a definition", "Voy. LICOU."),
            ("Voy KLIPPER.", "marks that are no part of a definition", "Voy. KLIPPER."),
        ]
        for text, rule, expected in cases:
            with self.subTest(text=text):
                stats = Counter()
                self.assertEqual(littre.clean_sense(text, stats), expected)
                self.assertIn(rule, stats)

    def test_example_of_a_participle(self):
        head = "<i><small>(dé-lar-dé, dée) part. passé.</small></i>\n"
        self.assertTrue(littre.example_only(head, "délardé", "Une volaille délardée."))
        self.assertFalse(littre.example_only(head, "délardé", "Dont on a ôté le lard."))
        verb = "<i><small>(dé-lar-dé) v. a.</small></i>\n"
        self.assertFalse(littre.example_only(verb, "délarder", "Délarder une volaille."))

    def test_history_and_supplement(self):
        eu = ("<i><small>(u, ue) part. passé du verbe avoir</small></i>\n\n<b><big>HISTORIQUE"
              "</big></b>\n\n    XIVe s. \n\n<b><big>SUPPLÉMENT AU DICTIONNAIRE</big></b>\n"
              "EU...., EV....\n    Préfixe qui signifie bien.")
        self.assertEqual(littre.first_sense(eu), "")
        elegi = "<i><small></small></i>\n    Ajoutez :\n    Il se dit aussi de pièces de fer."
        self.assertEqual(littre.first_sense(elegi), "Il se dit aussi de pièces de fer.")
        sup = ("<i><small>(re-plâ-tré) part. passé</small></i>\n\n<b><big>SUPPLÉMENT AU "
               "DICTIONNAIRE</big></b>\n\n    REPLÂTRÉ, ÉE. Ajoutez :\n    Se dit aussi d'une "
               "personne mal raccommodée.")
        self.assertEqual(littre.first_sense(sup), "Se dit aussi d'une personne mal raccommodée.")


class ScrabbleWordsTest(unittest.TestCase):
    def test_abbreviations(self):
        aff = affix.AffixFile.__new__(affix.AffixFile)
        aff.suffixes = {"S.": []}
        line = iter(range(1, 100))

        def root(word, morph, flags=()):
            return affix.Root(word, frozenset(flags), tuple(morph.split()), next(line))
        roots = {
            "janv": root("janv", "po:nom is:mas is:inv", ["L'"]),
            "janvier": root("janvier", "po:nom is:mas", ["S."]),
            "vs": root("vs", "po:mg po:prep"),
            "litt": root("litt", "po:adv"),
            "littéralement": root("littéralement", "po:adv"),
            "nord": root("nord", "po:nom is:mas is:inv"),      # the Littré knows it
            "nordique": root("nordique", "po:adj", ["S."]),
            "univ": root("univ", "po:nom is:fem", ["S."]),    # inflects
            "bras": root("bras", "po:nom is:mas is:inv"),
            "brasser": root("brasser", "po:v1"),
            "hard": root("hard", "po:adj is:epi is:inv"),     # not a noun or adverb
            "harde": root("harde", "po:nom is:fem", ["S."]),
            "pt": root("pt", "po:nom is:mas", ["S."]),          # no vowel, even with a plural
            "crwth": root("crwth", "po:nom is:mas", ["S."]),    # w: a word
        }
        finder = build_words.AbbreviationFinder(aff, roots.values(), known_words={"NORD"})
        found = sorted(w for w, r in roots.items() if finder(r))
        self.assertEqual(found, ["janv", "litt", "pt", "vs"])

    def test_fragments_that_are_words(self):
        def root(word, morph, flags=()):
            return affix.Root(word, frozenset(flags), tuple(morph.split()), 1)
        roots = [root("tire-larigot", "po:loc.adv"), root("tire", "po:nom"),
                 root("larigot", "po:nom"), root("mezza-voce", "po:loc.adv")]
        words = {}
        for w, reasons, surface in [("PERPETE", {"locution"}, "perpète"),
                                    ("PERPETTE", {"locution"}, "perpette"),
                                    ("TIRELARIGOT", {"locution"}, "tirelarigot"),
                                    ("MEZZAVOCE", {"locution"}, "mezzavoce"),
                                    ("KO", {"symbol"}, "ko"), ("KG", {"symbol"}, "kg"),
                                    ("CF", {"locution"}, "cf"), ("AB", {"locution"}, "ab"),
                                    ("CATIMINI", {"locution"}, "catimini")]:
            info = words[w] = build_words.WordInfo()
            info.not_reasons, info.not_codes, info.surfaces = reasons, {"adv"}, {surface}
        thes = build_words.thesaurus_words({
            "perpète": (["(?)"], ["perpétuité"]), "sonné": (["Adjectif"], ["ko", "K.O."]),
            "cf": (["Abreviation"], ["confer", "voir"]), "confer": (["Adverbe"], ["cf", "voir"])})
        self.assertNotIn("CF", thes)
        build_words.admit_known_fragments(words, roots, {"CATIMINI"}, thes, log=lambda m: None)
        admitted = sorted(w for w, info in words.items() if info.admitted)
        self.assertEqual(admitted, ["KO", "PERPETE", "PERPETTE", "TIRELARIGOT"])
        self.assertEqual(words["KO"].codes, {"adv"})

    def test_forms_that_are_not_words(self):
        for text, expected in [("xixᵉ", None), ("iiᵉ", None), ("1ᵉʳ", None), ("xix", "XIX"),
                               ("œuvre", "OEUVRE")]:
            with self.subTest(text=text):
                self.assertEqual(dico_form(text), expected)
        qu = affix.Root("qu", frozenset(), ("po:mg", "po:cjsub", "po:err"), 1)
        self.assertTrue(build_words.is_error_form(qu))


# A spelling dictionary for the thesaurus tests: a verb with its infinitive,
# participle and one conjugated form, common words and a proper noun.
THES_AFF = """SET UTF-8
FLAG long

SFX a0 Y 3
SFX a0 er ent er po:ipre po:3pl
SFX a0 er é er po:ppas
SFX a0 er ant er po:ppre
"""

THES_DIC = """14
creuser/a0 po:v1
évider/a0 po:v1
adoucir po:v2
affadir po:v2
clair po:adj
écrouler po:v1
bouleverser po:v1
ému po:adj
courtisane po:nom
face po:nom
gueule po:nom
fric po:nom
visage po:nom
OpenOffice po:npr
"""


def write_thesaurus_sources(d, thesaurus_text):
    d = Path(d)
    (d / "t.aff").write_text(THES_AFF, encoding="utf-8")
    (d / "t.dic").write_text(THES_DIC, encoding="utf-8")
    (d / "th.dat").write_text(thesaurus_text, encoding="utf-8")
    return {"thes": d / "th.dat", "aff": d / "t.aff", "dic": d / "t.dic"}


class ThesaurusTest(unittest.TestCase):
    def test_lexicon_kinds(self):
        with tempfile.TemporaryDirectory() as d:
            paths = write_thesaurus_sources(d, "UTF-8\n")
            lex = thesaurus.Lexicon.from_spelling_dictionary(paths["aff"], paths["dic"])
        for word, kinds in [("creuser", {"v"}), ("creusé", {"v"}), ("creusant", {"v"}),
                            ("creusent", {thesaurus.FINITE}), ("clair", {"adj"}),
                            ("OpenOffice", {thesaurus.NAME}), ("creusons", set())]:
            with self.subTest(word=word):
                self.assertEqual(lex.kinds(word), kinds)
        self.assertFalse(lex.knows("OpenOffice"))
        self.assertTrue(lex.knows("creusent"))

    def test_review_rules(self):
        F, N = thesaurus.FINITE, thesaurus.NAME
        lex = thesaurus.Lexicon.from_forms([
            ("clair", "adj"), ("évident", "adj"), ("évident", F), ("creusent", F), ("toue", F),
            ("barque", "n"), ("abêtissement", "n"), ("stupeur", "n"), ("probité", "n"),
            ("improbité", "n"), ("intégrité", "n"), ("honnêteté", "n"), ("corruptible", "adj"),
            ("incorruptible", "adj"), ("planter", "v"), ("implanter", "v"), ("fixer", "v"),
            ("migration", "n"), ("immigration", "n"), ("exode", "n"), ("peau", "n"),
            ("peu", "adv"), ("écorce", "n"), ("brin", "n"), ("OpenOffice", N), ("haut", "adj"),
            ("fourneau", "n"), ("feu", "n"), ("tableur", "n"), ("fréon", "n"), ("commutateur", "n"),
            ("bouton", "n"), ("chlorofluorocarbone", "n"), ("affabulation", "n")])
        merged = {
            # A verb form among adjectives, and the record of that form.
            "clair": (["Adjectif"], ["évident", "creusent", "CFC"]),
            "creusent": (["Verbe"], ["évident", "clair"]),
            # A headword of another class is a word in its own right.
            "barque": (["Nom"], ["toue"]),
            "toue": (["?"], ["barque"]),
            # Unknown words: dropped, or given their accents; a compound of known words stays.
            "stupeur": (["Nom"], ["abetissement", "imposteuse"]),
            "feu": (["Nom"], ["haut-fourneau", "toggle"]),
            "tableur": (["Nom"], ["OpenOffice", "feu"]),
            # Antonyms: beside the word they negate, of the headword, and the negated headword's.
            "intégrité": (["Nom"], ["honnêteté", "probité", "improbité"]),
            "improbité": (["Nom"], ["probité", "honnêteté"]),
            "probité": (["Nom"], ["honnêteté", "intégrité"]),
            "corruptible": (["Adjectif"], ["incorruptible", "fréon"]),
            # Prefixes that negate nothing.
            "fixer": (["Verbe"], ["planter", "implanter"]),
            "exode": (["Nom"], ["migration", "immigration"]),
            # "peu" written for "peau".
            "peau": (["Nom"], ["écorce", "peu"]),
            "peu": (["Adverbe"], ["brin", "peau", "écorce"]),
        }
        stats = Counter()
        thesaurus.review(merged, lex, stats)
        self.assertEqual({h: syns for h, (_, syns) in merged.items()}, {
            "clair": ["évident"],
            "creusent": ["évident"],
            "barque": ["toue"],
            "toue": ["barque"],
            "stupeur": ["abêtissement"],
            "feu": ["haut-fourneau"],
            "tableur": ["feu"],
            "intégrité": ["honnêteté", "probité"],
            "improbité": ["honnêteté"],
            "probité": ["honnêteté", "intégrité"],
            "corruptible": ["fréon"],
            "fixer": ["planter", "implanter"],
            "exode": ["migration", "immigration"],
            "peau": ["écorce"],
            "peu": ["brin"],
        })
        self.assertEqual(stats["unknown word dropped"], 4)
        self.assertEqual(stats["antonym dropped"], 3)

    def test_synonym_records(self):
        with tempfile.TemporaryDirectory() as d:
            paths = write_thesaurus_sources(
                d,
                "UTF-8\n"
                "affaisser|1\n(Verbe)|faire fléchir|plier(se)|faire|tasser(se)|écrouler\n"
                "plier(se)|1\n(?)|affaisser|faire fléchir|faire|tasser(se)\n"
                "cornemuseux|1\n(?)|?\n"
                "bouleversé|1\n(Adjectif)|boulverser|ému\n"
                "ghesha|1\n(Nom)|courtisane\n"
                "visage|1\n(Nom)|face|gueule (familier)|fric (argot)\n"
                # A letter outside French spelling: the word without its accent
                # joins the record of that word; unknown otherwise.
                "adoucir|1\n(Verbe)|affadir\n"
                "ádoucir|1\n(Verbe)|évider\n"
                "affadir|1\n(Verbe)|ádoucir|ñoucir\n")
            records, _, heads = build_words.build_synonyms(paths, log=lambda m: None)
        flat = [r for L in records.values() for r in L]
        self.assertEqual(sorted(flat), sorted([
            "affaisser§v$écrouler", "bouleversé§adj$bouleverser\\ému",
            "geisha§n$courtisane", "visage§n$face\\gueule\\fric",
            "adoucir§v$affadir\\évider", "affadir§v$adoucir"]))
        # Every headword is a known word, with or without a record left.
        self.assertEqual(heads, {"AFFAISSER", "PLIER(SE)", "CORNEMUSEUX", "BOULEVERSE",
                                 "GEISHA", "VISAGE", "ADOUCIR", "AFFADIR"})
        self.assertIn("boulverser", thesaurus.CORRECTIONS)


if __name__ == "__main__":
    unittest.main()
