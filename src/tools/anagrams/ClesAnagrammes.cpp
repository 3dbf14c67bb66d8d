// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/ClesAnagrammes.h"

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
    debut.resize(size_t(AnagramIndex::kSlots) + 1);
    entrees.reserve(size_t(index.nombreMots()));
    for (qint32 h = 0; h < AnagramIndex::kSlots; ++h) {
        debut[size_t(h)] = quint32(entrees.size());
        const AnagramIndex::AnaBucket* slot = index.bucket(h);
        if (slot->Head == 0)
            continue;
        const quint32 d = quint32(entrees.size());
        const auto place = [&](qint32 m) {
            quint32 canon = quint32(m);
            // A word stored twice in the slot: both entries take the number of the first.
            for (quint32 x = d; !index.ordonne() && x < quint32(entrees.size()); ++x)
                if (entrees[x].cle == cles[size_t(m)] && index.octets(qint32(entrees[x].mot)) == index.octets(m)) {
                    canon = entrees[x].canon;
                    break;
                }
            entrees.push_back({cles[size_t(m)], quint32(m), canon});
        };
        place(slot->Head);
        if (slot->HasMore)
            for (qint32 i = slot->Premier; i != 0; i = index.suivant(i))
                place(index.AnaPool[size_t(i)]);
    }
    debut[size_t(AnagramIndex::kSlots)] = quint32(entrees.size());
}

bool ClesAnagrammes::decrit(const AnagramIndex& index) const
{
    return &index == index_ && index.built() && !debut.empty() && index.AnaBuckets.data() == buckets_ &&
           index.version() == version_;
}
