# Lexiparc data tools - GPL-3.0-or-later
"""Reads a MyThes thesaurus (.dat) into one merged entry per headword."""

import re
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
