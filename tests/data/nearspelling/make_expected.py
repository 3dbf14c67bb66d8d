#!/usr/bin/env python3
# Lexiparc — GPL-3.0-or-later.
# Writes the expected near-spelling tables of the fixture list, apart from the program's code:
# the score is the ratio of Python's difflib.SequenceMatcher (the same sequence of longest
# common blocks, first in the list word, then in the typed word).
# Usage: make_expected.py WORD THRESHOLD PLUSMINUS(0|1) > WORD-THRESHOLD-PLUSMINUS.txt
import difflib
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
words = open(os.path.join(here, "mots.txt"), "rb").read().decode("cp1252").split("\r\n")
typed, threshold, plusminus = sys.argv[1], int(sys.argv[2]), sys.argv[3] == "1"
word = typed.upper()
rows = ["Solutions:      L:  %"]
for w in words:
    if len(w) == len(typed) or (plusminus and abs(len(w) - len(typed)) == 1):
        if w == word:
            pct = "100%"
        else:
            m = sum(b.size for b in difflib.SequenceMatcher(None, w, word, autojunk=False).get_matching_blocks())
            n = len(w) + len(word)
            if 200 * m < threshold * n:
                continue
            pct = "%2d%%" % (200 * m // n)
        rows.append("%-15s %2d %s" % (w, len(w), pct))
print("\n".join(rows))
print("%d solutions trouvées." % (len(rows) - 1))
