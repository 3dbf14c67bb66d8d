#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Unit tests of the generator's helpers on small fixtures:
python3 -m unittest discover -s data-tools"""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import affix      # noqa: E402
import pos        # noqa: E402
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
                                ({"adj", "adv", "n"}, "adj adv n"), (set(), "")]:
            with self.subTest(codes=codes):
                self.assertEqual(pos.synonym_codes(codes), expected)


if __name__ == "__main__":
    unittest.main()
