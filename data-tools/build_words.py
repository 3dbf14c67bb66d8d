#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Builds Lexiparc's word data from open Debian packages.

Writes, relative to the repository root:
  resources/data/DICO, resources/data/ANA, resources/data/SYNONYA..SYNONYZ,
  resources/definitions1.20.ret, src/data/DataCounts.h,
and the source versions into NOTICE.md.  Run: python3 data-tools/build_words.py
"""

import argparse
import bisect
import re
import sys
import time
import unicodedata
from collections import Counter
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import affix          # noqa: E402
import check_words    # noqa: E402
import littre         # noqa: E402
import pos            # noqa: E402
import sources        # noqa: E402
import thesaurus      # noqa: E402
from textutil import (dico_form, fold_accents, sort_key_synonym,  # noqa: E402
                      to_cp1252_text, write_records)

DEF_FILE = "definitions1.20.ret"
SECTION = "Cont"
MAX_HEADWORD = 29
SYN_IN_DEF = 6        # synonyms quoted in a "Synonymes : " definition
CROSS_REF_LIMIT = 22  # a definition shorter than this with "Voir " is a reference
NOT_ADMITTED_PO = {"err", "sfx", "pfx", "sign", "ponc"}
# Classes of a root that may be an abbreviation (janv, étym, litt, av, vs).
ABBREVIATION_PO = {"nom", "adv", "prep", "mg"}
VOWELS = set("aeiouyàâäéèêëîïôöùûüÿœæ")
LETTERS = [chr(c) for c in range(ord("A"), ord("Z") + 1)]


class WordInfo:
    __slots__ = ("admitted", "codes", "not_codes", "lemmas", "surfaces", "is_lemma",
                 "not_reasons")

    def __init__(self):
        self.admitted = False
        self.not_reasons = set()
        self.codes = set()
        self.not_codes = set()
        self.lemmas = {}       # lemma spelling (folded) -> first root line
        self.surfaces = set()  # the forms as the spelling dictionary writes them
        self.is_lemma = False


def is_error_form(root):
    """A root that the dictionary marks as an error form (po:err): the
    elided qu', jusqu', lorsqu'... written without their apostrophe."""
    return "po:err" in root.morph


class AbbreviationFinder:
    """Abbreviations of the spelling dictionary.  It writes them without
    their final period (janv, étym, litt, av, vs) and marks them only by
    their fields: a noun, adverb or preposition that never inflects (a
    noun is "is:inv", no suffix flag), 2 to 5 letters.  Among those, an
    abbreviation is a spelling that the Littré and the thesaurus do not
    know as a word, and that has no vowel (vs, ln) or ends with a consonant
    and begins a longer word of the dictionary (janv-ier, étym-ologie)."""

    def __init__(self, aff, roots, known_words):
        self.suffix_flags = set(aff.suffixes)
        self.known = known_words
        self.spellings = sorted({r.word for r in roots})

    def _begins_longer(self, w):
        i = bisect.bisect_right(self.spellings, w)
        while i < len(self.spellings) and self.spellings[i].startswith(w):
            if len(self.spellings[i]) >= len(w) + 2:
                return True
            i += 1
        return False

    def __call__(self, root):
        w = root.word
        if not re.fullmatch(r"[a-zà-ÿœæ]{2,5}", w):
            return False
        po = [m[3:] for m in root.morph if m.startswith("po:")]
        if not po or not set(po) <= ABBREVIATION_PO:
            return False
        if fold_accents(w).upper() in self.known:
            return False
        if not (VOWELS | {"w"}) & set(w):
            return True      # pt, even with a plural (pts); crwth is a word
        if root.flags & self.suffix_flags or ("nom" in po and "is:inv" not in root.morph):
            return False
        if not VOWELS & set(w):
            return True
        return w[-1] not in VOWELS and w[-1] not in "sxz" and self._begins_longer(w)


def not_admitted_reason(aff, root, is_abbreviation=lambda root: False):
    """None for a root whose forms are admitted words; "symbol" for units,
    symbols, letter names and prefixes; "abbreviation"; "locution" for a
    fragment that only occurs inside a locution (ab, cf, abrupto, catimini)."""
    if aff.keepcase and aff.keepcase in root.flags:
        return "symbol"
    if len(root.word) == 1:
        return "symbol"              # the letter æ, folded to AE
    pos_values = [m[3:] for m in root.morph if m.startswith("po:")]
    if pos_values and all(p.startswith("loc.") or p in NOT_ADMITTED_PO for p in pos_values):
        return "locution" if any(p.startswith("loc.") for p in pos_values) else "symbol"
    if is_abbreviation(root):
        return "abbreviation"
    return None


def thesaurus_words(entries):
    """Folded single words that the thesaurus uses as words: its headwords
    and their synonyms, except those only labelled as abbreviations (cf)."""
    out, abbreviations = set(), set()
    for head, (labels, syns) in entries.items():
        terms = [head] + list(syns)
        if labels and all(lab.lower().startswith("abr") for lab in labels):
            abbreviations.update(terms)        # cf: confer, voir
            continue
        for t in terms:
            k = fold_accents(t.strip()).upper()
            if t == t.lower() and re.fullmatch(r"[A-Z]{2,15}", k):
                out.add(k)
    return out - {fold_accents(t).upper() for t in abbreviations}


def admit_known_fragments(words, roots, littre_keys, thes_words, log):
    """Locution fragments and symbols that are words of the language: a
    fragment or symbol that the thesaurus uses as a word (perpète, traviole,
    in, ko), a fragment also written as a hyphenated locution of words
    (tire-larigot), and a fragment that sounds as one admitted (perpette
    beside perpète).  Latin fragments (ab, cf, hoc) are none of these."""
    moved = Counter()

    def admit(w, why):
        info = words[w]
        info.admitted = True
        info.codes = info.not_codes
        moved[why] += 1
        log("  admitted by %s: %s" % (why, w))

    plain = {r.word for r in roots if not any(m.startswith("po:loc") for m in r.morph)}
    joined = {}
    for r in roots:
        if "-" in r.word and all(m.startswith("po:loc") for m in r.morph if m.startswith("po:")):
            if all(part in plain for part in r.word.split("-")):
                joined[dico_form(r.word.replace("-", ""))] = r.word
    # The Littré's own words are admitted with their definition.
    candidates = [w for w in sorted(words) if not words[w].admitted and w not in littre_keys
                  and words[w].not_reasons <= {"locution", "symbol"}]
    for w in candidates:
        if w in thes_words:
            admit(w, "the thesaurus")
        elif words[w].not_reasons == {"locution"} and w in joined:
            admit(w, "a hyphenated locution of words")
    sounds = {littre.sound(s) for w, info in words.items() if info.not_reasons == {"locution"}
              and (info.admitted or w in littre_keys) for s in info.surfaces}
    for w in candidates:
        info = words[w]
        if not info.admitted and info.not_reasons == {"locution"} and any(
                littre.sound(s) in sounds for s in info.surfaces):
            admit(w, "the sound of an admitted fragment")
    log("locution fragments and symbols admitted: %s" % dict(sorted(moved.items())))


def root_codes(root):
    codes = set()
    for m in root.morph:
        if m.startswith("po:"):
            codes |= pos.codes_of_po(m[3:])
    return codes


def root_stem(root):
    for m in root.morph:
        if m.startswith("st:"):
            return m[3:]
    return None


def build_words(paths, log, known_words=frozenset()):
    """known_words: folded spellings that the Littré or the thesaurus know
    as words (an abbreviation of the dictionary is none of them)."""
    aff = affix.AffixFile(paths["aff"])
    roots = list(affix.read_dic(aff, paths["dic"]))
    is_abbreviation = AbbreviationFinder(aff, roots, known_words)
    words = {}
    nforms = 0
    stats = Counter()
    for root in roots:
        if is_error_form(root):
            stats["error-form roots"] += 1
            continue
        reason = not_admitted_reason(aff, root, is_abbreviation)
        if reason:
            stats["%s roots" % reason] += 1
        admitted = reason is None
        codes = root_codes(root)
        stem = root_stem(root)
        for form in aff.expand(root):
            nforms += 1
            w = dico_form(form.text)
            if w is None:
                if any(unicodedata.decomposition(ch).startswith("<") for ch in form.text):
                    stats["forms with a superscript"] += 1
                continue
            info = words.get(w)
            if info is None:
                info = words[w] = WordInfo()
            if admitted:
                info.admitted = True
                info.codes |= codes
            else:
                info.not_codes |= codes
                info.not_reasons.add(reason)
            lemma = stem if (stem and form.lemma == root.word) else form.lemma
            lw = dico_form(lemma) or fold_accents(lemma).upper()
            if lw == w:
                info.is_lemma = True
            elif lw not in info.lemmas:
                info.lemmas[lw] = root.line
            info.surfaces.add(form.text)
    log("spelling dictionary: %d forms generated, %d words; %s"
        % (nforms, len(words), dict(sorted(stats.items()))))
    return words


_SEPARATORS_RE = re.compile(r"[§$\\\r\n\t]")


def clean_field(text):
    text = _SEPARATORS_RE.sub(" ", text)
    text = to_cp1252_text(text)
    return re.sub(r"\s+", " ", text).strip()


def build_synonyms(paths, log):
    entries = thesaurus.read_thesaurus(paths["thes"])
    lexicon = thesaurus.Lexicon.from_spelling_dictionary(paths["aff"], paths["dic"])
    known = {clean_field(h) for h in entries}
    stats = Counter()
    merged = {}
    for head, (labels, syns) in entries.items():
        h = thesaurus.french_spelling(thesaurus.correct(clean_field(head), stats), lexicon,
                                      known, stats)
        if not h:
            stats["empty headword"] += 1
            continue
        if len(h) > MAX_HEADWORD:
            stats["headword over %d characters" % MAX_HEADWORD] += 1
            continue
        initial = fold_accents(h[0]).upper()[:1]
        if not ("A" <= initial <= "Z"):
            stats["headword not starting with a letter"] += 1
            continue
        rec = merged.setdefault(h, ([], []))
        for lab in labels:
            if lab not in rec[0]:
                rec[0].append(lab)
        for s in syns:
            c = thesaurus.french_spelling(thesaurus.correct(clean_field(s), stats), lexicon,
                                          known, stats)
            if c and c != h and c not in rec[1]:
                rec[1].append(c)
    for group in thesaurus.UNRELATED_GROUPS:
        for m in group & merged.keys():
            stats["records of the unrelated group"] += 1
            merged[m][1][:] = [x for x in merged[m][1] if x not in group]
    thesaurus.review(merged, lexicon, stats)
    files = {L: [] for L in LETTERS}
    unknown_labels = Counter()
    by_key = {}
    for h, (labels, syns) in merged.items():
        if not syns:
            stats["no synonym left"] += 1
            continue
        codes = set()
        for lab in labels:
            code = pos.THESAURUS_LABELS.get(lab.lower())
            if code:
                codes.add(code)
            else:
                unknown_labels[lab] += 1
        codestr = pos.synonym_codes(codes)
        initial = fold_accents(h[0]).upper()[0]
        files[initial].append((sort_key_synonym(h), h, codestr, syns))
    records = {}
    for L in LETTERS:
        rows = sorted(files[L])
        records[L] = ["%s§%s$%s" % (h, c, "\\".join(s)) for _, h, c, s in rows]
        for _, h, c, s in rows:
            k = fold_accents(h).upper()
            # Entries of unknown class are the thesaurus's least reliable.
            if c and k not in by_key:
                by_key[k] = s
    log("thesaurus: %d headwords read, %d records; changes and drops: %s; labels without code: %s"
        % (len(entries), sum(len(v) for v in records.values()), dict(stats),
           dict(unknown_labels)))
    heads = {fold_accents(h).upper() for h in merged}
    return records, by_key, heads


def _accents(text):
    return sum(1 for ch in text if ord(ch) > 127)


def build_littre(paths, log, rules_by_sense=None):
    """Folded headword -> [(headword as written, lower case; first sense)].
    The index also lists headwords without their accents as aliases of the
    accented entry (same text): an alias is given the accented spelling.
    An index entry that points at another word's article is left out."""
    entries = list(littre.read_entries(paths["littre_idx"], paths["littre_dict"],
                                       with_offsets=True))
    return index_littre_entries(entries, log, rules_by_sense)


def index_littre_entries(entries, log, rules_by_sense=None):
    """rules_by_sense, a dict, receives for each first sense the names of
    the cleaning rules that changed it, and under ("none", folded headword)
    those that left a headword's article without a definition."""
    spelling = {}
    for headword, _, where in entries:
        hk = littre.headword_key(headword, max_len=None)
        if hk is not None and (where not in spelling or
                               _accents(hk[0]) > _accents(spelling[where])):
            spelling[where] = hk[0]
    filing = littre.filing_scores(entries)
    index = {}
    misfiled = set()
    rules = Counter()
    senses = {}
    for (headword, entry, where), scores in zip(entries, filing):
        hk = littre.headword_key(headword, max_len=None)
        if hk is None:
            continue
        lower, key = hk
        if not littre.filed_at_own_article(*scores):
            misfiled.add(key)
            continue
        if fold_accents(spelling[where]).lower() == lower:
            lower = spelling[where]
        if where not in senses:
            fired = Counter()
            senses[where] = clean_definition(littre.first_sense(entry, fired))
            if littre.example_only(entry, spelling[where], senses[where]):
                fired["example of a participle"] += 1
                senses[where] = ""
            rules.update(fired)
            if rules_by_sense is not None and fired:
                k = senses[where] or ("none", key)
                rules_by_sense.setdefault(k, set()).update(fired)
        if senses[where]:
            index.setdefault(key, []).append((lower, senses[where]))
    log("Littré: %d entries, %d single-word headwords with a first sense; "
        "%d headwords left out at least once as filed at another word's article"
        % (len(entries), len(index), len(misfiled)))
    log("Littré first senses changed by each cleaning rule (articles): %s"
        % dict(sorted(rules.items())))
    return index


def clean_definition(text):
    text = text.replace("£", " ").replace("§", " ")
    text = to_cp1252_text(text)
    text = re.sub(r"[\x00-\x1f\x7f]", " ", text)
    return re.sub(r"\s+", " ", text).strip()


# A sense that only sends to another article: "Voy. ADMONÉTER.",
# "Voy. AIGREFIN, poisson.", "Voy. BATTÉE au Supplément.".
_VOY_RE = re.compile(r"^Voy\. ([A-ZÀ-ÖØ-ÝŒÆa-zà-öø-ÿœæ'’-]+)")


def choose_littre(word, info, index):
    cands = index.get(word)
    if not cands:
        return ""
    # The plain spelling first (LE: the article rather than "lé"), then
    # another spelling of the word, then any entry that folds to it.
    plain = word.lower()
    for wanted in (lambda h: h == plain, lambda h: h in info.surfaces):
        for lower, sense in cands:
            if wanted(lower):
                return sense
    return cands[0][1]


def synonym_definition(synonyms):
    """'Synonymes : a, b, c.' (one period even after "K.O.")."""
    return "Synonymes : " + ", ".join(synonyms[:SYN_IN_DEF]).rstrip(".") + "."


def safe_short(text):
    """A definition of our own must not read as a cross-reference."""
    if len(text) < CROSS_REF_LIMIT and "Voir " in text:
        text = text.replace("Voir ", "Voyez ")
    return text


def build_definitions(words, dico, littre_index, syn_by_key, log):
    in_dico = set(dico)
    own = {}
    kind = {}
    # 1. Littré and thesaurus texts of the word itself.
    voy = {}
    for w in dico:
        info = words[w]
        d = choose_littre(w, info, littre_index)
        if d and not info.admitted and info.not_reasons == {"locution"}:
            # A locution fragment that the Littré lists as a word of its
            # own (antan, catimini) is a French word: admitted.
            info.admitted = True
            info.codes = info.not_codes
        if d:
            m = _VOY_RE.match(d)
            if m:
                voy[w] = d
            else:
                own[w] = safe_short(d)
                kind[w] = "littre"
    syn_def = {}
    for w in dico:
        s = syn_by_key.get(w)
        if s:
            syn_def[w] = safe_short(synonym_definition(s))
    # Lemmas without a Littré entry but with synonyms get them as definition.
    for w in dico:
        if w not in own and w not in voy and words[w].is_lemma and w in syn_def:
            own[w] = syn_def[w]
            kind[w] = "synonyms"
    values = {}
    unresolved = 0
    for w in dico:
        info = words[w]
        d = own.get(w, "")
        if not d:
            target = None
            if w in voy:
                t = fold_accents(_VOY_RE.match(voy[w]).group(1)).upper()
                if t in in_dico and t != w and t in own:
                    target = t
                else:
                    unresolved += 1
            if target is None:
                lemmas = sorted(info.lemmas.items(), key=lambda kv: (
                    0 if kind.get(kv[0]) == "littre" else 1, kv[1], kv[0]))
                for lw, _ in lemmas:
                    if lw in in_dico and lw in own:
                        target = lw
                        break
            if target is not None:
                d = "Voir %s." % target
                kind[w] = "crossref"
            else:
                # A lemma outside the list (too long, or hyphenated): its
                # own text, when the Littré has it.
                for lw, _ in sorted(info.lemmas.items(), key=lambda kv: (kv[1], kv[0])):
                    if (lw not in in_dico and lw in littre_index
                            and not _VOY_RE.match(littre_index[lw][0][1])):
                        d = safe_short(littre_index[lw][0][1])
                        kind[w] = "lemma text"
                        break
            if not d and w in syn_def:
                d = syn_def[w]
                kind[w] = "synonyms"
        if info.admitted:
            marker, codes = "", info.codes
        else:
            marker, codes = "NOT", info.not_codes
        abbr = pos.dictionary_abbreviation(codes)
        if not marker and not abbr and not d:
            values[w] = "= x§EXISTE"
            kind.setdefault(w, "exists")
        else:
            values[w] = "= %s£%s§%s" % (marker, abbr, d)
            kind.setdefault(w, "empty")
    log("Littré texts that only send to another article (\"Voy. X\"): %d made references, "
        "%d unresolved (never written as a definition)" % (len(voy) - unresolved, unresolved))
    return values, kind


def data_counts_header(dico, ana, syn_records, values, kind, long_max_def):
    nb_def = sum(1 for w in dico if kind[w] in ("littre", "synonyms", "lemma text"))
    ana_start, ana_end = [-1] * 13, [-1] * 13
    for i, w in enumerate(ana):
        n = len(w)
        if ana_start[n] < 0:
            ana_start[n] = i
        ana_end[n] = i
    per_letter = [len(syn_records[L]) for L in LETTERS]

    def arr(xs):
        return ", ".join(str(x) for x in xs)

    return "\n".join([
        "#pragma once",
        "// Generated by data-tools/build_words.py from the shipped word data: do not edit.",
        "",
        "#include <array>",
        "",
        "namespace DataCounts {",
        "",
        "// Records of the dictionary list (DICO).",
        "inline constexpr int kNbMots = %d;" % len(dico),
        "// Words of the definitions file with a definition of their own.",
        "inline constexpr int kNbDefinitions = %d;" % nb_def,
        "// Synonym records of SYNONYA to SYNONYZ.",
        "inline constexpr int kNbSynonymes = %d;" % sum(per_letter),
        "// Synonym records per initial letter, A to Z.",
        "inline constexpr std::array<int, 26> kNbSyno = {%s};" % arr(per_letter),
        "// First and last 0-based line of each word length in ANA (-1: none).",
        "inline constexpr std::array<int, 13> kAnaDebut = {%s};" % arr(ana_start),
        "inline constexpr std::array<int, 13> kAnaFin = {%s};" % arr(ana_end),
        "// Longest word length that has a definition of its own.",
        "inline constexpr int kLongMaxDef = %d;" % long_max_def,
        "",
        "} // namespace DataCounts",
        "",
    ])


def update_notice(repo, fetched):
    path = repo / "NOTICE.md"
    text = path.read_text(encoding="utf-8")
    for name, (version, _) in fetched.items():
        text = re.sub(r"(`%s` )`[^`]*`" % re.escape(name), r"\g<1>`%s`" % version, text)
    path.write_text(text, encoding="utf-8")


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--repo", default=str(HERE.parent), help="repository root")
    args = ap.parse_args(argv)
    repo = Path(args.repo)
    t0 = time.time()

    def log(msg):
        print("[%6.1fs] %s" % (time.time() - t0, msg), flush=True)

    fetched = sources.fetch(log=log)
    for name, (version, _) in fetched.items():
        log("source %s %s" % (name, version))
    paths = sources.paths(fetched)

    syn_records, syn_by_key, syn_heads = build_synonyms(paths, log)
    rules_by_sense = {}
    littre_index = build_littre(paths, log, rules_by_sense)
    words = build_words(paths, log, known_words=set(littre_index) | syn_heads)
    aff = affix.AffixFile(paths["aff"])
    admit_known_fragments(words, list(affix.read_dic(aff, paths["dic"])), set(littre_index),
                          thesaurus_words(thesaurus.read_thesaurus(paths["thes"])), log)
    dico = sorted(words)
    ana = sorted((w for w in dico if len(w) <= 12), key=lambda w: (len(w), w))
    values, kind = build_definitions(words, dico, littre_index, syn_by_key, log)
    own_lengths = [len(w) for w in dico if kind[w] in ("littre", "synonyms", "lemma text")]
    long_max_def = max(own_lengths) if own_lengths else 0

    data = repo / "resources" / "data"
    data.mkdir(parents=True, exist_ok=True)
    sizes = {}
    sizes["DICO"] = write_records(data / "DICO", dico)
    sizes["ANA"] = write_records(data / "ANA", ana)
    for L in LETTERS:
        sizes["SYNONY" + L] = write_records(data / ("SYNONY" + L), syn_records[L])
    lines = ["[%s]" % SECTION] + ["%d %s" % (i + 1, values[w]) for i, w in enumerate(dico)]
    sizes[DEF_FILE] = write_records(repo / "resources" / DEF_FILE, lines)
    header = repo / "src" / "data" / "DataCounts.h"
    header.parent.mkdir(parents=True, exist_ok=True)
    header.write_bytes(data_counts_header(dico, ana, syn_records, values, kind,
                                          long_max_def).encode("ascii"))
    update_notice(repo, fetched)

    changed = Counter()
    for w in dico:
        if kind[w] in ("littre", "lemma text"):
            changed.update(rules_by_sense.get(values[w].split("§", 1)[1], ()))
        else:
            changed.update(rules_by_sense.get(("none", w), ()))
    log("definition lines changed by each cleaning rule (words whose own Littré text "
        "the rule changed or removed): %s" % dict(sorted(changed.items())))
    counts = Counter(kind[w] for w in dico)
    log("DICO %d words, ANA %d, synonyms %d, definitions: %s, NOT %d"
        % (len(dico), len(ana), sum(len(v) for v in syn_records.values()), dict(counts),
           sum(1 for w in dico if not words[w].admitted)))
    log("per length: %s" % dict(sorted(Counter(len(w) for w in dico).items())))
    log("longest word with a definition of its own: %d" % long_max_def)
    log("bytes written: %d" % sum(sizes.values()))
    problems = check_words.check_all(repo)
    for p in problems:
        log("CHECK FAILED: " + p)
    log("done, %s" % ("checks passed" if not problems else "%d check failures" % len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
