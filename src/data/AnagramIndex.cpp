// Lexiparc — GPL-3.0-or-later.
#include "data/AnagramIndex.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <QSet>

#include <algorithm>

QString TriLettres(QStringView word)
{
    if (word.size() > 50)
        throw RuntimeError::subscriptOutOfRange();
    QString key = word.toString();
    std::sort(key.begin(), key.end(), [](QChar a, QChar b) { return a.unicode() < b.unicode(); });
    return key;
}

qint32 HashLettres(QStringView key)
{
    qint32 h = 0;
    for (QChar c : key) {
        // ASCII is its own code; a character the code page lacks counts as '?'.
        const int code = c.unicode() < 0x80 ? int(c.unicode()) : windows1252Code(c);
        h = (h * 256 + (code < 0 ? '?' : code)) % AnagramIndex::kSlots;
    }
    return h;
}

namespace {
// HashLettres(TriLettres(word)) without building the key as a string.
qint32 slotOf(QStringView word)
{
    if (word.size() > 50)
        throw RuntimeError::subscriptOutOfRange();
    QChar key[50];
    std::copy(word.begin(), word.end(), key);
    std::sort(key, key + word.size(), [](QChar a, QChar b) { return a.unicode() < b.unicode(); });
    return HashLettres(QStringView(key, word.size()));
}
}

void AnagramIndex::InitAnagrammes()
{
    AnaBuckets.assign(size_t(kSlots) + 1, AnaBucket{});
    AnaPool.assign(size_t(kSlots) + 1, QString());
    AnaPoolCapacity = 13047;
    AnaPoolNext = 1;
}

void AnagramIndex::AjouteAnagramme(const QString& word)
{
    AnaBucket& slot = AnaBuckets[size_t(slotOf(word))];
    if (!slot.Head.isEmpty() && slot.Head != word) {
        if (slot.More.empty())
            slot.More.reserve(4);  // most slots hold a few words: one allocation
        slot.More.push_back(AnaPoolNext);
        slot.HasMore = true;
        AnaPool[size_t(AnaPoolNext)] = word;
        ++AnaPoolNext;
        if (AnaPoolNext > AnaPoolCapacity) {
            AnaPoolCapacity *= 2;
            AnaPool.resize(size_t(AnaPoolCapacity) + 1);
        }
    } else {
        slot.Head = word;
    }
}

bool AnagramIndex::ChercheAnagrammes(QStringView letters, QStringList& results, qint32& count) const
{
    count = 0;
    if (AnaBuckets.empty())
        return false;
    const AnaBucket& slot = AnaBuckets[size_t(slotOf(letters))];
    if (slot.Head.isEmpty())
        return false;
    results.clear();
    results.reserve(qsizetype(slot.More.size()) + 1);
    results << slot.Head;
    for (qint32 i : slot.More)
        results << AnaPool[size_t(i)];
    count = qint32(results.size());
    return true;
}

void AnagramIndex::IndexeAnagrammes(const QStringList& anaWords)
{
    InitAnagrammes();
    for (const QString& w : anaWords)
        AjouteAnagramme(w);
}

AnagramIndexStats statistiquesIndex(const AnagramIndex& index, const QStringList& words)
{
    AnagramIndexStats s;
    QSet<QString> keys;
    keys.reserve(words.size());
    for (const QString& w : words)
        keys.insert(TriLettres(w));
    s.distinctKeys = keys.size();
    for (const AnagramIndex::AnaBucket& b : index.AnaBuckets) {
        if (b.Head.isEmpty())
            continue;
        ++s.slotsInUse;
        s.largestSlot = std::max<qint64>(s.largestSlot, qint64(b.More.size()) + 1);
    }
    if (index.built()) {
        s.poolWords = index.AnaPoolNext - 1;
        s.poolNext = index.AnaPoolNext;
        s.poolCapacity = index.AnaPoolCapacity;
    }
    return s;
}

QStringList lignesStatistiques(const AnagramIndexStats& s)
{
    return {
        QStringLiteral("distinct_keys: %1").arg(s.distinctKeys),
        QStringLiteral("slots_in_use: %1").arg(s.slotsInUse),
        QStringLiteral("largest_slot: %1").arg(s.largestSlot),
        QStringLiteral("pool_words: %1").arg(s.poolWords),
        QStringLiteral("pool_next: %1").arg(s.poolNext),
        QStringLiteral("pool_capacity: %1").arg(s.poolCapacity),
    };
}
