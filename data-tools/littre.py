# Lexiparc data tools - GPL-3.0-or-later
"""Reads the StarDict edition of the Littré and extracts, for each
headword, the first sense as one line of plain text."""

import difflib
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
    h = _spelling(headword)
    key = fold_accents(h).upper()
    if not re.fullmatch(r"[A-Z]{2,%s}" % ("" if max_len is None else max_len), key):
        return None
    return h, key


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


_SECTION_TITLE_RE = re.compile(r"<b><big>(.*?)</big></b>", re.S)


def _main_text(entry):
    """The article's text before its first titled section; for an article
    that has nothing there, the text of its supplement section (never its
    history or etymology)."""
    m = _HEADER_RE.match(entry)
    body = entry[m.end():] if m else entry
    titles = list(_SECTION_TITLE_RE.finditer(body))
    main = body[:titles[0].start()] if titles else body
    if _plain(main).strip():
        return main
    for i, t in enumerate(titles):
        if not t.group(1).strip().startswith("SUPPLÉMENT"):
            continue
        end = titles[i + 1].start() if i + 1 < len(titles) else len(body)
        sup = body[t.end():end].strip()
        # The supplement repeats the headword ("REPLÂTRÉ, ÉE. Ajoutez :");
        # a heading of another form ("EU...., EV....") is another article.
        head = re.match(r"^([A-ZÀ-ÝŒÆ'(), -]+)\.(?!\.)\s*", sup)
        if head:
            sup = sup[head.end():]
        elif re.match(r"^[A-ZÀ-ÝŒÆ'(), -]+\.\.", sup):
            return ""
        return sup
    return ""


def first_sense(entry, stats=None):
    """The first sense of an entry, plain text on one line ('' if none).
    stats, a Counter, receives the name of each cleaning rule that
    changed the text."""
    main = _main_text(entry)
    senses = list(_SENSE_RE.finditer(main))
    if senses:
        start = senses[0].end()
        end = senses[1].start() if len(senses) > 1 else len(main)
        main = main[start:end]
    # The first line that holds text is the definition proper; the lines
    # that follow are examples, quotations and secondary uses.  A line that
    # is only "Ajoutez :" announces the supplement's text on the next one.
    lines = [ln for ln in (_plain(x).strip() for x in main.split("\n")) if ln]
    if lines and lines[0].startswith("ÉTYM."):
        _count(stats, "history, etymology or remark")
        return ""
    while lines and _AJOUTEZ_ALONE_RE.match(lines[0]):
        _count(stats, "Ajoutez")
        lines.pop(0)
    if not lines:
        return ""
    text = re.sub(r"\s+", " ", lines[0]).strip()
    text = clean_sense(text, stats)
    return _shorten(text) if text else ""


def _count(stats, rule):
    if stats is not None:
        stats[rule] += 1


_AJOUTEZ_ALONE_RE = re.compile(r"^(?:[A-ZÀ-Ý][^.:]*\.\s*)?Ajoutez\s*:?\s*$")
# Grammatical heads left at the start of a sense: "V. a.", "S. m. et f.",
# "Adj.", "Loc. adv.", "Part. passé."...
_GRAMMAR_HEAD_RE = re.compile(
    r"^(?:(?:V|S)\. (?:a|n|m|f|réfl|pron|impers)\.(?:,? et (?:a|n|m|f|réfl)\.)*"
    r"|Adj\.(?: (?:m|f|numér|verbal)\.)?|Adv\.|Loc\. adv\.|Part\. passé\.|Part\.|Prép\.)"
    r"\s*(?=\S)")
# Lower-case pieces of the article's header that spilled into its text:
# "v. a.", "plur.", "masc.", "de temps.", "ou ALYSSON (a-li-sson), s. m.".
_LOWER_HEAD_RE = re.compile(
    r"^(?:(?:[vs]\. (?:a|n|m|f|réfl|pron|impers)\.(?:,? et (?:a|n|m|f|réfl)\.)*"
    r"|plur\.|sing\.|masc\.|fém\.|féminin\.|masculin\.|impers\.|invar\."
    r"|m\.?|f\.|ou f\.|ou m\.|adj\.|adv\.|famil\.|démonstr?\.|exclamatif\.|lat\.|latine\."
    r"|de (?:temps|lieu|quantité|manière|négation|comparaison)\."
    r"|au plur\. [^.]{1,40}\."
    r"|ou [A-ZÀ-ÝŒÆ'-]{2,}(?:,? (?:ou )?[A-ZÀ-ÝŒÆ'-]{2,})* \([^)]*\),?"
    r"(?: (?:s\. [mf]\.(?: et f\.)?|adj\.|v\. [an]\.))?)\s*)+")
_LETTER_RE = re.compile(r"[^\W\d_]")
# The tail of a quotation written in the text: "..., Voyage de Bachaumont,
# dans RICHELET.", "..., FURETIÈRE., ..." (the author in capitals), or a
# source named without a comma ("... et dans RICHELET").
_CITATION_TAIL_RE = re.compile(
    r"(?P<comma>,\s*(?:cité |vers cité )?dans [A-ZÀ-Ý][A-ZÀ-Ý'-]{2,}\b)"
    r"|(?P<bare>\s(?:cité |vers cité |il se trouve )?dans [A-ZÀ-Ý][A-ZÀ-Ý'-]{2,}\b)"
    r"|(?P<author>,\s(?:[A-Z][a-zé]+ )?(?:[A-Z]\. )*[A-ZÀ-Ý][A-ZÀ-Ý'-]{2,}"
    r"(?: [A-ZÀ-Ý][A-ZÀ-Ý'-]+)*\.?,)")
_ATTRIBUTION_RE = re.compile(r",\s+[A-ZÀ-Ý]")
_ABBREVIATIONS = {"ch", "p", "t", "trad", "cf", "fig", "liv", "éd", "édit", "sect", "art",
                  "chap", "vol", "ib", "ibid", "lat", "gr", "ital", "esp", "angl", "all",
                  "franç", "provenç", "anc", "dr", "syn", "synon", "env", "v", "n", "loc", "voy"}


def _sentence_ends(text, stop):
    """Positions just after the sentence ends of text[:stop] (a period
    after an abbreviation such as "Dict." or "trad." is none)."""
    out = []
    for m in re.finditer(r"[.!?](?=\s+[«A-ZÀ-Ý])", text[:stop]):
        word = re.search(r"([^\W\d_]+)$", text[:m.start()])
        w = word.group(1) if word else ""
        after_number = not w and text[m.start() - 1:m.start()].isdigit()
        after_bracket = not w and text[m.start() - 1:m.start()] in (")", "]", "»")
        if m.group(0) == "." and not after_number and not after_bracket and (
                len(w) <= 1 or w.lower() in _ABBREVIATIONS
                                  or (w[:1].isupper() and len(w) <= 5 and not w.isupper())):
            continue
        out.append(m.end())
    return out


def _capitalise_sentence_starts(text, stats=None):
    """The source prints a capital with an accent as a small letter ("à dextre",
    "ôter le lest"): after a sentence end it is made a capital again, so that
    the sentence is seen to start there. Not after "etc." nor an abbreviation."""
    def up(m):
        word = re.search(r"([^\W\d_]+)$", text[:m.start()])
        w = word.group(1) if word else ""
        if m.group(1) == "." and (len(w) <= 1 or w.lower() in _ABBREVIATIONS or w.lower() == "etc"
                                  or (w[:1].isupper() and len(w) <= 5 and not w.isupper())):
            return m.group(0)
        _count(stats, "accented capital at a sentence start")
        return m.group(1) + m.group(2) + m.group(3).upper()
    return re.sub(r"([.!?])(\s+)([àâéèêîôû])(?=[^\W\d_]|\s)", up, text)


def _cut_citation(text):
    """The text without a quotation's tail, or None when it has none."""
    m = _CITATION_TAIL_RE.search(text)
    if not m:
        return None
    ends = _sentence_ends(text, m.start())
    prev = ends[-1] if ends else 0
    if m.lastgroup == "comma":
        seg = _ATTRIBUTION_RE.search(text, prev, m.start())
        if seg is None:
            return text[:m.start()]            # "Synonyme de X, dans FOURIER"
        return text[:prev] if prev else text[:seg.start()]
    return text[:prev] if prev else text[:m.start()]


_PIPE_TAIL_RE = re.compile(r"\|\|.*$")
_VOY_SENTENCE_RE = re.compile(r"(?:^|(?<=[.;] ))\(?[Vv]oy\. [^.;)]*[.;)]?\s*")
# A definition that is only a label: "Terme de chimie.", "Néologisme.".
_LABEL_ONLY_RE = re.compile(
    r"^(?:Terme (?:de|d'|du|des) ?[^.,;:]{1,40}"
    r"|Terme (?:populaire|familier|technique|didactique|vieilli|général)"
    r"|Néologisme|Vieux mot|Vieux|Vieilli|Inusité|Familier|Populaire|Populairement"
    r"|Technologie|Latinisme|Anciennement|Fig|Figurément|Mauvais mot|Mot forgé"
    r"|Substantivement|Adjectivement|Absolument|Activement|Neutralement"
    r"|Par (?:extension|abréviation|abstraction|analogie|plaisanterie|ironie|fiction)"
    r"|Au (?:sing|plur|pluriel|singulier|féminin|masculin))\s*\.?$")


def clean_sense(text, stats=None):
    """Removes what the article's markup left in a first sense; '' when no
    definition is left."""
    pipe = text.find("||")
    if pipe >= 0:
        # "...ostréiculture.L'ostréiculteur garnit...||Journ. offic. ...>":
        # a quotation glued to the sentence, then its source.
        _count(stats, "||...> tail")
        ends = [m.end() for m in re.finditer(r"\.(?=\s*[A-ZÀ-Ý])", text[:pipe])]
        text = text[:ends[-1]] if ends else ""
    text = re.sub(r"^Ajoutez\s*:\s*-?\s*", "", text)
    text = _tidy(text, stats)
    text = _capitalise_sentence_starts(text, stats)
    m = _GRAMMAR_HEAD_RE.match(text)
    if m:
        _count(stats, "grammatical head")
        text = text[m.end():]
    if text[:1].islower() and not re.match(r"^voy\. ", text):
        m = _LOWER_HEAD_RE.match(text)
        if m and m.end() > 0:
            text = text[m.end():]
        if text:
            text = text[0].upper() + text[1:]
        _count(stats, "lower-case header fragment")
    if re.match(r"^(?:ÉTYM\.|R[EÉ]M\.|[XVI]+e s\.)", text):
        _count(stats, "history, etymology or remark")
        return ""
    cut = _cut_citation(text)
    if cut is not None:
        _count(stats, "citation tail")
        text = cut.rstrip(" ,;:")
        if len(_LETTER_RE.findall(text)) < 3:
            return ""
        if not text.endswith((".", "!", "?", "\u2026")):
            text += "."
    cut = _cut_source(text)
    if cut is not None:
        _count(stats, "source of a quotation")
        text = cut
        if len(_LETTER_RE.findall(text)) < 3:
            return ""
    if re.search(r"[Vv]oy\. ", text) and not re.match(r"^Voy\. ", text):
        rest = _VOY_SENTENCE_RE.sub("", text).strip()
        if rest != text:
            _count(stats, "embedded Voy.")
            if not rest or _LABEL_ONLY_RE.match(rest):
                m = re.search(r"[Vv]oy\. .*$", text)
                text = "Voy. " + m.group(0)[5:]
            else:
                text = rest
    text = re.sub(r"^voy\. ", "Voy. ", text)
    if _is_label(text):
        _count(stats, "label only")
        return ""
    return _first_sentence(text, stats)


# Labels of a field or a register that head a definition: "Terme forestier.",
# "Ancien terme de marine.", "Marine.", "Plur.".
_FIELD_LABEL_RE = re.compile(
    r"^(?:(?:Ancien )?[Tt]erme (?:de |d'|du |des )?[^.,;:]{1,30}"
    r"|Marine|Pl|Plur|Invariable|Numéral|Poss|Latin)\.?$")


def _is_label(text):
    text = text.strip()
    return bool(_LABEL_ONLY_RE.match(text) or _FIELD_LABEL_RE.match(text)
                or _USAGE_LABEL_RE.match(text) or not text.strip(" .:;,"))


# Labels of usage, register, number or origin that head a sense as a
# sentence of their own: "Au pl.", "Proprement.", "Familière.", "Des deux
# genres.", "Mot populaire.", "Latinisme et néologisme.", "2.", "RÉM.".
_USAGE_LABEL_RE = re.compile(
    r"^(?:Au (?:pl|plur|pluriel|sing|singulier|fém|masc)"
    r"|Pl\.? [Tt]erme (?:de |d'|du |des )?[^.,;:]{1,30}"
    r"|(?:Fig\. et |Plus )?(?:[Pp]roprement|[Ff]amilier|[Ff]amilière|[Ff]amilièrement"
    r"|[Pp]opulairement|[Ii]ronique|[Ii]roniquement|[Rr]are|[Ii]ndécl|[Ii]nvar)"
    r"|Des deux genres|(?:Très )?[Pp]eu usité|Archaïsme|Ornithologie|Histoire naturelle"
    r"|(?:Mot|Locution|Expression|Terme|Termes) (?:populaire|familier|familière|vieilli|vieillis"
    r"|bas|trivial|comique|burlesque|forgé[^.]{0,30}|de patois|de [A-ZÉ][^.]{1,30})"
    r"|(?:Néologisme|Latinisme|Hellénisme|Barbarisme)[^.]{0,40}"
    r"|Ancien terme|Dans le (?:langage|style) [^.]{1,25}|Par dénigrement|De patois"
    r"|\d+|RÉM|REM|HIST|Vieux langage)\s*\.?$")

_PRONUNCIATION_RE = re.compile(r"^\((?:[a-zà-ÿ']+-)+[a-zà-ÿ']+\)[.,]?\s*")
_EDITORIAL_VOY_RE = re.compile(r"\s*\((?:[Vv]oy\.|[Vv]oyez) [^()]*\)")


def _tidy(text, stats=None):
    """Marks of the article that are no part of a definition: a
    pronunciation left in the text, "(voy. ce mot au Dictionnaire)",
    the square brackets of an insertion, "II" read for "Il", a blank
    before a period; "Voy KLIPPER." and "Voyez LICOU." are references."""
    before = text
    text = re.sub(r"^(?:Voy|Voyez)\.?\s+(?=[A-ZÀ-Ý])", "Voy. ", text)
    text = _PRONUNCIATION_RE.sub("", text)
    text = _EDITORIAL_VOY_RE.sub("", text)
    text = re.sub(r"^(?:[.,;:]|\d+\.)\s*", "", text.strip())
    text = text.replace("[", "").replace("]", "")
    text = re.sub(r"(?:^|(?<=[.;,!?] ))II(?= [a-zàâéèêîôûç])", "Il", text)
    # An ellipsis opens a quotation glued to the sentence: "...marchandise. ....De faire".
    text = re.sub(r"(?<=[.!?]) \.{3,}\s*\S.*$", "", text)
    text = re.sub(r"(?:\s*[;,])?\s+\.(?!\.)", ".", text)
    text = re.sub(r"\s+", " ", text).strip()
    if text != before:
        _count(stats, "marks that are no part of a definition")
    return text


# The source of a quotation at the end of a sentence: an author in
# capitals (", SÉV. 422.", ", CHATEAUB."), a periodical, a report or a
# page (", Journ. offic. 8 févr. 1872, p. 395, 2e col.", ", Compte rendu,
# 1869-1874, 2e fasc. p. 49."), with the titles named before it.
_SOURCE_MARK_RE = re.compile(
    r"\bp\. ?\d|\b\d+(?:e|re|er) (?:col|page|fasc|édit)\b|\bt\. [IVXL\d]|\b1[5-9]\d\d\b"
    r"|\b(?:Journ|Rev|Bull|Gloss|Mém|Annal|Ann|Dict|Compte rendu|Enquête|Moniteur|Revue"
    r"|Journal|Instr|Rapport|Trad|Lett)\b"
    r"|^(?:[A-Z][a-zé]+ |[A-Z]\. )*[A-ZÀ-Ý][A-ZÀ-Ý'-]{2,}\.?(?: [A-ZÀ-Ý][A-ZÀ-Ý'.-]+)*(?: [\dIVXL][\dIVXL, .]*)?\.?$")


def _is_source_piece(seg):
    """A comma-separated piece that names a work, a place or a date."""
    seg = seg.strip()
    return bool(re.match(r"^(?:dans |l'|la |le |les |ibid\.)?[A-ZÀ-Ý\d]", seg))


def _cut_source(text):
    """The text without the source of a quotation at its end, or None."""
    segs = text.split(", ")
    if len(segs) < 2 or not _SOURCE_MARK_RE.search(segs[-1].rstrip(".")):
        return None
    i = len(segs) - 1
    while i > 1 and (_is_source_piece(segs[i - 1]) or _SOURCE_MARK_RE.search(segs[i - 1])) \
            and not re.search(r"[a-zà-ÿ]{4}[.;:] [A-ZÀ-Ý][a-zà-ÿ]", segs[i - 1]):
        i -= 1
    head = ", ".join(segs[:i]).rstrip(" ,;:")
    if not re.search(r"[a-zà-ÿ]{3}", head):
        return None
    return head if head.endswith((".", "!", "?")) else head + "."


def _first_sentence(text, stats=None):
    """The definition's first sentence: the examples and secondary uses that
    follow it go. Leading labels ("Terme de marine.") stay with the sentence
    they introduce."""
    start = 0
    for end in _sentence_ends(text, len(text)):
        if _is_label(text[start:end]):
            start = end
            continue
        if text[end:].strip():
            _count(stats, "sentences after the first")
            return text[:end].rstrip()
        break
    return text


def example_only(entry, headword, sense):
    """True when the first sense of a participle's article is only an
    example of its use ("Une volaille délardée." at DÉLARDÉ): the text
    writes the participle itself."""
    if not sense or not re.search(r"\bpart\.", grammar_label(entry)):
        return False
    k = re.sub(r"[^a-z]", "", fold_accents(headword).lower())
    stem = k[:max(3, len(k) - 2)]
    words = re.findall(r"[a-z]+", fold_accents(sense).lower())
    return len(k) > 2 and any(w.startswith(stem) and len(w) <= len(k) + 3 for w in words)


def grammar_label(entry):
    m = _HEADER_RE.match(entry)
    return re.sub(r"\s+", " ", _TAG_RE.sub("", m.group(1))).strip() if m else ""


# --- Articles filed under another word ------------------------------------
#
# The index points some headwords at another word's article (ACHETER at
# the article of BATH).  Every article opens with its headword's
# pronunciation, "(o-bu-zié) s. m.": an index entry whose headword does not
# sound like that pronunciation is not filed at its own article.

KEEP_SCORE = 0.65      # from here on, the headword matches the pronunciation
DOUBT_SCORE = 0.4      # below it, it does not (unless the text uses the word)
OWNER_SCORE = 0.8      # another headword of the article that matches this well owns it

_SPELLING_SUBS = [(re.compile(a), b) for a, b in [
    ("[éèêë]", "E"), ("ç", "s"), ("œ", "E"), ("æ", "E")]]
# Spelling to sound, roughly, applied in order to both sides.
_SOUND_RULES = [(re.compile(a), b) for a, b in [
    ("ph", "f"), ("gh", "G"), ("gu(?=[eiyE])", "G"), ("qu", "k"), ("c(?=[eiyE])", "s"),
    ("g(?=[eiyE])", "j"), ("s?ch", "C"), ("sh", "C"), ("ck", "k"), ("c", "k"), ("q", "k"),
    ("th", "t"), ("rh", "r"), ("wh", "w"), ("h", ""),
    ("([aeou])il+", r"\1l"), ("ay", "Ei"), ("oy", "oi"),
    ("[ae]in(?![aeiouE])", "in"), ("aim(?![aeiouE])", "in"),
    ("eau", "o"), ("au", "o"), ("ai", "E"), ("ei", "E"), ("oe", "E"), ("ae", "E"),
    ("um$", "om"), ("z", "s"), ("y", "i"), ("w", "ou"), ("x", "ks"),
    (r"(.)\1+", r"\1")]]
_WRITTEN_NASAL_RE = re.compile("[ae]([nm])(?![aeiouyE])")


def sound(text, written=True):
    """A rough sound key: "obusier" and "o-bu-zié" both give "obusiE" /
    "obusie"-like keys.  written: text is a spelling (silent endings and
    written nasals are reduced), not a pronunciation."""
    s = re.sub(r"[^a-zà-ÿœæ]", "", text.lower())
    for a, b in _SPELLING_SUBS:
        s = a.sub(b, s)
    s = fold_accents(s)
    for a, b in _SOUND_RULES:
        s = a.sub(b, s)
    if written:
        s = _WRITTEN_NASAL_RE.sub("an", s)
        s = re.sub(r"(?:e?nt|e?s|[tdx])$", "", s) or s
        s = re.sub(r"(?<=.)e$", "", s)
    return s.lower()


def pronunciations(entry):
    """The pronunciation texts of an article's header: every parenthesised
    group with lower-case letters, cut into its alternatives ("a-juta-j',
    a-ju-toir"), each also word by word (for notes such as "on prononce
    sin-t'-me-nou").  [] when the header has none."""
    m = _HEADER_RE.match(entry)
    if not m:
        return []
    header = _TAG_RE.sub("", m.group(1))
    groups, depth, cur = [], 0, []
    for ch in header:
        if ch == "(":
            depth += 1
            if depth == 1:
                cur = []
                continue
        elif ch == ")":
            depth -= 1
            if depth == 0:
                groups.append("".join(cur))
                continue
        if depth >= 1:
            cur.append(ch)
    out = []
    for g in groups:
        if not re.search(r"[a-zà-ÿ]", g):
            continue                       # "(SE)", "(A LA)": part of the headword
        for piece in re.split(r"[;,:.()]| ou | et ", g):
            piece = piece.strip()
            if piece:
                out.append(piece)
                words = piece.split()
                if len(words) > 1:
                    out.extend(words)
    return out


def pronunciation_score(word, prons):
    """How well a headword (lower case, accents kept) sounds like the best
    of an article's pronunciations: 0 to 1."""
    keys = {sound(word)}
    if "ch" in word:
        keys.add(sound(word.replace("ch", "k")))     # chaos, choléra
    if "en" in word:
        keys.add(sound(word.replace("en", "in")))    # européen
    best = 0.0
    for p in prons:
        b = sound(p, written=False)
        if not b:
            continue
        for a in keys:
            if a:
                best = max(best, difflib.SequenceMatcher(None, a, b, autojunk=False).ratio())
    return best


def uses_word(word, entry):
    """True when the article's text (header aside) writes the word or a
    form of it (its first letters, for a word of more than 4 letters)."""
    m = _HEADER_RE.match(entry)
    body = entry[m.end():] if m else entry
    text = fold_accents(html.unescape(_TAG_RE.sub(" ", body))).lower()
    words = set(re.findall(r"[a-z]+", text))
    k = re.sub(r"[^a-z]", "", fold_accents(word).lower())
    if k in words:
        return True
    if len(k) <= 4:
        return False
    stem = k[:max(4, len(k) - 3)]
    return any(w.startswith(stem) for w in words)


def _spelling(headword):
    """'SINGULIER, IÈRE' -> 'singulier'; 'GO (TOUT DE)' -> 'go'."""
    h = _HOMONYM_RE.sub("", headword.strip()).split(",", 1)[0]
    return re.sub(r"\([^)]*\)", "", h).strip().lower()


def filing_scores(entries):
    """For (headword, text, where) index entries: a list, in entry order,
    of (score, best score of another headword of the same article, uses
    the word) with score None for an article without a pronunciation."""
    prons = {}
    cache = {}
    scores = []
    for headword, text, where in entries:
        if where not in prons:
            prons[where] = pronunciations(text)
        w = _spelling(headword)
        if (w, where) not in cache:
            cache[w, where] = pronunciation_score(w, prons[where]) if prons[where] else None
        scores.append(cache[w, where])
    by_article = {}
    for (headword, _, where), sc in zip(entries, scores):
        key = re.sub(r"[^a-z]", "", fold_accents(_spelling(headword)))
        if sc is not None:
            d = by_article.setdefault(where, {})
            d[key] = max(d.get(key, 0.0), sc)
    # An article without a pronunciation is owned by the headwords that
    # its text uses (MERCATOR's article, where GUERRIER is also filed).
    # Another spelling of an owner (ABÉQUÉ beside ABECQUÉ) is not told apart.
    users = {}
    for headword, text, where in entries:
        if not prons[where] and uses_word(_spelling(headword), text):
            users.setdefault(where, set()).add(sound(_spelling(headword)))
    out = []
    for (headword, text, where), sc in zip(entries, scores):
        key = re.sub(r"[^a-z]", "", fold_accents(_spelling(headword)))
        other = max([v for k, v in by_article.get(where, {}).items() if k != key] or [0.0])
        mine = sound(_spelling(headword))
        if any(difflib.SequenceMatcher(None, mine, u, autojunk=False).ratio() < KEEP_SCORE
               for u in users.get(where, ())):
            other = max(other, OWNER_SCORE)
        if sc is not None and sc >= KEEP_SCORE and not _same_first_sound(
                _spelling(headword), prons[where]):
            sc = DOUBTFUL_SCORE
        # Whether the text uses the word only matters below KEEP_SCORE.
        uses = sc is not None and sc >= KEEP_SCORE or uses_word(_spelling(headword), text)
        out.append((sc, other, uses))
    return out


# A headword that does not begin with the first sound of any of its
# article's pronunciations (SABOULER at the article "(ra-bi-ou-l')", U at
# "(iks')") only matches it by chance: it is doubtful whatever its score.
DOUBTFUL_SCORE = (KEEP_SCORE + DOUBT_SCORE) / 2


_FIRST_SOUND_CLASSES = [set("szcjx"), set("kgq")]


def _first_sound(key):
    """The first consonant sound of a sound key, '' for a vowel."""
    c = key[:1]
    if not c or c in "aeiouy":
        return ""
    return next((min(k) for k in _FIRST_SOUND_CLASSES if c in k), c)


def _same_first_sound(word, prons):
    first = _first_sound(sound(word))
    keys = [sound(p, written=False) for p in prons]
    return not first or any(k and _first_sound(k) in ("", first) for k in keys)


def filed_at_own_article(score, other, uses):
    """The rule: is an index entry filed at its own word's article?"""
    owned_elsewhere = other >= OWNER_SCORE
    if score is None:
        return uses or not owned_elsewhere
    if score >= KEEP_SCORE:
        return True
    if score >= DOUBT_SCORE:
        return uses or not owned_elsewhere
    return uses and not owned_elsewhere


# --- Homographs: what an article is about -----------------------------------
#
# Several articles may fold to one word of the list (FORÊT and FORET, the
# homonyms SOURIS 1 and 2).  These helpers read what the choice among them
# needs: the article's part of speech, whether it is a participle's, whether
# it belongs to a compound.

# Grammatical labels of a header or of the head of a sense, and the classes
# they give (a participle's article is both a verb's and an adjective's).
_CLASS_LABELS = [
    (re.compile(r"\bpart\. (?:passé|prés)"), {"v", "adj"}),
    (re.compile(r"(?:^|[\s,(])[Ss]\. ?[mf]\.|\bsubst\."), {"n"}),
    (re.compile(r"(?:^|[\s,(])[Vv]\. (?:a|n|réfl|pron|impers)\."), {"v"}),
    (re.compile(r"\b[Aa]dj\."), {"adj"}),
    (re.compile(r"(?:^|[\s,(])(?:[Aa]dv\.|loc\. adv)"), {"adv"}),
    (re.compile(r"\b[Pp]rép(?:\.|os\.)|\bloc\. prép"), {"prép"}),
    (re.compile(r"\b[Cc]onj\."), {"conj"}),
    (re.compile(r"\b[Ii]nterj(?:\.|ect\.)"), {"interj"}),
    (re.compile(r"\b[Pp]ron\."), {"pron"}),
    (re.compile(r"\b[Aa]rt\."), {"art"}),
]
_PARTICIPLE_RE = re.compile(r"\bpart\. (?:passé|prés)")


def _header_words(entry):
    """The header's grammatical words without its pronunciations, then the
    start of the first sense (HIER, "(bi-é)", writes its class there:
    "V. a. Enfoncer avec la hie.")."""
    label = grammar_label(entry)
    while True:
        bare = re.sub(r"\([^()]*\)", " ", label)
        if bare == label:
            break
        label = bare
    main = _main_text(entry)
    senses = list(_SENSE_RE.finditer(main))
    start = _plain(main[senses[0].end():] if senses else main).strip()[:24]
    return label, start


def article_classes(entry):
    """The classes (n, v, adj, adv...) that the article's header gives its
    word, or, without any there, the head of its first sense; an empty set
    when neither names one."""
    for text in _header_words(entry):
        found = set()
        for rx, codes in _CLASS_LABELS:
            if rx.search(text):
                found |= codes
        if found:
            return found
    return set()


def is_participle_article(entry):
    """True for the article of a participle ("part. passé de terrer")."""
    return bool(_PARTICIPLE_RE.search(_header_words(entry)[0]))


# The part of a headword in parentheses that makes it a compound of the
# word: "AUGUSTIN (SAINT-)", "JAVELLE (EAU DE)", "AMMON (CORNE D')".  The
# pronouns of a verb ("ABSENTER (S')"), the particles of a locution
# ("CATIMINI (EN)", "EXTENSO (IN-)", "GO (TOUT DE)") and a title ("MOGOL
# (GRAND)") leave the article the word's own.
_COMPOUND_PART_RE = re.compile(
    r"\((?:SAINTE?-?|(?:LE )?(?!TOUT\b)[A-ZÀ-ÝŒ]{3,} D(?:E|'))\)")


def names_compound(headword):
    return bool(_COMPOUND_PART_RE.search(headword))


def defines_compound(spelling, sense):
    """True when a first sense opens on a compound of the word and
    defines that ("Wagon-vanne, sorte d'écluse portative...")."""
    k = fold_accents(spelling).lower()
    m = re.match(r"^([^\W\d_]+(?:[-'][^\W\d_]+)+)\s*,", sense)
    return bool(m) and k in fold_accents(m.group(1)).lower().replace("'", "-").split("-")


def article_weight(entry):
    """How much the article says of its word: the length of its own text,
    quotations, history and etymology aside.  A word's main article is far
    longer than a rare homonym's (SOURIS the animal, SOURIS the smile)."""
    return len(re.sub(r"\s+", " ", _plain(_main_text(entry))).strip())


def sense_count(entry):
    """The number of numbered senses ("1°", "2°"...) that the article
    develops before its history and etymology."""
    return len(_SENSE_RE.findall(_main_text(entry)))


def homonym_number(headword):
    """'SOL.2' -> 2, 'FIERTÉ, ÉE.2' -> 2; 0 for a headword without a number."""
    m = re.search(r"\.(\d+)$", headword.strip())
    return int(m.group(1)) if m else 0
