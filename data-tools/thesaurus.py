# Lexiparc data tools - GPL-3.0-or-later
"""Reads a MyThes thesaurus (.dat) into one merged entry per headword."""

import re
import unicodedata
from collections import OrderedDict


def read_thesaurus(path):
    """Return an OrderedDict headword -> (list of POS labels in order of
    appearance, list of synonyms in order, without repeats)."""
    with open(path, "rb") as f:
        raw = f.read()
    lines = raw.split(b"\n")
    encoding = lines[0].strip().decode("ascii") or "UTF-8"
    text = [ln.decode(encoding).rstrip("\r") for ln in lines[1:]]
    entries = OrderedDict()
    i = 0
    while i < len(text):
        line = text[i]
        i += 1
        if not line.strip():
            continue
        head, _, count = line.rpartition("|")
        if not count.strip().isdigit():
            raise ValueError("%s: bad headword line %r" % (path, line))
        labels, syns = entries.setdefault(head, ([], []))
        for _ in range(int(count)):
            meaning = text[i].split("|")
            i += 1
            label = meaning[0].strip()
            if label.startswith("(") and label.endswith(")"):
                label = label[1:-1].strip()
            for word in label.split():
                if word not in labels:
                    labels.append(word)
            for s in meaning[1:]:
                if s not in syns:
                    syns.append(s)
    return entries


# Misspellings of the thesaurus, with their spelling (headwords and synonyms):
# the single-word synonyms that neither the spelling dictionary nor the
# thesaurus's headwords know, where the intended word is plain.
CORRECTIONS = {
    "anethésie": "anesthésie",
    "bordonnement": "bourdonnement",
    "boulverser": "bouleverser",
    "camouffler": "camoufler",
    "félinne": "féline",
    "ghesha": "geisha",
    "remou": "remous",
    "affbulation": "affabulation",
}
# Usage labels written inside a synonym: "gueule (familier)", "fric (argot)".
_USAGE_LABEL_RE = re.compile(
    r"\s*\((?:familier|argot|populaire|vulgaire|fam\.|pop\.|vieilli|littéraire)\)\s*$")
_LETTER_RE = re.compile(r"[^\W\d_]")
# Headwords of the thesaurus that were put in each other's records although
# they have nothing in common: each loses the others from its synonyms (and
# plier(se), tasser(se) and faire fléchir, which list nothing else, are
# left without a record).  Many groups of records list each other, rightly
# (abeille, apidé, bourdon...): only this one is wrong.
UNRELATED_GROUPS = [
    frozenset(["affaisser", "agissant", "boursicoteur", "conduire", "employer", "faire",
               "faire fléchir", "plier(se)", "tasser(se)"]),
]


def correct(text, stats):
    """A headword or synonym with the corrections above, its usage label
    removed; '' for a synonym without any letter ("?")."""
    if not _LETTER_RE.search(text):
        stats["synonym without a letter"] += 1
        return ""
    t = _USAGE_LABEL_RE.sub("", text)
    if t != text:
        stats["usage label removed"] += 1
    if t in CORRECTIONS:
        stats["misspelling corrected"] += 1
        t = CORRECTIONS[t]
    return t


# --------------------------------------------------------------------------
# Words that do not belong in a synonym list, judged against the spelling
# dictionary.
# --------------------------------------------------------------------------
# The letters of French spelling; any other letter (á, ñ, ß...) is a slip.
FRENCH_LETTERS = frozenset("abcdefghijklmnopqrstuvwxyzàâäçéèêëîïôöùûüÿæœ")
# The dictionary's tenses of a conjugated verb form (not the infinitive or
# a participle).
FINITE_TENSES = frozenset(["ipre", "iimp", "ipsi", "ifut", "cond", "spre", "simp", "impe"])
PROPER_NOUN_PO = frozenset(["npr", "prn", "patr", "titr"])
FINITE = "finite"   # the kind of a conjugated verb form
NAME = "name"       # the kind of a proper noun
_WORD_PARTS_RE = re.compile(r"[-'’]")
# "peu" written for "peau": the records of peau and écorce list it among
# the words for skin, and the record of peu lists those words.
MIXED_UP = {
    "peau": ["peu"],
    "écorce": ["peu"],
    "peu": ["peau", "écorce", "rognure"],
}


def _fold_letter(ch):
    """A letter without its diacritics (á -> a); other characters unchanged."""
    d = unicodedata.normalize("NFD", ch)
    return "".join(c for c in d if not unicodedata.combining(c)) or ch


class Lexicon:
    """What the spelling dictionary says of a written word: for every form
    it accepts, the kinds of its readings (the class codes of pos.py,
    FINITE for a conjugated verb form, NAME for a proper noun)."""

    def __init__(self, kinds):
        self._kinds = kinds        # form as written -> frozenset of kinds
        self._by_bare = None

    @classmethod
    def from_forms(cls, forms):
        """forms: iterable of (form, kind) pairs."""
        kinds = {}
        for form, kind in forms:
            kinds.setdefault(form, set()).add(kind)
        interned = {}
        return cls({f: interned.setdefault(frozenset(k), frozenset(k)) for f, k in kinds.items()})

    @classmethod
    def from_spelling_dictionary(cls, aff_path, dic_path):
        import affix
        import pos
        aff = affix.AffixFile(aff_path)

        def forms():
            for root in affix.read_dic(aff, dic_path):
                po = [m[3:] for m in root.morph if m.startswith("po:")]
                proper = bool(po) and all(p in PROPER_NOUN_PO for p in po)
                codes = set()
                for p in po:
                    codes |= pos.codes_of_po(p)
                elided = "'" in root.word
                for form in aff.expand(root):
                    if not elided and "'" in form.text:
                        continue      # l'arbre, d'abord: an article's elision
                    if proper:
                        yield form.text, NAME
                    elif "v" in codes and any(m[3:] in FINITE_TENSES for m in form.affix_morph
                                              if m.startswith("po:")):
                        yield form.text, FINITE
                        for c in codes - {"v"}:
                            yield form.text, c
                    else:
                        for c in codes or {"?"}:
                            yield form.text, c
        return cls.from_forms(forms())

    def kinds(self, word):
        return self._kinds.get(word, frozenset())

    def knows(self, word):
        """A common word of the dictionary (a proper noun is none)."""
        return bool(self.kinds(word) - {NAME})

    def classes(self, word):
        return {"v" if k == FINITE else k for k in self.kinds(word) if k != NAME}

    def with_accents(self, word):
        """The one common word that is `word` with accents added (abetissement
        -> abêtissement, anée -> ânée), or None."""
        if self._by_bare is None:
            self._by_bare = {}
            for w, k in self._kinds.items():
                if k - {NAME}:
                    self._by_bare.setdefault(_bare(w), []).append(w)
        found = [w for w in self._by_bare.get(_bare(word), [])
                 if w != word and len(w) == len(word)
                 and all(a == b or a == _fold_letter(b) for a, b in zip(word, w))]
        return found[0] if len(found) == 1 else None


def _bare(word):
    return "".join(_fold_letter(c) for c in word.lower())


def foreign_letters(text):
    return [c for c in text if c.isalpha() and c.lower() not in FRENCH_LETTERS]


def french_spelling(text, lexicon, known, stats):
    """A headword or synonym holding a letter outside French spelling
    ("ádoucir") is that word with the letter's accent removed, when the
    dictionary or the thesaurus knows it; else it is dropped ('')."""
    if not foreign_letters(text):
        return text
    fixed = "".join(_fold_letter(c) if c.isalpha() and c.lower() not in FRENCH_LETTERS else c
                    for c in text)
    if not foreign_letters(fixed) and (fixed in known or lexicon.knows(fixed)):
        stats["letter outside French spelling corrected"] += 1
        return fixed
    stats["letter outside French spelling, dropped"] += 1
    return ""


# Words that begin like a negative prefix without being the negation of the
# rest (immigration is no "not migration"); a verb never counts (implanter,
# informer, infléchir).
NOT_NEGATED = frozenset([
    "immigration", "impression", "inappréciable", "incitation", "inclinomètre",
    "incorporation", "influx", "informatif", "informative", "information", "innovateur",
    "innovatrice", "innovation", "insigne", "intendance", "intumescence", "inversion",
    "invocation", "irradiation", "mésaventure",
])
_NEGATIVE_RE = re.compile(r"^(?:in|im|il|ir|mal|dés|més)(.+)$")


def negated(word, lexicon):
    """The word that `word` negates with its prefix (improbité -> probité,
    malhonnêteté -> honnêteté), or None."""
    m = _NEGATIVE_RE.match(word)
    if not m or word in NOT_NEGATED:
        return None
    if word[:2] in ("in", "im", "il", "ir") and "v" in lexicon.classes(word):
        return None
    return m.group(1)


def antonyms_in(head, syns, records, lexicon):
    """The items of the record of `head` that are antonyms of it: an item
    that is the headword with a negative prefix, or the headword's word
    that the headword negates; of two items one of which negates the
    other, the one whose own record has less in common with the headword's
    record (the negating one when they tie)."""
    items = set(syns)
    out = set()
    base = negated(head, lexicon)
    if base in items:
        out.add(base)
    for x in syns:
        y = negated(x, lexicon)
        if y is None:
            continue
        if y == head:
            out.add(x)
        elif y in items:
            def closeness(w):
                own = set(records.get(w, ())) - {x, y}
                return len(items & own) + (head in own)
            out.add(y if closeness(y) < closeness(x) else x)
    return out


def known_word(word, lexicon, headwords):
    """A word that the dictionary (as a common word, in any case) or the
    thesaurus's headwords know; a phrase is not judged; a compound is known
    when each of its parts is (haut-fourneau, point-clé)."""
    if " " in word or word in headwords or lexicon.knows(word) or lexicon.knows(word.lower()):
        return True
    parts = [p for p in _WORD_PARTS_RE.split(word) if p]
    return len(parts) > 1 and all(known_word(p, lexicon, headwords) for p in parts)


def review(merged, lexicon, stats):
    """Removes from the merged records {headword: (labels, synonyms)} the
    synonyms that do not belong there, in place:
    - a word that neither the dictionary nor the headwords know (toggle,
      CFC, imposteuse, OpenOffice, which the dictionary knows only as a
      name), unless it is a known word with its accents missing
      (abetissement, anée), which it then becomes;
    - a conjugated verb form in the record of a word that never is one
      (creusent among clair, évident...), and in the record of a word that
      is only a conjugated form, the words that never are one (the record
      of creusent);
    - the mix-ups of MIXED_UP;
    - the antonyms of the headword (antonyms_in).
    The thesaurus's own headwords of another class than verb (toue, nota,
    rata) are words in their own right, never only verb forms."""
    heads = set(merged)
    as_word = {h for h, (labels, _) in merged.items() if any(lab != "Verbe" for lab in labels)}

    def verb_form_only(w):
        return lexicon.kinds(w) == {FINITE} and w not in as_word

    for h, (labels, syns) in merged.items():
        out = []
        for s in syns:
            if not known_word(s, lexicon, heads):
                fixed = lexicon.with_accents(s)
                if fixed is None:
                    stats["unknown word dropped"] += 1
                    continue
                stats["unknown word given its accents"] += 1
                s = fixed
            if s != h and s not in out:
                out.append(s)
        syns[:] = out
    for h, (labels, syns) in merged.items():
        if verb_form_only(h):
            keep = [s for s in syns if " " in s or FINITE in lexicon.kinds(s)
                    or not lexicon.knows(s)]
            stats["word in the record of a verb form"] += len(syns) - len(keep)
        elif FINITE not in lexicon.kinds(h):
            keep = [s for s in syns if not verb_form_only(s)]
            stats["verb form in the record of another word"] += len(syns) - len(keep)
        else:
            continue
        syns[:] = keep
    for h, wrong in MIXED_UP.items():
        if h in merged:
            syns = merged[h][1]
            stats["mixed-up word"] += sum(1 for s in syns if s in wrong)
            syns[:] = [s for s in syns if s not in wrong]
    records = {h: syns for h, (_, syns) in merged.items()}
    drops = {h: antonyms_in(h, syns, records, lexicon) for h, syns in records.items()}
    for h, gone in drops.items():
        if gone:
            stats["antonym dropped"] += len(gone)
            records[h][:] = [s for s in records[h] if s not in gone]
