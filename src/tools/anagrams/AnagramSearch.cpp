// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/AnagramSearch.h"

#include "tools/anagrams/ClesAnagrammes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
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

// A multiset of letters as 26 counts of four bits: A to P in lo, Q to Z in hi.
struct Comptes {
    quint64 lo = 0;
    quint64 hi = 0;
    bool operator==(const Comptes&) const = default;
    void ajoute(int lettre)
    {
        if (lettre < 16)
            lo += quint64(1) << (4 * lettre);
        else
            hi += quint64(1) << (4 * (lettre - 16));
    }
    bool contient(int lettre) const
    {
        return lettre < 16 ? ((lo >> (4 * lettre)) & 15) != 0 : ((hi >> (4 * (lettre - 16))) & 15) != 0;
    }
};

inline void precharge(const void* p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// True when the word is made of exactly the letters counted in `cle`; `alpha` then holds its
// letters packed in a number that sorts as the words sort.
bool accepte(const QString& mot, int taille, const Comptes& cle, quint64& alpha)
{
    if (mot.size() != taille)
        return false;
    Comptes c;
    alpha = 0;
    for (QChar ch : mot) {
        const unsigned l = unsigned(ch.unicode()) - u'A';
        if (l > 25)
            return false;
        c.ajoute(int(l));
        alpha = (alpha << 5) | (l + 1);
    }
    alpha <<= 5 * (kMaxLettresAna - taille);
    return c == cle;
}

// The words accepted so far, and the result lists made from them at the end.
class Collecte {
public:
    // `obligatoireVu`: the lookups already left out every subset without the mandatory
    // letter, so every word made of a subset's letters holds it.
    Collecte(const QString& obligatoire, bool obligatoireVu)
        : obligatoire_(obligatoire), aVerifier_(!obligatoire.isEmpty() && !obligatoireVu)
    {
    }

    // Words of one key are found together, at the key's first lookup: a word already
    // listed can only come again as a duplicate within the slot being read.
    void nouveauSlot() { trouves_.clear(); }
    // A word of the slot, kept when it is made of the subset's letters.
    void garde(const QString& mot, int taille, const Comptes& cle)
    {
        quint64 alpha;
        if (accepte(mot, taille, cle, alpha))
            ajoute(mot, alpha, taille);
    }
    // A word known to be made of the subset's letters, packed in `alpha`.
    void ajoute(const QString& mot, quint64 alpha, int taille)
    {
        for (quint64 t : trouves_)
            if (t == alpha)
                return;
        trouves_.push_back(alpha);
        if (!aVerifier_ || mot.contains(obligatoire_)) {
            tous_.push_back(&mot);
            parLongueur_[size_t(taille)].emplace_back(alpha, &mot);
        }
    }

    void remplit(AnagramResult& r)
    {
        // The words are scattered in memory: each is prefetched a few words ahead of its copy.
        constexpr size_t kAvance = 16;
        r.LstAna.reserve(qsizetype(tous_.size()));
        for (size_t i = 0; i < tous_.size(); ++i) {
            if (i + kAvance < tous_.size())
                precharge(tous_[i + kAvance]);
            r.LstAna.append(*tous_[i]);
        }
        for (int k = 2; k <= kMaxLettresAna; ++k) {
            auto& mots = parLongueur_[size_t(k)];
            std::sort(mots.begin(), mots.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
            QStringList& lst = r.Lst[size_t(k)];
            lst.reserve(qsizetype(mots.size()));
            for (const auto& m : mots)
                lst.append(*m.second);
        }
    }

private:
    const QString& obligatoire_;
    bool aVerifier_;
    std::vector<quint64> trouves_;      // accepted words of the current slot
    std::vector<const QString*> tous_;  // listed words, in the order of discovery
    std::array<std::vector<std::pair<quint64, const QString*>>, kMaxLettresAna + 1> parLongueur_;
};

// One subset waiting in a prefetch queue.
struct Recherche {
    qint32 hash;
    Comptes cle;
    quint64 triee;
    int taille;
};

// Looks the subsets up in the order they are found, through a queue: the scattered reads of
// one lookup are prefetched in stages (every kEtage subsets, the next kind of read), so that
// they overlap instead of waiting one after the other. Lecture supplies the stages and the
// reading of one subset.
template <class Lecture>
class File {
public:
    explicit File(Lecture& lecture) : lecture_(lecture) {}

    void ajoute(const Recherche& q)
    {
        if (n_ >= kProfondeur)
            lecture_.lit(file_[size_t(n_ % kProfondeur)]);
        file_[size_t(n_ % kProfondeur)] = q;
        ++n_;
        lecture_.etape0(q);
        for (int e = 1; e < 4; ++e)
            if (n_ > e * kEtage)
                lecture_.etape(e, file_[size_t((n_ - 1 - e * kEtage) % kProfondeur)]);
    }

    void termine()
    {
        for (qint64 i = std::max<qint64>(0, n_ - kProfondeur); i < n_; ++i)
            lecture_.lit(file_[size_t(i % kProfondeur)]);
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

    void etape0(const Recherche& q) { precharge(index_.bucket(q.hash)); }
    void etape(int e, const Recherche& q)
    {
        const AnagramIndex::AnaBucket* slot = index_.bucket(q.hash);
        if (e == 1) {
            if (!slot->More.empty())
                precharge(slot->More.data());
            if (slot->Head.size() == q.taille)
                precharge(slot->Head.constData());
        } else if (e == 2) {
            for (qint32 i : slot->More)
                precharge(&index_.poolWord(i));
        } else {
            for (qint32 i : slot->More)
                if (const QString& mot = index_.poolWord(i); mot.size() == q.taille)
                    precharge(mot.constData());
        }
    }
    void lit(const Recherche& q)
    {
        const AnagramIndex::AnaBucket* slot = index_.bucket(q.hash);
        if (slot->Head.isEmpty())
            return;
        c_.nouveauSlot();
        c_.garde(slot->Head, q.taille, q.cle);
        for (qint32 i : slot->More)
            c_.garde(index_.poolWord(i), q.taille, q.cle);
    }

private:
    const AnagramIndex& index_;
    Collecte& c_;
};

// Reading through the packed keys: the start of the slot's run, then the run, which tells
// the words of the subset's letters and their alphabetical order without reading them.
class LectureCles {
public:
    LectureCles(const ClesAnagrammes& cles, Collecte& c) : cles_(cles), c_(c) {}

    void etape0(const Recherche& q) { precharge(&cles_.debut[size_t(q.hash)]); }
    void etape(int e, const Recherche& q)
    {
        if (e != 1)
            return;
        const quint32 d = cles_.debut[size_t(q.hash)];
        if (d < cles_.debut[size_t(q.hash) + 1])
            precharge(&cles_.entrees[d]);
    }
    void lit(const Recherche& q)
    {
        const quint32 d = cles_.debut[size_t(q.hash)];
        const quint32 f = cles_.debut[size_t(q.hash) + 1];
        c_.nouveauSlot();
        for (quint32 i = d; i < f; ++i)
            if (const ClesAnagrammes::Entree& e = cles_.entrees[i]; e.cle == q.triee)
                c_.ajoute(*e.mot, e.alpha, q.taille);
    }

private:
    const ClesAnagrammes& cles_;
    Collecte& c_;
};

} // namespace

AnagramResult ChercheAnagrammesTousMots(const AnagramIndex& index, const QString& lettresTapees,
                                        int longueurMin, const QString& obligatoire, const ClesAnagrammes* cles)
{
    AnagramResult r;
    const QString s = sansBlancs(lettresTapees).left(kMaxLettresAna);
    const int n = int(s.size());
    const qsizetype jokers = s.count(u'?');
    if (jokers >= 2) {
        r.tropDeJokers = true;
        return r;
    }
    longueurMin = std::max(longueurMin, 2);
    if (n < longueurMin || !index.built())
        return r;

    // Bit b of a mask selects the character n - 1 - b of the letters. The joker's bit, if
    // any, is taken out: the other characters ("base letters") keep their order in the
    // base masks.
    const bool joker = jokers == 1;
    const int posJoker = joker ? int(s.indexOf(u'?')) : -1;
    const int bitJoker = joker ? n - 1 - posJoker : -1;
    const int nb = joker ? n - 1 : n;
    std::vector<int> lettreBase(static_cast<size_t>(nb));  // 0 to 25, or -1 for a character that is no letter
    std::vector<char16_t> codeBase(static_cast<size_t>(nb));
    quint32 empoisonne = 0;  // base bits whose character no word of A to Z can hold
    for (int b = 0, bo = 0; bo < n; ++bo) {
        if (bo == bitJoker)
            continue;
        const char16_t c = s.at(n - 1 - bo).unicode();
        codeBase[size_t(b)] = c;
        lettreBase[size_t(b)] = (c >= u'A' && c <= u'Z') ? c - u'A' : -1;
        if (lettreBase[size_t(b)] < 0)
            empoisonne |= 1u << b;
        ++b;
    }

    // The base letters in ascending code order ("places"): a subset read place by place
    // gives its sorted letters, so its index slot can be hashed one letter at a time.
    std::vector<int> ordre(static_cast<size_t>(nb));
    for (int b = 0; b < nb; ++b)
        ordre[size_t(b)] = b;
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int x, int y) { return codeBase[size_t(x)] < codeBase[size_t(y)]; });
    std::vector<int> place(static_cast<size_t>(nb));
    std::vector<char16_t> codePlace(static_cast<size_t>(nb));
    for (int p = 0; p < nb; ++p) {
        place[size_t(ordre[size_t(p)])] = p;
        codePlace[size_t(p)] = codeBase[size_t(ordre[size_t(p)])];
    }

    // A multiset of base letters as a number: one digit per distinct letter (the number of
    // its copies taken), so that equal subsets share one number and one lookup.
    std::vector<int> rang(26, 0), copies(26, 0);
    int produit = 1;
    for (int p = 0; p < nb; ++p) {
        const int l = lettreBase[size_t(ordre[size_t(p)])];
        if (l >= 0)
            ++copies[size_t(l)];
    }
    for (int l = 0; l < 26; ++l)
        if (copies[size_t(l)] > 0) {
            rang[size_t(l)] = produit;
            produit *= copies[size_t(l)] + 1;
        }

    const size_t nbMasques = size_t(1) << nb;
    std::vector<quint16> masquePlaces(nbMasques, 0);  // base mask -> mask of places
    std::vector<quint16> numero(nbMasques, 0);        // base mask -> its multiset's number
    std::vector<Comptes> comptes(nbMasques);          // base mask -> letter counts
    std::vector<qint32> hashPlaces(nbMasques, 0);     // mask of places -> slot of its letters
    std::vector<quint64> triPlaces(nbMasques, 0);     // mask of places -> its letters packed
    for (size_t m = 1; m < nbMasques; ++m) {
        const int b = std::countr_zero(m);
        const size_t reste = m & (m - 1);
        masquePlaces[m] = quint16(masquePlaces[reste] | (1u << place[size_t(b)]));
        const int l = lettreBase[size_t(b)];
        numero[m] = quint16(numero[reste] + (l >= 0 ? rang[size_t(l)] : 0));
        comptes[m] = comptes[reste];
        if (l >= 0)
            comptes[m].ajoute(l);
        // Places in ascending order: the highest place is the last letter of the key.
        const int haut = std::bit_width(m) - 1;
        const size_t sansHaut = m ^ (size_t(1) << haut);
        hashPlaces[m] = qint32((qint64(hashPlaces[sansHaut]) * 256 + codePlace[size_t(haut)]) % kSlots);
        const int lp = lettreBase[size_t(ordre[size_t(haut)])];
        triPlaces[m] = triPlaces[sansHaut] | (quint64(lp + 1) << (5 * std::popcount(sansHaut)));
    }
    qint32 puissance[kMaxLettresAna + 1];  // 256^k mod the number of slots
    puissance[0] = 1;
    for (int k = 1; k <= kMaxLettresAna; ++k)
        puissance[k] = qint32(qint64(puissance[k - 1]) * 256 % kSlots);

    // The masks of each size, highest first.
    std::vector<std::vector<quint16>> masquesTaille(size_t(n) + 1);
    for (int m = (1 << n) - 1; m >= 3; --m)
        masquesTaille[size_t(std::popcount(unsigned(m)))].push_back(quint16(m));

    const int J = joker ? 26 : 1;
    std::vector<bool> vus(size_t(produit) * 27, false);  // multiset numbers already looked up
    const char16_t oblig = obligatoire.size() == 1 ? obligatoire.at(0).unicode() : 0;
    const int lettreOblig = (oblig >= u'A' && oblig <= u'Z') ? oblig - u'A' : -1;

    Collecte collecte(obligatoire, lettreOblig >= 0);
    const bool parCles = cles && cles->decrit(index);
    LectureIndex lectureIndex(index, collecte);
    File<LectureIndex> fileIndex(lectureIndex);
    std::optional<LectureCles> lectureCles;
    std::optional<File<LectureCles>> fileCles;
    if (parCles) {
        lectureCles.emplace(*cles, collecte);
        fileCles.emplace(*lectureCles);
    }
    const quint32 basBits = bitJoker >= 0 ? (1u << bitJoker) - 1 : 0;
    for (int taille = n; taille >= longueurMin; --taille) {
        for (int a = 0; a < J; ++a) {
            const char16_t codeJoker = char16_t(u'A' + a);
            // Places of base letters up to the joker letter: the joker sorts after them.
            int avant = 0;
            while (avant < nb && codePlace[size_t(avant)] <= codeJoker)
                ++avant;
            const quint32 masqueAvant = (1u << avant) - 1;
            // The places that hold the joker letter among the base letters.
            const int copiesJoker = copies[size_t(a)];
            const quint32 masqueLettreJoker = masqueAvant & ~((1u << (avant - copiesJoker)) - 1);

            for (const quint16 m : masquesTaille[size_t(taille)]) {
                const bool avecJoker = joker && (m >> bitJoker & 1);
                // A subset without the joker gives the same letters for every joker letter:
                // it was met under the first one.
                if (joker && !avecJoker && a > 0)
                    continue;
                const quint32 mb = joker ? ((m >> (bitJoker + 1)) << bitJoker) | (m & basBits) : m;
                if (mb & empoisonne)
                    continue;
                Comptes cle = comptes[mb];
                size_t id = numero[mb];
                qint32 hash;
                quint64 triee;
                const quint32 mp = masquePlaces[mb];
                if (avecJoker) {
                    cle.ajoute(a);
                    if (std::popcount(mp & masqueLettreJoker) < copiesJoker)
                        id += size_t(rang[size_t(a)]);  // the joker takes a copy the subset left
                    else
                        id += size_t(produit) * size_t(a + 1);  // one letter beyond the base letters
                    const quint32 gauche = mp & masqueAvant;
                    const quint32 droite = mp & ~masqueAvant;
                    const qint64 h = (qint64(hashPlaces[gauche]) * 256 + codeJoker) % kSlots;
                    hash = qint32((h * puissance[std::popcount(droite)] + hashPlaces[droite]) % kSlots);
                    const int g = std::popcount(gauche);
                    triee = triPlaces[gauche] | (quint64(a + 1) << (5 * g)) | (triPlaces[droite] << (5 * (g + 1)));
                } else {
                    hash = hashPlaces[mp];
                    triee = triPlaces[mp];
                }
                if (vus[id])
                    continue;
                vus[id] = true;
                if (lettreOblig >= 0 && !cle.contient(lettreOblig))
                    continue;  // no word of these letters holds the mandatory letter
                ++r.lookups;
                if (parCles)
                    fileCles->ajoute(Recherche{hash, cle, triee, taille});
                else
                    fileIndex.ajoute(Recherche{hash, cle, triee, taille});
            }
        }
    }
    if (parCles)
        fileCles->termine();
    else
        fileIndex.termine();
    collecte.remplit(r);
    return r;
}

QString HexDigitToBits(const QString& digit)
{
    static const char* const bits[16] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                                         "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
    if (digit.size() != 1)
        return QString();
    const char16_t c = digit.at(0).unicode();
    if (c >= u'0' && c <= u'9')
        return QString::fromLatin1(bits[c - u'0']);
    if (c >= u'A' && c <= u'F')
        return QString::fromLatin1(bits[c - u'A' + 10]);
    return QString();
}

QString lettres(const QString& s, qint32 nn, qint32 nbl)
{
    if (nn < 0 || nn > 4095)
        return QString();
    const QString hex = QString::number(nn, 16).toUpper().rightJustified(3, u'0');
    QString bits;
    for (QChar d : hex)
        bits += HexDigitToBits(QString(d));
    if (bits.count(u'1') != nbl)
        return QString();
    const QString place = s.rightJustified(kMaxLettresAna, u' ');
    QString out;
    for (int i = 0; i < kMaxLettresAna; ++i)
        if (bits.at(i) == u'1')
            out += place.at(i);
    return out;
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
