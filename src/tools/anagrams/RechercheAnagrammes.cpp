// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/RechercheAnagrammes.h"

#include "common/TextHelpers.h"
#include "tools/anagrams/ClesAnagrammes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

int longueurMinimale(const QString& texte)
{
    // The leading number, as a basic Val reads it: blanks anywhere are skipped.
    QString t;
    for (QChar c : texte)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            t += c;
    qsizetype i = 0;
    QString nombre;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        nombre += t[i++];
    qsizetype chiffres = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        nombre += t[i++];
        ++chiffres;
    }
    if (i < t.size() && t[i] == u'.') {
        nombre += t[i++];
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            nombre += t[i++];
            ++chiffres;
        }
    }
    double v = 0;
    if (chiffres > 0) {
        if (i < t.size() && (t[i] == u'E' || t[i] == u'e' || t[i] == u'D' || t[i] == u'd')) {
            qsizetype j = i + 1;
            QString exposant = QStringLiteral("e");
            if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
                exposant += t[j++];
            const qsizetype debut = j;
            while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
                exposant += t[j++];
            if (j > debut)
                nombre += exposant;
        }
        v = nombre.toDouble();
    }
    if (!(v >= 2))  // also a text that reads as no number
        return 2;
    if (v > 15)
        return 15;
    return int(std::nearbyint(v));  // the default rounding: half to even
}

QString sansBlancs(const QString& texte)
{
    QString out = texte;
    out.remove(u' ');
    return out;
}

namespace {

constexpr int kSlots = AnagramIndex::kSlots;

// The number of bits set in a mask of at most 12 bits, by table: the release build targets
// processors without a population-count instruction, where std::popcount is a library call.
struct TableBits {
    quint8 n[1 << kMaxLettresAna];
    constexpr TableBits() : n{}
    {
        for (int m = 1; m < (1 << kMaxLettresAna); ++m)
            n[m] = quint8(n[m >> 1] + (m & 1));
    }
};
inline constexpr TableBits kTableBits{};
inline int nbBits(quint32 m)
{
    return kTableBits.n[m & ((1u << kMaxLettresAna) - 1)];
}

inline void precharge(const void* p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// Working letters: how many times each letter A to Z may be used.
struct Reserve {
    quint8 n[26] = {};
};

// True when the word whose sorted letters are packed in `cle` (cleTriee) has `taille`
// letters, each of them found among the working letters and used no more often than there.
inline bool tient(quint64 cle, int taille, const Reserve& travail)
{
    if (cle == 0 || longueurCle(cle) != taille)
        return false;
    Reserve reste = travail;
    for (; cle; cle >>= 5)
        if (reste.n[(cle & 31) - 1]-- == 0)
            return false;
    return true;
}

// What the word whose sorted letters are packed in `cle` needs beyond the base letters, when
// it has `taille` letters: -1 nothing, a letter 0 to 25 needed once more than the base letters
// hold, or -2 (wrong size, or more than one letter missing).
inline int manque(quint64 cle, int taille, const Reserve& base)
{
    if (cle == 0 || longueurCle(cle) != taille)
        return -2;
    Reserve reste = base;
    int x = -1;
    for (; cle; cle >>= 5) {
        const int l = int(cle & 31) - 1;
        if (reste.n[l] > 0) {
            --reste.n[l];
        } else {
            if (x >= 0)
                return -2;
            x = l;
        }
    }
    return x;
}

// A set of words packed by cleAlpha (each A-to-Z word of 1 to 12 letters has its own number).
class Deja {
public:
    Deja() : t_(64, 0) {}
    // True when the word was not in the set; it is then.
    bool insere(quint64 alpha)
    {
        if (2 * (n_ + 1) > t_.size())
            agrandit();
        size_t i = melange(alpha) & (t_.size() - 1);
        while (t_[i] != 0) {
            if (t_[i] == alpha)
                return false;
            i = (i + 1) & (t_.size() - 1);
        }
        t_[i] = alpha;
        ++n_;
        return true;
    }

private:
    static size_t melange(quint64 x) { return size_t((x * 0x9E3779B97F4A7C15ull) >> 20); }
    void agrandit()
    {
        std::vector<quint64> ancien(t_.size() * 2, 0);
        ancien.swap(t_);
        n_ = 0;
        for (quint64 x : ancien)
            if (x != 0)
                insere(x);
    }
    std::vector<quint64> t_;
    size_t n_ = 0;
};

// One subset waiting in a prefetch queue.
struct Recherche {
    qint32 hash;
    quint64 triee;  // the subset's letters, sorted and packed
    int taille;
    const Reserve* travail;  // the working letters
    // With a joker, under the joker letter A: the number (size and base multiset) under which
    // the slot's words that need one more letter than the base letters are noted; else -1.
    qint32 note;
    // No lookup: the words noted under this number that need the joker letter `lettre`; -1
    // for a lookup.
    qint32 differe;
    int lettre;
    qint64 course = -1;  // through the packed keys: the run of the slot's words of the size
};

// The words accepted so far, and the result lists made from them at the end.
//
// With a joker, a subset of base letters gives the same slot under every joker letter, and
// only the words that need one more copy of the current joker letter can be new there: the
// slot is read once, under the letter A, and those words are noted for the later letters.
class Collecte {
public:
    // `canons`: the words come with the number of the first stored copy of their text.
    Collecte(const AnagramIndex& index, const QString& obligatoire, const Reserve* base, size_t numeros, bool canons)
        : index_(index), base_(base), plages_(numeros), lettresNotees_(numeros, 0),
          mots_((size_t(index.nombreMots()) + 64) / 64, 0), listes_(mots_.size(), 0),
          rang_(new quint32[size_t(index.nombreMots()) + 1]), canons_(canons)
    {
        // Nothing holds a mandatory text that the code page cannot write.
        for (QChar c : obligatoire) {
            const int b = c.unicode() < 0x80 ? int(c.unicode()) : windows1252Code(c);
            obligatoireImpossible_ = obligatoireImpossible_ || b < 0;
            obligatoire_ += char(b);
        }
    }

    // Before and after the words of one lookup.
    void ouvre(const Recherche& q)
    {
        if (q.note >= 0)
            plages_[size_t(q.note)].first = quint32(notes_.size());
    }
    void ferme(const Recherche& q)
    {
        if (q.note >= 0)
            plages_[size_t(q.note)].second = quint32(notes_.size());
    }
    // A word of the slot, by its number in the index, with its letters packed by cleTriee,
    // and the number of the first stored copy of its text (0 when unknown).
    void examine(quint32 mot, quint64 cle, quint32 canon, const Recherche& q)
    {
        if (cle == q.triee) {
            ajoute(mot, canon, q.taille);  // the subset's own letters fit at once
        } else if (q.note < 0) {
            if (tient(cle, q.taille, *q.travail))
                ajoute(mot, canon, q.taille);
        } else {
            const int x = manque(cle, q.taille, *base_);
            if (x == -1 || x == 0) {
                ajoute(mot, canon, q.taille);  // the joker stands for the A
            } else if (x > 0) {
                notes_.push_back({x, mot, canon});
                lettresNotees_[size_t(q.note)] |= 1u << x;
                lettresTaille_[size_t(q.taille)] |= 1u << x;
            }
        }
    }
    // True when words needing the letter were noted under this number.
    bool anote(size_t note, int lettre) const { return lettresNotees_[note] >> lettre & 1; }
    // True when words of this size needing the letter were noted at all.
    bool anoteTaille(int taille, int lettre) const { return lettresTaille_[size_t(taille)] >> lettre & 1; }
    // The noted words of a subset of base letters met under a later joker letter.
    void rappelle(const Recherche& q)
    {
        const auto [debut, fin] = plages_[size_t(q.differe)];
        for (quint32 i = debut; i < fin; ++i)
            if (notes_[i].lettre == q.lettre)
                ajoute(notes_[i].mot, notes_[i].canon, q.taille);
    }

    // Each listed word becomes a string once; its list of one length shares that string.
    void remplit(ResultatAnagrammes& r)
    {
        std::vector<QByteArrayView> octets;
        octets.reserve(tous_.size());
        for (quint32 mot : tous_)
            octets.push_back(index_.octets(qint32(mot)));
        r.LstAna = fromWindows1252(octets);
        for (int k = 2; k <= kMaxLettresAna; ++k)
            r.Lst[size_t(k)].reserve(qsizetype(parTaille_[size_t(k)]));
        if (index_.ordonne()) {
            // Numbers in ascending order are the words by length, then alphabetical: the
            // words of one length are those below the first number of a longer word.
            std::array<quint32, kMaxLettresAna + 2> fin{};
            for (int k = 0; k <= kMaxLettresAna; ++k) {
                quint32 bas = k > 0 ? fin[size_t(k - 1)] : 1, haut = quint32(index_.nombreMots()) + 1;
                while (bas < haut) {
                    const quint32 milieu = bas + (haut - bas) / 2;
                    if (index_.octets(qint32(milieu)).size() <= k)
                        bas = milieu + 1;
                    else
                        haut = milieu;
                }
                fin[size_t(k)] = bas;
            }
            fin[kMaxLettresAna + 1] = quint32(index_.nombreMots()) + 1;
            size_t k = 0;
            for (size_t w = 0; w < listes_.size(); ++w)
                for (quint64 bits = listes_[w]; bits; bits &= bits - 1) {
                    const quint32 mot = quint32(w * 64 + size_t(__builtin_ctzll(bits)));
                    while (mot >= fin[k])
                        ++k;
                    r.Lst[k].append(r.LstAna.at(rang_[mot]));
                }
            return;
        }
        std::array<std::vector<std::pair<quint64, quint32>>, kMaxLettresAna + 1> parLongueur;
        for (size_t i = 0; i < tous_.size(); ++i) {
            const QByteArrayView o = index_.octets(qint32(tous_[i]));
            parLongueur[size_t(o.size())].emplace_back(cleAlpha(o), quint32(i));
        }
        for (int k = 2; k <= kMaxLettresAna; ++k) {
            auto& mots = parLongueur[size_t(k)];
            std::sort(mots.begin(), mots.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
            for (const auto& m : mots)
                r.Lst[size_t(k)].append(r.LstAna.at(qsizetype(m.second)));
        }
    }

private:
    static bool marque(std::vector<quint64>& bits, quint32 n)
    {
        quint64& mot = bits[n / 64];
        const quint64 bit = quint64(1) << (n % 64);
        const bool deja = mot & bit;
        mot |= bit;
        return !deja;
    }
    void ajoute(quint32 mot, quint32 canon, int taille)
    {
        // Listed at its first acceptance only.
        if (canons_ ? !marque(mots_, canon) : !trouves_.insere(cleAlpha(index_.octets(qint32(mot)))))
            return;
        if (obligatoireImpossible_)
            return;
        if (obligatoire_.isEmpty() || index_.octets(qint32(mot)).contains(QByteArrayView(obligatoire_))) {
            marque(listes_, mot);
            rang_[mot] = quint32(tous_.size());
            tous_.push_back(mot);
            ++parTaille_[size_t(taille)];
        }
    }

    struct Note {
        int lettre;
        quint32 mot;
        quint32 canon;
    };
    const AnagramIndex& index_;
    QByteArray obligatoire_;
    bool obligatoireImpossible_ = false;
    const Reserve* base_;
    std::vector<std::pair<quint32, quint32>> plages_;          // note number -> its notes
    std::vector<quint32> lettresNotees_;                       // note number -> the letters its notes need
    std::array<quint32, kMaxLettresAna + 1> lettresTaille_{};  // size -> the letters its notes need
    std::vector<Note> notes_;
    std::vector<quint64> mots_;        // numbers (first copies) of every accepted word, listed or not
    std::vector<quint64> listes_;      // numbers of the listed words
    std::unique_ptr<quint32[]> rang_;  // number of a listed word -> its place in tous_
    bool canons_;
    Deja trouves_;               // the accepted words by their letters, without first copies
    std::vector<quint32> tous_;  // listed words, in the order of discovery
    std::array<qsizetype, kMaxLettresAna + 1> parTaille_{};  // listed words of each size
};

// Looks the subsets up in the order they are found, through a queue: the scattered reads of
// one lookup are prefetched in stages (every kEtage subsets, the next kind of read), so that
// they overlap instead of waiting one after the other. Lecture supplies the stages and the
// reading of one subset.
template <class Lecture>
class File {
public:
    explicit File(Lecture& lecture) : lecture_(lecture) {}

    void ajoute(Recherche q)
    {
        if (!lecture_.retient(q))
            return;
        if (n_ >= kProfondeur)
            lecture_.lit(file_[size_t(n_ % kProfondeur)]);
        file_[size_t(n_ % kProfondeur)] = q;
        ++n_;
        lecture_.etape0(q);
        for (int e = 1; e < 4; ++e)
            if (n_ > e * kEtage)
                lecture_.etape(e, file_[size_t((n_ - 1 - e * kEtage) % kProfondeur)]);
    }

    // Reads every subset still waiting.
    void vide()
    {
        for (qint64 i = std::max<qint64>(0, n_ - kProfondeur); i < n_; ++i)
            lecture_.lit(file_[size_t(i % kProfondeur)]);
        n_ = 0;
    }

private:
    static constexpr qint64 kEtage = 8;
    static constexpr qint64 kProfondeur = 4 * kEtage;
    Lecture& lecture_;
    Recherche file_[kProfondeur];
    qint64 n_ = 0;  // subsets queued so far; the last kProfondeur wait in file_
};

// Reading through the index itself: the slot, its list of pool words, the pool words, their
// letters.
class LectureIndex {
public:
    LectureIndex(const AnagramIndex& index, Collecte& c) : index_(index), c_(c) {}

    bool retient(Recherche&) { return true; }
    void etape0(const Recherche& q)
    {
        if (q.differe < 0)
            precharge(index_.bucket(q.hash));
    }
    void etape(int, const Recherche&) {}
    void lit(const Recherche& q)
    {
        if (q.differe >= 0)
            return c_.rappelle(q);
        const AnagramIndex::AnaBucket* slot = index_.bucket(q.hash);
        c_.ouvre(q);
        if (slot->Head != 0) {
            garde(slot->Head, q);
            if (slot->HasMore)
                for (qint32 i = slot->Premier; i != 0; i = index_.suivant(i))
                    garde(index_.AnaPool[size_t(i)], q);
        }
        c_.ferme(q);
    }

private:
    // Only a word of the subset's size can be accepted or noted. An index that stores no
    // text twice numbers each text once.
    void garde(qint32 mot, const Recherche& q)
    {
        const QByteArrayView o = index_.octets(mot);
        if (o.size() == q.taille)
            c_.examine(quint32(mot), cleTriee(o), index_.ordonne() ? quint32(mot) : 0, q);
    }
    const AnagramIndex& index_;
    Collecte& c_;
};

// Reading through the packed keys: whether the slot holds words of the subset's size at all
// (a subset whose slot holds none is dropped before it is queued), then the start of their
// run, then the run, which tells the words of the subset's letters without reading them.
class LectureCles {
public:
    LectureCles(const ClesAnagrammes& cles, Collecte& c) : cles_(cles), c_(c) {}

    bool retient(Recherche& q)
    {
        if (q.differe >= 0)
            return true;
        q.course = cles_.course(q.taille, q.hash);
        return q.course >= 0;
    }
    void etape0(const Recherche& q)
    {
        if (q.differe < 0)
            precharge(&cles_.debut[size_t(q.course)]);
    }
    void etape(int e, const Recherche& q)
    {
        if (e != 1 || q.differe >= 0)
            return;
        const quint32 d = cles_.debut[size_t(q.course)];
        const quint32 f = cles_.debut[size_t(q.course) + 1];
        precharge(&cles_.entrees[d]);
        precharge(&cles_.entrees[f - 1]);  // a run may end on the next cache line
    }
    void lit(const Recherche& q)
    {
        if (q.differe >= 0)
            return c_.rappelle(q);
        const quint32 d = cles_.debut[size_t(q.course)];
        const quint32 f = cles_.debut[size_t(q.course) + 1];
        c_.ouvre(q);
        for (quint32 i = d; i < f; ++i) {
            const ClesAnagrammes::Entree& e = cles_.entrees[i];
            c_.examine(e.mot, e.cle, e.canon, q);
        }
        c_.ferme(q);
    }

private:
    const ClesAnagrammes& cles_;
    Collecte& c_;
};

// The search, step by step: the typed letters become base letters (and at most one joker);
// tables give, for each subset of base letters as a mask, its letters sorted, its index slot
// and the number of its multiset; then, from the longest size down to the minimum and, with a
// joker, for each joker letter A to Z, every subset of that size is looked up once per
// multiset, through a prefetching queue that reads either the index or its packed keys. The
// words accepted are collected and become the result lists at the end.

// The typed letters as the search reads them. Bit b of a mask selects the character n - 1 - b
// of the letters. The joker's bit, if any, is taken out: the other characters ("base
// letters") keep their order in the base masks.
struct Lettres {
    int n = 0;  // characters, the joker included
    bool joker = false;
    int bitJoker = -1;               // the joker's bit among all characters, or -1
    int nb = 0;                      // base letters
    std::vector<int> lettreBase;     // base bit -> 0 to 25, or -1 for a character that is no letter
    std::vector<char16_t> codeBase;  // base bit -> its character
    quint32 empoisonne = 0;          // base bits whose character no word of A to Z can hold
    // The base letters in ascending code order ("places"): a subset read place by place gives
    // its sorted letters, so its index slot can be hashed one letter at a time.
    std::vector<int> ordre;           // place -> base bit
    std::vector<int> place;           // base bit -> place
    std::vector<char16_t> codePlace;  // place -> its character
    // A multiset of base letters as a number: one digit per distinct letter (the number of its
    // copies taken), so that equal subsets share one number and one lookup.
    std::vector<int> rang = std::vector<int>(26, 0);    // letter -> the weight of its digit
    std::vector<int> copies = std::vector<int>(26, 0);  // letter -> its copies among the base letters
    int produit = 1;                                    // the count of multiset numbers
};

void separeJoker(Lettres& l, const QString& s)
{
    l.n = int(s.size());
    l.joker = s.count(u'?') == 1;
    l.bitJoker = l.joker ? l.n - 1 - int(s.indexOf(u'?')) : -1;
    l.nb = l.joker ? l.n - 1 : l.n;
    l.lettreBase.resize(size_t(l.nb));
    l.codeBase.resize(size_t(l.nb));
    for (int b = 0, bo = 0; bo < l.n; ++bo) {
        if (bo == l.bitJoker)
            continue;
        const char16_t c = s.at(l.n - 1 - bo).unicode();
        l.codeBase[size_t(b)] = c;
        l.lettreBase[size_t(b)] = (c >= u'A' && c <= u'Z') ? c - u'A' : -1;
        if (l.lettreBase[size_t(b)] < 0)
            l.empoisonne |= 1u << b;
        ++b;
    }
}

void ordonnePlaces(Lettres& l)
{
    l.ordre.resize(size_t(l.nb));
    for (int b = 0; b < l.nb; ++b)
        l.ordre[size_t(b)] = b;
    std::stable_sort(l.ordre.begin(), l.ordre.end(),
                     [&](int x, int y) { return l.codeBase[size_t(x)] < l.codeBase[size_t(y)]; });
    l.place.resize(size_t(l.nb));
    l.codePlace.resize(size_t(l.nb));
    for (int p = 0; p < l.nb; ++p) {
        l.place[size_t(l.ordre[size_t(p)])] = p;
        l.codePlace[size_t(p)] = l.codeBase[size_t(l.ordre[size_t(p)])];
    }
}

void numeroteMultiensembles(Lettres& l)
{
    for (int p = 0; p < l.nb; ++p) {
        const int x = l.lettreBase[size_t(l.ordre[size_t(p)])];
        if (x >= 0)
            ++l.copies[size_t(x)];
    }
    for (int x = 0; x < 26; ++x)
        if (l.copies[size_t(x)] > 0) {
            l.rang[size_t(x)] = l.produit;
            l.produit *= l.copies[size_t(x)] + 1;
        }
}

Lettres litLettres(const QString& s)
{
    Lettres l;
    separeJoker(l, s);
    ordonnePlaces(l);
    numeroteMultiensembles(l);
    return l;
}

// What each subset of base letters gives, by its mask, and the masks to look up by size.
struct TablesMasques {
    std::vector<quint16> masquePlaces;     // base mask -> mask of places
    std::vector<quint16> numero;           // base mask -> its multiset's number
    std::vector<qint32> hashPlaces;        // mask of places -> slot of its letters
    std::vector<quint64> triPlaces;        // mask of places -> its letters packed
    qint32 puissance[kMaxLettresAna + 1];  // 256^k mod the number of slots
    // The masks of all characters of each size, highest first; and those that hold the joker.
    std::vector<std::vector<quint16>> masquesTaille, masquesJoker;
};

// Each table entry extends the entry of the mask without its lowest bit (or its highest place).
void remplitTablesPlaces(TablesMasques& t, const Lettres& l)
{
    const size_t nbMasques = size_t(1) << l.nb;
    t.masquePlaces.assign(nbMasques, 0);
    t.numero.assign(nbMasques, 0);
    t.hashPlaces.assign(nbMasques, 0);
    t.triPlaces.assign(nbMasques, 0);
    for (size_t m = 1; m < nbMasques; ++m) {
        const int b = std::countr_zero(m);
        const size_t reste = m & (m - 1);
        t.masquePlaces[m] = quint16(t.masquePlaces[reste] | (1u << l.place[size_t(b)]));
        const int x = l.lettreBase[size_t(b)];
        t.numero[m] = quint16(t.numero[reste] + (x >= 0 ? l.rang[size_t(x)] : 0));
        // Places in ascending order: the highest place is the last letter of the key.
        const int haut = std::bit_width(m) - 1;
        const size_t sansHaut = m ^ (size_t(1) << haut);
        t.hashPlaces[m] = qint32((qint64(t.hashPlaces[sansHaut]) * 256 + l.codePlace[size_t(haut)]) % kSlots);
        const int lp = l.lettreBase[size_t(l.ordre[size_t(haut)])];
        t.triPlaces[m] = t.triPlaces[sansHaut] | (quint64(lp + 1) << (5 * nbBits(quint32(sansHaut))));
    }
    t.puissance[0] = 1;
    for (int k = 1; k <= kMaxLettresAna; ++k)
        t.puissance[k] = qint32(qint64(t.puissance[k - 1]) * 256 % kSlots);
}

void rangeMasques(TablesMasques& t, const Lettres& l)
{
    t.masquesTaille.resize(size_t(l.n) + 1);
    t.masquesJoker.resize(size_t(l.n) + 1);
    for (int m = (1 << l.n) - 1; m >= 3; --m) {
        t.masquesTaille[size_t(nbBits(quint32(m)))].push_back(quint16(m));
        if (l.joker && (m >> l.bitJoker & 1))
            t.masquesJoker[size_t(nbBits(quint32(m)))].push_back(quint16(m));
    }
}

TablesMasques tablesMasques(const Lettres& l)
{
    TablesMasques t;
    remplitTablesPlaces(t, l);
    rangeMasques(t, l);
    return t;
}

// The working letters: the base letters, and for each joker letter the base letters with the
// joker letter once more.
struct Reserves {
    Reserve base;
    std::vector<Reserve> travail;
};

Reserves reserves(const Lettres& l)
{
    Reserves r;
    for (int x = 0; x < 26; ++x)
        r.base.n[x] = quint8(l.copies[size_t(x)]);
    r.travail.assign(l.joker ? 26 : 1, r.base);
    if (l.joker)
        for (int a = 0; a < 26; ++a)
            ++r.travail[size_t(a)].n[a];
    return r;
}

// The main loop: every size from the longest down, every joker letter, every subset; each
// multiset is queued for lookup once per size and joker letter.
template <class Queue>
class Parcours {
public:
    Parcours(const Lettres& l, const TablesMasques& t, const Reserves& r, Collecte& c, Queue& file)
        : l_(l), t_(t), r_(r), c_(c), file_(file),
          // Multiset numbers already looked up under the current size and joker letter: the
          // same slot read again with the same working letters can accept nothing new. Under
          // another joker letter the working letters differ, and the slot is read again.
          vus_(size_t(l.produit) * 27, 0), basBits_(l.bitJoker >= 0 ? (1u << l.bitJoker) - 1 : 0)
    {
    }

    // Returns the number of lookups.
    qsizetype parcourt(int longueurMin)
    {
        for (int taille = l_.n; taille >= longueurMin; --taille)
            for (int a = 0; a < (l_.joker ? 26 : 1); ++a) {
                if (l_.joker && a == 1)
                    file_.vide();  // the notes of this size are all taken before the later letters use them
                passe(taille, a);
            }
        file_.vide();
        return lookups_;
    }

private:
    // One size under one joker letter (the letter A without a joker).
    struct Passe {
        int taille;
        int a;  // the joker letter, 0 to 25
        const Reserve* reserve;
        char16_t codeJoker;
        quint32 masqueAvant;  // places of base letters up to the joker letter: it sorts after them
        int copiesJoker;
        quint32 masqueLettreJoker;  // the places that hold the joker letter among the base letters
        size_t premiereNote;
    };

    void passe(int taille, int a)
    {
        ++passe_;
        Passe p{taille,
                a,
                &r_.travail[size_t(a)],
                char16_t(u'A' + a),
                0,
                l_.copies[size_t(a)],
                0,
                size_t(taille) * size_t(l_.produit)};
        int avant = 0;
        while (avant < l_.nb && l_.codePlace[size_t(avant)] <= p.codeJoker)
            ++avant;
        p.masqueAvant = (1u << avant) - 1;
        p.masqueLettreJoker = p.masqueAvant & ~((1u << (avant - p.copiesJoker)) - 1);
        // Under a later joker letter, the subsets of base letters alone matter only when words
        // needing that letter were noted for this size.
        const bool baseSeule = !l_.joker || a == 0 || c_.anoteTaille(taille, a);
        for (const quint16 m : (baseSeule ? t_.masquesTaille : t_.masquesJoker)[size_t(taille)])
            sousEnsemble(m, p);
    }

    void sousEnsemble(quint16 m, const Passe& p)
    {
        const bool avecJoker = l_.joker && (m >> l_.bitJoker & 1);
        const quint32 mb = l_.joker ? ((m >> (l_.bitJoker + 1)) << l_.bitJoker) | (m & basBits_) : m;
        if (mb & l_.empoisonne)
            return;
        size_t id = t_.numero[mb];
        const quint32 mp = t_.masquePlaces[mb];
        if (avecJoker) {
            if (nbBits(mp & p.masqueLettreJoker) < p.copiesJoker)
                id += size_t(l_.rang[size_t(p.a)]);  // the joker takes a copy the subset left
            else
                id += size_t(l_.produit) * size_t(p.a + 1);  // one letter beyond the base letters
        }
        if (vus_[id] == passe_)
            return;
        vus_[id] = passe_;
        const bool multiensembleBase = id < size_t(l_.produit);
        if (l_.joker && p.a > 0 && multiensembleBase) {
            // A multiset of base letters (the joker, if taken, standing for a copy of a base
            // letter): its slot was read under the letter A, and only the words noted there for
            // this letter can be new. The same letters met again under this joker letter give
            // nothing more.
            if (c_.anote(p.premiereNote + id, p.a))
                file_.ajoute(Recherche{0, 0, p.taille, p.reserve, -1, qint32(p.premiereNote + id), p.a});
            return;
        }
        qint32 hash;
        quint64 triee;
        if (avecJoker) {
            cleAvecJoker(mp, p, hash, triee);
        } else {
            hash = t_.hashPlaces[mp];
            triee = t_.triPlaces[mp];
        }
        const bool note = l_.joker && p.a == 0 && multiensembleBase;
        ++lookups_;
        file_.ajoute(Recherche{hash, triee, p.taille, p.reserve, note ? qint32(p.premiereNote + id) : -1, -1, p.a});
    }

    // The slot and the sorted letters of a subset with the joker letter placed among its places.
    void cleAvecJoker(quint32 mp, const Passe& p, qint32& hash, quint64& triee) const
    {
        const quint32 gauche = mp & p.masqueAvant;
        const quint32 droite = mp & ~p.masqueAvant;
        const qint64 h = (qint64(t_.hashPlaces[gauche]) * 256 + p.codeJoker) % kSlots;
        hash = qint32((h * t_.puissance[nbBits(droite)] + t_.hashPlaces[droite]) % kSlots);
        const int g = nbBits(gauche);
        triee = t_.triPlaces[gauche] | (quint64(p.a + 1) << (5 * g)) | (t_.triPlaces[droite] << (5 * (g + 1)));
    }

    const Lettres& l_;
    const TablesMasques& t_;
    const Reserves& r_;
    Collecte& c_;
    Queue& file_;
    std::vector<quint16> vus_;
    quint16 passe_ = 0;
    const quint32 basBits_;
    qsizetype lookups_ = 0;
};

// The subsets looked up through a queue over a reader of the index (or of its packed keys).
template <class Lecture, class Source>
qsizetype parcourtAvec(const Source& source, const Lettres& l, const TablesMasques& t, const Reserves& r,
                       Collecte& collecte, int longueurMin)
{
    Lecture lecture(source, collecte);
    File<Lecture> file(lecture);
    return Parcours<File<Lecture>>(l, t, r, collecte, file).parcourt(longueurMin);
}

}  // namespace

ResultatAnagrammes ChercheAnagrammesTousMots(const AnagramIndex& index, const QString& lettresTapees, int longueurMin,
                                             const QString& obligatoire, const ClesAnagrammes* cles)
{
    ResultatAnagrammes r;
    const QString s = sansBlancs(lettresTapees).left(kMaxLettresAna);
    if (s.count(u'?') >= 2) {
        r.tropDeJokers = true;
        return r;
    }
    longueurMin = std::max(longueurMin, 2);
    if (s.size() < longueurMin || !index.built())
        return r;

    const Lettres l = litLettres(s);
    const TablesMasques t = tablesMasques(l);
    const Reserves travail = reserves(l);
    const bool parCles = cles && cles->decrit(index);
    Collecte collecte(index, obligatoire, &travail.base, l.joker ? size_t(l.produit) * size_t(l.n + 1) : 0,
                      parCles || index.ordonne());
    r.consultations = parCles ? parcourtAvec<LectureCles>(*cles, l, t, travail, collecte, longueurMin)
                              : parcourtAvec<LectureIndex>(index, l, t, travail, collecte, longueurMin);
    collecte.remplit(r);
    return r;
}

QString texteHeure(const QTime& t)
{
    return t.toString(QStringLiteral("hh:mm:ss"));
}

QString texteDuree(const QTime& debut, const QTime& fin)
{
    const int s = ((QTime(0, 0).secsTo(fin) - QTime(0, 0).secsTo(debut)) % 86400 + 86400) % 86400;
    return texteHeure(QTime(0, 0).addSecs(s));
}

QString texteResume(qsizetype m, const QString& duree)
{
    if (m > 0)
        return QString::number(m) + QStringLiteral(" mots trouvés en ") + duree.right(4) + QStringLiteral(" sec.");
    return QStringLiteral("Aucun mots trouvés.");
}
