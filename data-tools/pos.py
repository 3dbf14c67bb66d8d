# Lexiparc data tools - GPL-3.0-or-later
"""Part-of-speech codes: from the spelling dictionary's po: fields and from
the thesaurus labels to the abbreviations that the program knows."""

# Abbreviations understood by the dictionary window, in its table order.
DICTIONARY_ABBREVIATIONS = [
    "adj", "adj adv", "adj interj", "adj interj n", "adj n", "adj n v",
    "adj prép", "adj pron", "adj v", "adv", "adv conj", "adv loc", "adv n",
    "adv prép", "adv pron", "adv v", "art", "conj", "conj n", "interj",
    "interj n", "loc", "loc adv", "n", "n conj", "n préf", "n prép", "n pron",
    "n suff", "n v", "onomat", "préf", "prép", "pron", "v",
]

# Codes understood by the synonym window, in its table order.
SYNONYM_CODES = [
    "adj", "adj adv", "adj interj", "adj interj n", "adj n", "adj n v",
    "adj prép", "adj pron", "adj v", "adv", "adv conj", "adv loc", "adv n",
    "adv prép", "adv pron", "adv v", "art", "conj", "conj n", "expr",
    "interj", "interj n", "loc", "n", "n adv", "n préf", "n prép", "n prép v",
    "n pron", "n v", "préf", "prép", "pron", "v",
]

# Order of single codes inside a combination (that of the tables above).
CODE_ORDER = ["adj", "adv", "art", "conj", "expr", "interj", "loc", "n",
              "onomat", "préf", "prép", "pron", "suff", "v"]

# How much a class weighs when a combination has no row of its own and the
# nearest row must keep the most telling classes.
_WEIGHT = {"n": 9, "v": 8, "adj": 7, "adv": 6, "pron": 5, "prép": 4,
           "conj": 4, "interj": 3, "art": 3, "préf": 2, "loc": 2,
           "suff": 1, "onomat": 1, "expr": 1}

_VERB_FORMS = {"infi", "ppre", "ppas", "ipre", "iimp", "ipsi", "ifut",
               "cond", "spre", "simp", "impe"}


def codes_of_po(po):
    """Codes for one po: value of the spelling dictionary (a set, maybe
    empty when the value says nothing about the class)."""
    if po.startswith("loc."):
        inner = codes_of_po(po[4:])
        return {"loc"} | inner
    if po == "nom" or po in ("npr", "prn", "patr", "titr"):
        return {"n"}
    if po == "adj" or po in ("nb", "nbro", "detpos", "detind", "detdem",
                             "detneg", "detex", "detint"):
        return {"adj"}
    if (po.startswith("v") and po[1:2].isdigit()) or po in _VERB_FORMS or po == "verb":
        return {"v"}
    if po in ("adv", "negadv", "advint"):
        return {"adv"}
    if po == "interj":
        return {"interj"}
    if po in ("prep", "prepv"):
        return {"prép"}
    if po.startswith("pro") or po in ("1pe", "2pe", "3pe"):
        return {"pron"}
    if po == "det":
        return {"art"}
    if po in ("cjco", "cjsub", "cj"):
        return {"conj"}
    if po == "pfx":
        return {"préf"}
    if po == "sfx":
        return {"suff"}
    return set()


# Thesaurus labels -> code.  Labels not listed (such as "?") give none.
THESAURUS_LABELS = {
    "nom": "n", "verbe": "v", "adjectif": "adj", "adverbe": "adv",
    "interjection": "interj", "pronom": "pron", "preposition": "prép",
    "préposition": "prép", "conjonction": "conj", "determinant": "adj",
    "déterminant": "adj", "nombre": "adj", "article": "art",
    "locution": "loc", "expression": "expr", "prefixe": "préf",
    "préfixe": "préf",
}


def combine(codes):
    """The codes of a set, separated by blanks, in table order."""
    return " ".join(c for c in CODE_ORDER if c in codes)


def _row_sets(rows):
    return [(r, set(r.split())) for r in rows]


_DICT_ROWS = _row_sets(DICTIONARY_ABBREVIATIONS)
_SYN_ROWS = _row_sets(SYNONYM_CODES)


def _match(codes, rows, nearest):
    if not codes:
        return ""
    for r, s in rows:
        if s == codes:
            return r
    if not nearest:
        return combine(codes)
    best, best_key = "", None
    for i, (r, s) in enumerate(rows):
        common = s & codes
        if not common:
            continue
        key = (len(common), -len(s - codes), sum(_WEIGHT[c] for c in common), -i)
        if best_key is None or key > best_key:
            best, best_key = r, key
    return best


def dictionary_abbreviation(codes):
    """The row of the dictionary window's table for a set of codes; a set
    with no row of its own takes the nearest row (most classes in common,
    fewest classes added, heaviest classes kept)."""
    return _match(set(codes), _DICT_ROWS, nearest=True)


def synonym_codes(codes):
    """The code string of a synonym record: the table row for the set, or
    the nearest row when the set has none (the window names only rows)."""
    return _match(set(codes), _SYN_ROWS, nearest=True)
