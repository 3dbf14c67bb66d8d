# Lexiparc data tools - GPL-3.0-or-later
"""A small Hunspell affix expander.

It reads an .aff/.dic pair and yields every surface form that the
dictionary accepts, with the morphological fields of the root.  It covers
what the French dictionary uses: FLAG long (two-character flags), prefixes
and suffixes with conditions, cross products, continuation classes on
both kinds of affix (a suffix may bring prefix flags, a prefix may bring
suffix flags), NEEDAFFIX on roots and on affixes, KEEPCASE and
FORBIDDENWORD.  Twofold suffixes (a suffix that allows a further suffix)
are refused: the French dictionary has none, and the expander says so
rather than guess.
"""

import re
from dataclasses import dataclass, field


@dataclass
class AffixEntry:
    kind: str          # "PFX" or "SFX"
    flag: str
    cross: bool
    strip: str
    add: str
    cont: frozenset    # continuation flags
    cond: object       # compiled regex, or None when the condition is "."
    morph: tuple

    def applies(self, word):
        if self.kind == "SFX":
            if self.strip and not word.endswith(self.strip):
                return False
        else:
            if self.strip and not word.startswith(self.strip):
                return False
        return self.cond is None or self.cond.search(word) is not None

    def apply(self, word):
        if self.kind == "SFX":
            base = word[: len(word) - len(self.strip)] if self.strip else word
            return base + self.add
        return self.add + word[len(self.strip):]


@dataclass
class Root:
    word: str
    flags: frozenset
    morph: tuple
    line: int


@dataclass
class Form:
    """One generated surface form."""
    text: str
    root: Root
    lemma: str           # the root, or the prefixed root for a prefixed form
    affix_morph: tuple = field(default_factory=tuple)


def _split_flags(text, mode):
    if not text:
        return []
    if mode == "long":
        if len(text) % 2:
            raise ValueError("odd flag string: %r" % text)
        return [text[i:i + 2] for i in range(0, len(text), 2)]
    if mode == "num":
        return text.split(",")
    return list(text)


def _compile_condition(cond, kind):
    if cond == ".":
        return None
    parts = []
    i = 0
    while i < len(cond):
        c = cond[i]
        if c == "[":
            j = cond.index("]", i)
            body = cond[i + 1:j]
            neg = body.startswith("^")
            if neg:
                body = body[1:]
            parts.append("[" + ("^" if neg else "") +
                         "".join(re.escape(ch) for ch in body) + "]")
            i = j + 1
        elif c == ".":
            parts.append(".")
            i += 1
        else:
            parts.append(re.escape(c))
            i += 1
    pattern = "".join(parts)
    return re.compile(("^" + pattern) if kind == "PFX" else (pattern + "$"))


class AffixFile:
    def __init__(self, aff_path):
        self.flag_mode = "char"
        self.needaffix = None
        self.keepcase = None
        self.forbidden = None
        self.circumfix = None
        self.prefixes = {}   # flag -> [AffixEntry]
        self.suffixes = {}
        self._read(aff_path)

    def _read(self, path):
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        headers = {}
        for raw in lines:
            line = raw.split("#", 1)[0].rstrip() if raw.startswith("#") else raw.rstrip()
            if not line:
                continue
            t = line.split()
            key = t[0]
            if key == "FLAG":
                self.flag_mode = t[1]
            elif key == "NEEDAFFIX":
                self.needaffix = t[1]
            elif key == "KEEPCASE":
                self.keepcase = t[1]
            elif key == "FORBIDDENWORD":
                self.forbidden = t[1]
            elif key == "CIRCUMFIX":
                self.circumfix = t[1]
            elif key in ("PFX", "SFX"):
                flag = t[1]
                table = self.prefixes if key == "PFX" else self.suffixes
                if flag not in headers.setdefault(key, {}):
                    # header line: PFX flag Y|N count
                    headers[key][flag] = t[2] == "Y"
                    table.setdefault(flag, [])
                    continue
                strip = "" if t[2] == "0" else t[2]
                add_field = t[3]
                if "/" in add_field:
                    add, cont = add_field.split("/", 1)
                else:
                    add, cont = add_field, ""
                add = "" if add == "0" else add
                cond = t[4] if len(t) > 4 else "."
                morph = tuple(t[5:])
                table[flag].append(AffixEntry(
                    key, flag, headers[key][flag], strip, add,
                    frozenset(_split_flags(cont, self.flag_mode)),
                    _compile_condition(cond, key), morph))
        for entries in self.suffixes.values():
            for e in entries:
                if any(c in self.suffixes for c in e.cont):
                    raise NotImplementedError(
                        "twofold suffix %s %s: not supported" % (e.flag, e.add))

    def parse_dic_line(self, line, number):
        """A .dic line -> Root (None for a blank line)."""
        line = line.rstrip("\r\n")
        if not line.strip():
            return None
        # The word ends at the first unescaped "/" or at the first blank/tab.
        fields = re.split(r"[ \t]+", line.strip())
        head, morph = fields[0], tuple(fields[1:])
        word, flags = head, ""
        m = re.match(r"^((?:\\/|[^/])+)(?:/(.*))?$", head)
        if m:
            word = m.group(1).replace("\\/", "/")
            flags = m.group(2) or ""
        return Root(word, frozenset(_split_flags(flags, self.flag_mode)), morph, number)

    def expand(self, root):
        """Yield every Form that the root produces."""
        if self.forbidden and self.forbidden in root.flags:
            return
        flags = root.flags
        root_needs = self.needaffix is not None and self.needaffix in flags
        na = self.needaffix
        if not root_needs:
            yield Form(root.word, root, root.word)
        # Suffixes named on the root, then prefixes on their results.
        for sflag in sorted(f for f in flags if f in self.suffixes):
            for s in self.suffixes[sflag]:
                if not s.applies(root.word):
                    continue
                sw = s.apply(root.word)
                if not (na and na in s.cont):
                    yield Form(sw, root, root.word, s.morph)
                if not s.cross:
                    continue
                pflags = {f for f in flags | s.cont if f in self.prefixes}
                for pflag in sorted(pflags):
                    for p in self.prefixes[pflag]:
                        if not p.cross or not p.applies(sw):
                            continue
                        if na and na in p.cont and na in s.cont:
                            continue
                        lemma = p.apply(root.word) if p.applies(root.word) else root.word
                        yield Form(p.apply(sw), root, lemma, s.morph + p.morph)
        # Prefixes named on the root, then the suffixes that they bring.
        for pflag in sorted(f for f in flags if f in self.prefixes):
            for p in self.prefixes[pflag]:
                if not p.applies(root.word):
                    continue
                pw = p.apply(root.word)
                if not (na and na in p.cont):
                    yield Form(pw, root, pw, p.morph)
                if not p.cross:
                    continue
                # Suffixes on the root were combined above; here only those
                # that the prefix itself brings and the root lacks.
                for sflag in sorted(f for f in p.cont if f in self.suffixes and f not in flags):
                    for s in self.suffixes[sflag]:
                        if not s.cross or not s.applies(root.word):
                            continue
                        sw = s.apply(root.word)
                        if not p.applies(sw):
                            continue
                        if na and na in s.cont:
                            continue
                        yield Form(p.apply(sw), root, pw, s.morph + p.morph)


def read_dic(aff, dic_path):
    with open(dic_path, encoding="utf-8") as f:
        first = f.readline()
        if not first.strip().isdigit():
            raise ValueError("%s: first line is not a count" % dic_path)
        for number, line in enumerate(f, start=2):
            root = aff.parse_dic_line(line, number)
            if root is not None:
                yield root
