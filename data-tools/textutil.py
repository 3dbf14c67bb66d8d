# Lexiparc data tools - GPL-3.0-or-later
"""Text helpers shared by the word-data generator: accent folding,
Windows-1252 transliteration and record writing."""

import re
import unicodedata

# Letters that do not decompose under NFKD but have a plain spelling.
_LIGATURES = {
    "œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE", "ß": "ss", "ø": "o", "Ø": "O",
    "đ": "d", "Đ": "D", "ł": "l", "Ł": "L", "ı": "i", "ſ": "s", "þ": "th",
    "Þ": "TH", "ð": "d", "Ð": "D", "ħ": "h",
}


def fold_accents(text):
    """Remove every diacritic and spell ligatures out (œ -> oe)."""
    out = []
    for ch in text:
        if ch in _LIGATURES:
            out.append(_LIGATURES[ch])
            continue
        d = unicodedata.normalize("NFKD", ch)
        out.append("".join(c for c in d if not unicodedata.combining(c)))
    return "".join(out)


WORD_RE = re.compile(r"^[A-Z]{2,15}$")


def _plain_letter(ch):
    """A letter that is not a compatibility form (superscript ᵉ, ʳ...)."""
    return ch.isalpha() and not unicodedata.decomposition(ch).startswith("<")


def dico_form(text):
    """The dictionary spelling of a lower-case form, or None when the form
    has a capital, holds anything but plain letters (a superscript, as in
    the ordinal xixᵉ, a digit, a hyphen...) or does not fold to 2 to 15
    letters A to Z."""
    if any(ch.isupper() or not _plain_letter(ch) for ch in text):
        return None
    w = fold_accents(text).upper()
    return w if WORD_RE.match(w) else None


# Typographic signs outside Windows-1252 and their plain replacements.
_TRANSLIT = {
    "\u2010": "-", "\u2011": "-", "\u2012": "-", "\u2015": "-", "\u2212": "-",
    "\u2032": "'", "\u2033": "\"", "\u2044": "/", "\u2190": "<-", "\u2192": "->",
    "\u2264": "<=", "\u2265": ">=", "\u2260": "!=", "\u221e": "infini",
    "\u00a0": " ", "\u2009": " ", "\u202f": " ", "\u2002": " ", "\u2003": " ",
    "\u200b": "", "\ufeff": "", "\u02bc": "\u2019", "\u02b9": "'",
}
# Greek letters, spelled the usual way.
_GREEK = dict(zip(
    "αβγδεζηθικλμνξοπρσςτυφχψω",
    ["a", "b", "g", "d", "e", "z", "ê", "th", "i", "k", "l", "m", "n", "x",
     "o", "p", "r", "s", "s", "t", "u", "ph", "ch", "ps", "ô"]))
_GREEK.update({k.upper() if k != "ς" else k: v.capitalize()
               for k, v in _GREEK.items() if k != "ς"})


def _fits_1252(ch):
    try:
        ch.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def to_cp1252_text(text):
    """Text that encodes in Windows-1252: characters outside it are
    transliterated (small table, Greek table, then NFKD without combining
    marks) or dropped.  Never produces a '?' of its own."""
    out = []
    for ch in text:
        if _fits_1252(ch):
            out.append(ch)
            continue
        if ch in _TRANSLIT:
            out.append(_TRANSLIT[ch])
            continue
        base = unicodedata.normalize("NFD", ch)
        base = "".join(c for c in base if not unicodedata.combining(c))
        if base in _GREEK:
            out.append(_GREEK[base])
            continue
        if ch in _LIGATURES and _fits_1252(_LIGATURES[ch]):
            out.append(_LIGATURES[ch])
            continue
        d = unicodedata.normalize("NFKD", ch)
        d = "".join(c for c in d if not unicodedata.combining(c))
        if d and all(_fits_1252(c) for c in d):
            out.append(d)
        # anything else is dropped
    return "".join(out)


def write_records(path, records):
    """Write records as Windows-1252 separated by CR LF, with no line end
    after the last one and no padding."""
    data = "\r\n".join(records).encode("cp1252")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


def sort_key_synonym(headword):
    """The order of synonym headwords inside one letter's file: accents,
    case, hyphens and apostrophes ignored, blanks significant; ties broken
    by the Windows-1252 bytes of the headword."""
    k = fold_accents(headword).lower()
    k = k.replace("-", "").replace("'", "").replace("\u2019", "")
    return (k, headword.encode("cp1252"))
