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

ClesAnagrammes::ClesAnagrammes(const AnagramIndex& index)
    : index_(&index), buckets_(index.AnaBuckets.data()), pool_(index.AnaPool.data()),
      poolSize_(index.AnaPool.size()), poolNext_(index.AnaPoolNext)
{
    if (!index.built())
        return;
    debut.reserve(size_t(AnagramIndex::kSlots) + 1);
    entrees.reserve(size_t(std::max(0, index.AnaPoolNext)) + size_t(AnagramIndex::kSlots));
    for (qint32 h = 0; h < AnagramIndex::kSlots; ++h) {
        debut.push_back(quint32(entrees.size()));
        const AnagramIndex::AnaBucket* slot = index.bucket(h);
        if (slot->Head.isEmpty())
            continue;
        entrees.push_back({cleTriee(slot->Head), &slot->Head});
        for (qint32 i : slot->More) {
            const QString& mot = index.poolWord(i);
            entrees.push_back({cleTriee(mot), &mot});
        }
    }
    debut.push_back(quint32(entrees.size()));
    entrees.shrink_to_fit();
}

bool ClesAnagrammes::decrit(const AnagramIndex& index) const
{
    return &index == index_ && index.built() && !debut.empty() && index.AnaBuckets.data() == buckets_ &&
           index.AnaPool.data() == pool_ && index.AnaPool.size() == poolSize_ && index.AnaPoolNext == poolNext_;
}
