// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/ClesAnagrammes.h"

#include <array>
#include <utility>

namespace {
template <class Char>
quint64 trie(const Char* p, qsizetype n)
{
    if (n <= 0 || n > 12)
        return 0;
    unsigned rangs[12];
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned l = unsigned(p[i]) - unsigned('A');
        if (l > 25)
            return 0;
        qsizetype j = i;  // insertion sort: the words are short
        for (; j > 0 && rangs[j - 1] > l; --j)
            rangs[j] = rangs[j - 1];
        rangs[j] = l;
    }
    quint64 cle = 0;
    for (qsizetype j = n - 1; j >= 0; --j)
        cle = (cle << 5) | (rangs[j] + 1);
    return cle;
}

template <class Char>
quint64 alpha(const Char* p, qsizetype n)
{
    if (n <= 0 || n > 12)
        return 0;
    quint64 cle = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned l = unsigned(p[i]) - unsigned('A');
        if (l > 25)
            return 0;
        cle = (cle << 5) | (l + 1);
    }
    return cle << (5 * (12 - n));
}
}

quint64 cleTriee(QByteArrayView mot)
{
    return trie(reinterpret_cast<const unsigned char*>(mot.data()), mot.size());
}
quint64 cleTriee(QStringView mot)
{
    return trie(mot.utf16(), mot.size());
}
quint64 cleAlpha(QByteArrayView mot)
{
    return alpha(reinterpret_cast<const unsigned char*>(mot.data()), mot.size());
}
quint64 cleAlpha(QStringView mot)
{
    return alpha(mot.utf16(), mot.size());
}

ClesAnagrammes::ClesAnagrammes(const AnagramIndex& index)
    : index_(&index), buckets_(index.AnaBuckets.data()), version_(index.version())
{
    if (!index.built())
        return;
    // The keys are computed in the order of the words' numbers, which is their order in
    // memory; the slots then only gather them.
    std::vector<quint64> cles(size_t(index.nombreMots()) + 1, 0);
    for (qint32 m = 1; m <= index.nombreMots(); ++m)
        cles[size_t(m)] = cleTriee(index.octets(m));
    constexpr size_t nbBlocs = (size_t(AnagramIndex::kSlots) + 63) / 64;
    // The words grouped by length: where the next word of each length goes, and where each
    // run of a length starts.
    std::array<quint32, kLongueurMax + 1> suivant{};
    for (qint32 m = 1; m <= index.nombreMots(); ++m)
        if (cles[size_t(m)] != 0)
            ++suivant[size_t(longueurCle(cles[size_t(m)]))];
    quint32 total = 0;
    for (quint32& n : suivant)
        total += std::exchange(n, total);
    entrees.resize(total);
    std::array<std::vector<quint32>, kLongueurMax + 1> debuts;
    for (int l = 1; l <= kLongueurMax; ++l)
        blocs_[l].assign(nbBlocs, Bloc{});
    std::vector<Entree> slot;
    for (qint32 h = 0; h < AnagramIndex::kSlots; ++h) {
        const AnagramIndex::AnaBucket* b = index.bucket(h);
        if (b->Head == 0)
            continue;
        slot.clear();
        const auto place = [&](qint32 m) {
            quint32 canon = quint32(m);
            // A word stored twice in the slot: both entries take the number of the first.
            for (size_t x = 0; !index.ordonne() && x < slot.size(); ++x)
                if (slot[x].cle == cles[size_t(m)] && index.octets(qint32(slot[x].mot)) == index.octets(m)) {
                    canon = slot[x].canon;
                    break;
                }
            slot.push_back({cles[size_t(m)], quint32(m), canon});
        };
        place(b->Head);
        if (b->HasMore)
            for (qint32 i = b->Premier; i != 0; i = index.suivant(i))
                place(index.AnaPool[size_t(i)]);
        for (const Entree& e : slot) {
            if (e.cle == 0)
                continue;
            const int l = longueurCle(e.cle);
            Bloc& bloc = blocs_[l][size_t(h) >> 6];
            const quint64 bit = quint64(1) << (h & 63);
            if (!(bloc.bits & bit)) {
                bloc.bits |= bit;
                debuts[size_t(l)].push_back(suivant[size_t(l)]);
            }
            entrees[suivant[size_t(l)]++] = e;
        }
    }
    // The runs numbered by length, then slot; each block counts the runs before it.
    quint32 runs = 0;
    for (int l = 1; l <= kLongueurMax; ++l) {
        debut.insert(debut.end(), debuts[size_t(l)].begin(), debuts[size_t(l)].end());
        for (Bloc& bloc : blocs_[l]) {
            bloc.avant = runs;
            runs += quint32(nbBits64(bloc.bits));
        }
    }
    debut.push_back(quint32(entrees.size()));
}

bool ClesAnagrammes::decrit(const AnagramIndex& index) const
{
    return &index == index_ && index.built() && !debut.empty() && index.AnaBuckets.data() == buckets_ &&
           index.version() == version_;
}
