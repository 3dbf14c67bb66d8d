#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Invariant checks of the shipped word data.  Run alone
(python3 data-tools/check_words.py) or at the end of build_words.py.
Exit status 0 when every check holds."""

import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from pos import DICTIONARY_ABBREVIATIONS  # noqa: E402

WORD_RE = re.compile(r"^[A-Z]{2,15}$")
KEY_LINE_RE = re.compile(r"^([1-9][0-9]*) (=.*)$")
DEF_FILE = "definitions1.20.ret"
LETTERS = [chr(c) for c in range(ord("A"), ord("Z") + 1)]
MAX_HEADWORD = 29
TABLE_CAPACITY = 4300


def read_records(path, problems):
    data = path.read_bytes()
    name = path.name
    if data.endswith(b"\r\n"):
        problems.append("%s ends with CR LF" % name)
    if b"\0" in data:
        problems.append("%s holds NUL bytes" % name)
    text = data.decode("cp1252")   # fails loudly on a byte outside the code page
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        problems.append("%s has a lone CR or LF" % name)
    return text.split("\r\n") if text else []


def check_lists(repo, problems):
    data = repo / "resources" / "data"
    dico = read_records(data / "DICO", problems)
    for i, w in enumerate(dico):
        if not WORD_RE.match(w):
            problems.append("DICO record %d %r is not 2-15 letters A-Z" % (i + 1, w))
        if i and not dico[i - 1] < w:
            problems.append("DICO not strictly ascending at record %d %r" % (i + 1, w))
    ana = read_records(data / "ANA", problems)
    expected = sorted((w for w in dico if len(w) <= 12), key=lambda w: (len(w), w))
    if ana != expected:
        problems.append("ANA is not the 2-12 letter DICO words by length then code")
    return dico, ana


def check_synonyms(repo, problems):
    data = repo / "resources" / "data"
    counts = {}
    from textutil import fold_accents, sort_key_synonym
    for L in LETTERS:
        recs = read_records(data / ("SYNONY" + L), problems)
        counts[L] = len(recs)
        if len(recs) > TABLE_CAPACITY:
            problems.append("SYNONY%s has %d records, over %d" % (L, len(recs), TABLE_CAPACITY))
        keys = []
        for r in recs:
            if r.count("§") != 1 or r.count("$") != 1 or r.index("§") > r.index("$"):
                problems.append("SYNONY%s record %r: not one § then one $" % (L, r))
                continue
            head, rest = r.split("§")
            codes, syns = rest.split("$")
            if not head or len(head) > MAX_HEADWORD or head != head.strip():
                problems.append("SYNONY%s headword %r empty, blank-edged or too long" % (L, head))
            if fold_accents(head[:1]).upper()[:1] != L:
                problems.append("SYNONY%s headword %r in the wrong file" % (L, head))
            if codes and (codes != codes.strip() or "  " in codes):
                problems.append("SYNONY%s %r: codes not single-blank separated" % (L, head))
            items = syns.split("\\")
            if not syns or any(not s for s in items):
                problems.append("SYNONY%s %r: empty synonym" % (L, head))
            if len(set(items)) != len(items):
                problems.append("SYNONY%s %r: repeated synonym" % (L, head))
            keys.append(sort_key_synonym(head))
        if keys != sorted(keys):
            problems.append("SYNONY%s is not in headword order" % L)
        if len(set(k[1] for k in keys)) != len(keys):
            problems.append("SYNONY%s has a headword twice" % L)
    return counts


def parse_value(value):
    """Split a definitions value as the dictionary window does; return
    (marker, abbreviation, definition) or None for "= x§EXISTE"; raise
    ValueError when the window would fail on it."""
    if value == "= x§EXISTE":
        return None
    if not value.startswith("= "):
        raise ValueError("no '= ' at the start")
    if "£" not in value or "§" not in value:
        raise ValueError("no £ or no §")
    marker = value[:value.index("£")][2:]
    before = value[:value.index("§")][2:]
    if "£" not in before:
        raise ValueError("§ before £")
    abbr = before[before.index("£") + 1:]
    definition = value[value.index("§") + 1:]
    return marker, abbr, definition


def check_definitions(repo, dico, problems):
    lines = read_records(repo / "resources" / DEF_FILE, problems)
    if not lines or lines[0] != "[Cont]":
        problems.append("definitions: first line is not [Cont]")
        return {}
    if len(lines) - 1 != len(dico):
        problems.append("definitions: %d lines for %d words" % (len(lines) - 1, len(dico)))
    position = {w: i + 1 for i, w in enumerate(dico)}
    stats = {"own": 0, "crossref": 0, "empty": 0, "exists": 0, "NOT": 0}
    abbrs = set(DICTIONARY_ABBREVIATIONS)
    for n, line in enumerate(lines[1:], start=1):
        m = KEY_LINE_RE.match(line)
        if not m or int(m.group(1)) != n:
            problems.append("definitions line %d: bad key line %r" % (n, line[:60]))
            continue
        value = m.group(2)
        if value != value.strip():
            problems.append("definitions key %d: blanks around the value" % n)
        try:
            parts = parse_value(value)
        except ValueError as e:
            problems.append("definitions key %d: %s" % (n, e))
            continue
        if parts is None:
            stats["exists"] += 1
            continue
        marker, abbr, definition = parts
        if marker not in ("", "NOT"):
            problems.append("definitions key %d: marker %r" % (n, marker))
        if marker == "NOT":
            stats["NOT"] += 1
        if abbr and abbr not in abbrs:
            problems.append("definitions key %d: unknown abbreviation %r" % (n, abbr))
        if "£" in definition or "§" in definition:
            problems.append("definitions key %d: £ or § inside the definition" % n)
        if not marker and not abbr and not definition:
            problems.append("definitions key %d: empty value instead of x§EXISTE" % n)
        if not definition:
            stats["empty"] += 1
        elif "Voir " in definition and len(definition) < 22:
            t = re.fullmatch(r"Voir ([A-Z]+)\.", definition)
            if not t or t.group(1) not in position:
                problems.append("definitions key %d: short %r is not a reference to a word"
                                % (n, definition))
            else:
                stats["crossref"] += 1
                target = lines[position[t.group(1)]].split(" ", 1)[1]
                tparts = parse_value(target)
                if tparts is None or not tparts[2] or (
                        "Voir " in tparts[2] and len(tparts[2]) < 22):
                    problems.append("definitions key %d: %s has no definition of its own"
                                    % (n, t.group(1)))
        else:
            stats["own"] += 1
    return stats


def check_counts_header(repo, dico, ana, syn_counts, def_stats, problems):
    text = (repo / "src" / "data" / "DataCounts.h").read_text(encoding="ascii")

    def value(name):
        m = re.search(r"\b%s\s*=\s*\{?([^;}]*)\}?;" % name, text)
        if not m:
            problems.append("DataCounts.h: no %s" % name)
            return None
        return [int(x) for x in m.group(1).split(",")]

    def expect(name, wanted):
        got = value(name)
        if got is not None and got != wanted:
            problems.append("DataCounts.h: %s is %s, data says %s" % (name, got, wanted))

    expect("kNbMots", [len(dico)])
    expect("kNbSynonymes", [sum(syn_counts.values())])
    expect("kNbSyno", [syn_counts[L] for L in LETTERS])
    if def_stats:
        expect("kNbDefinitions", [def_stats["own"]])
    start, end = [-1] * 13, [-1] * 13
    for i, w in enumerate(ana):
        if start[len(w)] < 0:
            start[len(w)] = i
        end[len(w)] = i
    expect("kAnaDebut", start)
    expect("kAnaFin", end)


def check_all(repo):
    repo = Path(repo)
    problems = []
    dico, ana = check_lists(repo, problems)
    syn_counts = check_synonyms(repo, problems)
    def_stats = check_definitions(repo, dico, problems)
    check_counts_header(repo, dico, ana, syn_counts, def_stats, problems)
    return problems


def main():
    repo = Path(sys.argv[1]) if len(sys.argv) > 1 else HERE.parent
    problems = check_all(repo)
    for p in problems[:200]:
        print("FAIL:", p)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
