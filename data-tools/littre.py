# Lexiparc data tools - GPL-3.0-or-later
"""Reads the StarDict edition of the Littré and extracts, for each
headword, the first sense as one line of plain text."""

import gzip
import html
import re
import struct

from textutil import fold_accents

MAX_DEF = 400

_HEADER_RE = re.compile(r"^\s*<i><small>(.*?)</small></i>", re.S)
_SECTION_RE = re.compile(r"<b><big>")
_SENSE_RE = re.compile(r"<b>\s*(\d+)°\s*</b>")
# A quotation: the quoted text, then the author and the work, each in a span.
_CITATION_RE = re.compile(
    r'<span foreground="#0000CD">.*?</span>(?:\s*,\s*<span foreground="[^"]*">.*?</span>)*\s*\.?',
    re.S)
_TAG_RE = re.compile(r"<[^>]+>")
_HOMONYM_RE = re.compile(r"(\.\d+)+$")


def read_entries(idx_path, dict_path, with_offsets=False):
    """Yield (headword, raw entry text) in index order; with_offsets adds
    the entry's (offset, size), shared by a headword and its aliases."""
    with open(idx_path, "rb") as f:
        idx = f.read()
    with gzip.open(dict_path, "rb") as f:   # dictzip is gzip-compatible
        data = f.read()
    p = 0
    while p < len(idx):
        e = idx.index(b"\0", p)
        word = idx[p:e].decode("utf-8")
        off, size = struct.unpack(">II", idx[e + 1:e + 9])
        p = e + 9
        text = data[off:off + size].decode("utf-8")
        yield (word, text, (off, size)) if with_offsets else (word, text)


def headword_key(headword, max_len=15):
    """'SINGULIER, IÈRE' -> ('singulier', 'SINGULIER'); None when the
    headword is not a single word of 2 to max_len letters (any length
    from 2 when max_len is None)."""
    h = _HOMONYM_RE.sub("", headword.strip())
    h = h.split(",", 1)[0]
    h = re.sub(r"\([^)]*\)", "", h).strip()
    key = fold_accents(h).upper()
    if not re.fullmatch(r"[A-Z]{2,%s}" % ("" if max_len is None else max_len), key):
        return None
    return h.lower(), key


def _plain(text):
    text = _CITATION_RE.sub(" ", text)
    text = _TAG_RE.sub(" ", text)
    text = html.unescape(text)
    return text


def _shorten(text, limit=MAX_DEF):
    if len(text) <= limit:
        return text
    cut = text[:limit]
    m = None
    for m in re.finditer(r"[.;!?](?=\s)", cut):
        pass
    if m is not None and m.end() >= limit // 4:
        return cut[:m.end()].rstrip()
    sp = cut.rfind(" ")
    return (cut[:sp] if sp > limit // 2 else cut).rstrip(" ,;:") + "\u2026"


def first_sense(entry):
    """The first sense of an entry, plain text on one line ('' if none)."""
    m = _HEADER_RE.match(entry)
    body = entry[m.end():] if m else entry
    parts = _SECTION_RE.split(body, 1)
    main = parts[0]
    if not _plain(main).strip() and len(parts) > 1:
        # Entries of the supplement only: take the text after its title.
        sup = parts[1]
        sup = re.sub(r"^.*?</big></b>", "", sup, count=1, flags=re.S)
        main = _SECTION_RE.split(sup, 1)[0]
        main = re.sub(r"^\s*[A-ZÀ-Ý' -]+\.\s*Ajoutez\s*:?", "", main.strip())
    senses = list(_SENSE_RE.finditer(main))
    if senses:
        start = senses[0].end()
        end = senses[1].start() if len(senses) > 1 else len(main)
        main = main[start:end]
    # The first line that holds text is the definition proper; the lines
    # that follow are examples, quotations and secondary uses.
    lines = [ln for ln in (_plain(x).strip() for x in main.split("\n")) if ln]
    if not lines:
        return ""
    text = re.sub(r"\s+", " ", lines[0]).strip()
    return _shorten(text)


def grammar_label(entry):
    m = _HEADER_RE.match(entry)
    return re.sub(r"\s+", " ", _TAG_RE.sub("", m.group(1))).strip() if m else ""
