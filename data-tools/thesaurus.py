# Lexiparc data tools - GPL-3.0-or-later
"""Reads a MyThes thesaurus (.dat) into one merged entry per headword."""

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
