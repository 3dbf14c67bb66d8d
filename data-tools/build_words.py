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
from collections import Counter, namedtuple
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
                 "not_reasons", "spelling_codes", "lemma_spellings")

    def __init__(self):
        self.admitted = False
        self.not_reasons = set()
        self.codes = set()
        self.not_codes = set()
        self.lemmas = {}       # lemma spelling (folded) -> first root line
        self.surfaces = set()  # the forms as the spelling dictionary writes them
        self.is_lemma = False
        self.spelling_codes = {}      # form as written -> classes of its roots
        self.lemma_spellings = set()  # the forms that are a lemma themselves


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
                if lemma == form.text:
                    info.lemma_spellings.add(form.text)
            elif lw not in info.lemmas:
                info.lemmas[lw] = root.line
            info.surfaces.add(form.text)
            info.spelling_codes.setdefault(form.text, set()).update(codes)
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
    compound_articles = {where for headword, _, where in entries
                         if littre.names_compound(headword)}
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
            index.setdefault(key, []).append(
                littre_article(headword, lower, senses[where], entry, where, compound_articles))
    log("Littré: %d entries, %d single-word headwords with a first sense; "
        "%d headwords left out at least once as filed at another word's article"
        % (len(entries), len(index), len(misfiled)))
    log("Littré first senses changed by each cleaning rule (articles): %s"
        % dict(sorted(rules.items())))
    return index


# One article that a word of the list may take: its headword as written
# (lower case), its first sense, its weight (the length of its own text) and
# its number of numbered senses, its classes, whether it is a participle's
# or a compound's article, its homonym number (0: none) and its place in
# the source.
LittreArticle = namedtuple("LittreArticle", "lower sense weight senses classes participle "
                                            "compound number where")


def littre_article(headword, lower, sense, entry, where, compound_articles=()):
    return LittreArticle(lower, sense, littre.article_weight(entry), littre.sense_count(entry),
                         frozenset(littre.article_classes(entry)),
                         littre.is_participle_article(entry),
                         where in compound_articles or littre.defines_compound(lower, sense),
                         littre.homonym_number(headword), where)


def clean_definition(text):
    text = text.replace("£", " ").replace("§", " ")
    text = to_cp1252_text(text)
    text = re.sub(r"[\x00-\x1f\x7f]", " ", text)
    return re.sub(r"\s+", " ", text).strip()


# A sense that only sends to another article: "Voy. ADMONÉTER.",
# "Voy. AIGREFIN, poisson.", "Voy. BATTÉE au Supplément.".
_VOY_RE = re.compile(r"^Voy\. ([A-ZÀ-ÖØ-ÝŒÆa-zà-öø-ÿœæ'’-]+)")


def littre_rank(info, art):
    """How well an article fits a word of the list (lower is better), or
    None when it is another word's: a compound's article (SAINT-AUGUSTIN
    for AUGUSTIN), a verb's article for a spelling that is no verb form
    (the verb HIER for the adverb; the spelling dictionary knows every verb,
    while its other classes often differ from the Littré's: adjectives used
    as nouns, adverbs as interjections), or the article of an inflected
    form when the word is a lemma under another spelling (the participle
    TERRÉ for the noun TERRE; the spelling dictionary knows TERRÉ only as
    a form of TERRER)."""
    if art.compound:
        return None
    codes = info.spelling_codes.get(art.lower)
    spelling_of_word = codes is not None
    if not spelling_of_word:
        codes = info.codes | info.not_codes
    if art.classes and codes and "v" in art.classes and "v" not in codes and not art.participle:
        return None
    if (art.participle and spelling_of_word and info.lemma_spellings
            and art.lower not in info.lemma_spellings):
        return None
    return (not spelling_of_word,                     # a spelling the word does not have
            art.participle and bool(info.lemma_spellings))  # a form's article


# The Littré numbers the homonyms of one spelling (SOURIS 1 the smile,
# SOURIS 2 the animal) in no order of use; a later homonym takes the place of
# an earlier one when it develops more numbered senses and its own text is
# this many times as long (a long text alone may be a technical term's:
# ÉCHOPPE 2 the engraver's tool, not ÉCHOPPE 1 the stall).
HOMONYM_WEIGHT_RATIO = 4
# A homonym whose own text is this long is a main article: it takes the
# place of an earlier homonym that only sends elsewhere (SOL 1 "Voy. SOU.",
# SOL 2 the ground), where a one-line homonym does not (CELLE 1 "Voy.
# CELUI.", CELLE 2 a room of the Roman baths).
MAIN_ARTICLE_WEIGHT = 500


def choose_littre_article(info, cands, index=None):
    """The article among those that fold to the word that a player means,
    or None when none of them is the word's.  Among the articles that rank
    best (littre_rank): for each spelling, its first homonym, unless a later
    one is far richer (HOMONYM_WEIGHT_RATIO) or, after a bare "Voy.
    X.", is that of a main article (MAIN_ARTICLE_WEIGHT); then, among the
    spellings, the one whose article is the longest (FORÊT, not FORET the
    drill), a bare reference weighing what its target's article weighs (TE
    "Voy. TU.", not TÉ the term of fortification)."""
    ranked = []
    # One article under several headwords ("SOL", "SOL.1") has their number.
    for art in {a.where: a for a in sorted(cands, key=lambda a: a.number)}.values():
        rank = littre_rank(info, art)
        if rank is not None:
            ranked.append((rank, art))
    if not ranked:
        return None
    best_rank = min(r for r, _ in ranked)
    by_spelling = {}
    for rank, art in sorted(ranked, key=lambda ra: (ra[1].number, ra[1].where)):
        if rank != best_rank:
            continue
        cur = by_spelling.get(art.lower)
        if cur is None:
            by_spelling[art.lower] = art
        elif not _VOY_RE.match(art.sense):
            if _VOY_RE.match(cur.sense):
                if art.weight >= MAIN_ARTICLE_WEIGHT:
                    by_spelling[art.lower] = art
            elif (art.senses > cur.senses
                  and art.weight >= HOMONYM_WEIGHT_RATIO * max(cur.weight, 1)):
                by_spelling[art.lower] = art

    def weight(art):
        m = _VOY_RE.match(art.sense)
        if not m:
            return art.weight
        target = fold_accents(m.group(1)).upper()
        return max((a.weight for a in (index or {}).get(target, ())
                    if not _VOY_RE.match(a.sense)), default=0)

    return min(by_spelling.values(), key=lambda a: (-weight(a), a.where))


_VOY_HOMONYM_RE = re.compile(r"^Voy\. \S+ (\d+)\b")


def sends_to_shown_homonym(reference, target_article):
    """A reference to a numbered homonym ("Voy. RAS 2.") holds only when
    the target word shows that homonym's article: RAS shows RAS 1 (tondu
    de près), not the term of marine that RAT sends to."""
    m = _VOY_HOMONYM_RE.match(reference)
    if not m:
        return True
    return target_article is not None and target_article.number == int(m.group(1))


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
    chosen = {}
    for w in dico:
        info = words[w]
        art = choose_littre_article(info, littre_index.get(w, ()), littre_index)
        d = art.sense if art else ""
        if art:
            chosen[w] = art
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
                if (t in in_dico and t != w and t in own
                        and sends_to_shown_homonym(voy[w], chosen.get(t))):
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
        "// clang-format off",
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
