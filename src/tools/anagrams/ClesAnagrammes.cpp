// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/ClesAnagrammes.h"

quint64 cleTriee(QStringView mot)
{
    if (mot.isEmpty() || mot.size() > 12)
        return 0;
    int comptes[26] = {};
    for (QChar c : mot) {
        const unsigned l = unsigned(c.unicode()) - u'A';
        if (l > 25)
            return 0;
        ++comptes[l];
    }
    quint64 cle = 0;
    int j = 0;
    for (int l = 0; l < 26; ++l)
        for (int k = 0; k < comptes[l]; ++k, ++j)
            cle |= quint64(l + 1) << (5 * j);
    return cle;
}

quint64 cleAlpha(QStringView mot)
{
    if (mot.isEmpty() || mot.size() > 12)
        return 0;
    quint64 cle = 0;
    for (QChar c : mot) {
        const unsigned l = unsigned(c.unicode()) - u'A';
        if (l > 25)
            return 0;
        cle = (cle << 5) | (l + 1);
    }
    return cle << (5 * (12 - mot.size()));
}

ClesAnagrammes::ClesAnagrammes(const AnagramIndex& index)
    : index_(&index), buckets_(index.AnaBuckets.data()), pool_(index.AnaPool.data()),
      poolSize_(index.AnaPool.size()), poolNext_(index.AnaPoolNext)
{
    if (!index.built())
        return;
    // The pool words are read in pool order, which is the order of their letters in memory;
    // the slots then only gather their keys.
    std::vector<std::pair<quint64, quint64>> clesPool(index.AnaPool.size());
    for (qint32 i = 1; i < index.AnaPoolNext; ++i) {
        const QString& mot = index.AnaPool[size_t(i)];
        clesPool[size_t(i)] = {cleTriee(mot), cleAlpha(mot)};
    }
    debut.resize(size_t(AnagramIndex::kSlots) + 1);
    quint32 total = 0;
    for (qint32 h = 0; h < AnagramIndex::kSlots; ++h) {
        debut[size_t(h)] = total;
        const AnagramIndex::AnaBucket* slot = index.bucket(h);
        if (!slot->Head.isEmpty())
            total += quint32(1 + slot->More.size());
    }
    debut[size_t(AnagramIndex::kSlots)] = total;
    entrees.resize(total);
    for (qint32 h = 0; h < AnagramIndex::kSlots; ++h) {
        const AnagramIndex::AnaBucket* slot = index.bucket(h);
        if (slot->Head.isEmpty())
            continue;
        const quint32 d = debut[size_t(h)];
        Entree* e = &entrees[d];
        *e++ = {cleTriee(slot->Head), cleAlpha(slot->Head), &slot->Head, d};
        for (qint32 i : slot->More) {
            *e = {clesPool[size_t(i)].first, clesPool[size_t(i)].second, &index.poolWord(i), quint32(e - entrees.data())};
            ++e;
        }
        // A word stored twice in the slot: both entries take the number of the first.
        for (Entree* x = &entrees[d]; x < e; ++x)
            for (Entree* y = &entrees[d]; y < x; ++y)
                if (*y->mot == *x->mot) {
                    x->numero = y->numero;
                    break;
                }
    }
}

bool ClesAnagrammes::decrit(const AnagramIndex& index) const
{
    return &index == index_ && index.built() && !debut.empty() && index.AnaBuckets.data() == buckets_ &&
           index.AnaPool.data() == pool_ && index.AnaPool.size() == poolSize_ && index.AnaPoolNext == poolNext_;
}
