// Lexiparc — GPL-3.0-or-later.
#include "data/AnagramIndex.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <QSet>

#include <algorithm>
#include <cstring>

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
// The Windows-1252 bytes of a text, '?' for a character the code page lacks.
QByteArray octets1252(QStringView texte)
{
    QByteArray out(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t u = texte[i].unicode();
        const int code = u < 0x80 ? int(u) : windows1252Code(texte[i]);
        out[i] = char(code < 0 ? '?' : code);
    }
    return out;
}

// HashLettres(TriLettres(word)) on the word's Windows-1252 bytes, without building the key.
// The codes of A to Z sort as their characters; a word of other bytes is sorted by its
// characters' codes, as TriLettres sorts it.
qint32 slotOf(const char* p, qsizetype n)
{
    if (n > 50)
        throw RuntimeError::subscriptOutOfRange();
    unsigned char key[50];
    std::memcpy(key, p, size_t(n));
    bool ascii = true;
    for (qsizetype i = 0; i < n; ++i)
        ascii = ascii && key[i] < 0x80;
    if (ascii) {
        for (qsizetype i = 1; i < n; ++i) {  // insertion sort: the words are short
            const unsigned char c = key[i];
            qsizetype j = i;
            for (; j > 0 && key[j - 1] > c; --j)
                key[j] = key[j - 1];
            key[j] = c;
        }
        qint32 h = 0;
        for (qsizetype i = 0; i < n; ++i)
            h = (h * 256 + key[i]) % AnagramIndex::kSlots;
        return h;
    }
    return HashLettres(TriLettres(fromWindows1252(p, n)));
}
}

void AnagramIndex::InitAnagrammes()
{
    AnaBuckets.assign(size_t(kSlots) + 1, AnaBucket{});
    AnaPool.assign(size_t(kSlots) + 1, 0);
    AnaPoolSuivant.assign(size_t(kSlots) + 1, 0);
    AnaPoolCapacity = 13047;
    AnaPoolNext = 1;
    texte_.clear();
    debut_.assign(1, 0);
    ordonne_ = true;
    ++version_;
}

qint32 AnagramIndex::stocke(const char* p, qsizetype n)
{
    if (ordonne_ && debut_.size() > 1) {
        const QByteArrayView avant = octets(nombreMots());
        ordonne_ = avant.size() < n || (avant.size() == n && std::memcmp(avant.data(), p, size_t(n)) < 0);
    }
    texte_.append(p, n);
    debut_.push_back(quint32(texte_.size()));
    return nombreMots();
}

void AnagramIndex::ajoute(const char* p, qsizetype n)
{
    AnaBucket& slot = AnaBuckets[size_t(slotOf(p, n))];
    ++version_;
    if (slot.Head != 0 && octets(slot.Head) != QByteArrayView(p, n)) {
        const qint32 i = AnaPoolNext;
        AnaPool[size_t(i)] = stocke(p, n);
        AnaPoolSuivant[size_t(i)] = 0;
        if (slot.HasMore)
            AnaPoolSuivant[size_t(slot.Dernier)] = i;
        else
            slot.Premier = i;
        slot.Dernier = i;
        slot.HasMore = true;
        ++AnaPoolNext;
        if (AnaPoolNext > AnaPoolCapacity) {
            AnaPoolCapacity *= 2;
            AnaPool.resize(size_t(AnaPoolCapacity) + 1);
            AnaPoolSuivant.resize(size_t(AnaPoolCapacity) + 1);
        }
    } else if (slot.Head == 0) {
        slot.Head = stocke(p, n);
    }
    // Otherwise the slot's first word is this very word: it stays.
}

void AnagramIndex::AjouteAnagramme(QStringView word)
{
    if (word.size() > 50)
        throw RuntimeError::subscriptOutOfRange();
    const QByteArray o = octets1252(word);
    ajoute(o.constData(), o.size());
}

std::vector<qint32> AnagramIndex::More(const AnaBucket& slot) const
{
    std::vector<qint32> more;
    if (slot.HasMore)
        for (qint32 i = slot.Premier; i != 0; i = suivant(i))
            more.push_back(i);
    return more;
}

bool AnagramIndex::ChercheAnagrammes(QStringView letters, QStringList& results, qint32& count) const
{
    count = 0;
    if (AnaBuckets.empty())
        return false;
    if (letters.size() > 50)
        throw RuntimeError::subscriptOutOfRange();
    const QByteArray o = octets1252(letters);
    const AnaBucket& slot = AnaBuckets[size_t(slotOf(o.constData(), o.size()))];
    if (slot.Head == 0)
        return false;
    results.clear();
    results << mot(slot.Head);
    for (qint32 i : More(slot))
        results << poolWord(i);
    count = qint32(results.size());
    return true;
}

void AnagramIndex::IndexeAnagrammes(const ListeMots& anaWords)
{
    InitAnagrammes();
    texte_.reserve(anaWords.octetsOccupes());
    debut_.reserve(size_t(anaWords.size()) + 1);
    if (anaWords.groupe()) {
        // The list is its own block order: block after block, word after word.
        for (int l = 0; l <= anaWords.longueurMax(); ++l) {
            const ListeMots::Bloc b = anaWords.bloc(l);
            for (qsizetype k = 0; k < b.nombre; ++k)
                ajoute(b.debut + k * l, l);
        }
    } else {
        for (qsizetype i = 0; i < anaWords.size(); ++i) {
            const QByteArrayView w = anaWords.octets(i);
            ajoute(w.data(), w.size());
        }
    }
}

AnagramIndexStats statistiquesIndex(const AnagramIndex& index, const ListeMots& words)
{
    AnagramIndexStats s;
    QSet<QByteArray> keys;
    keys.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        QByteArray k = words.octets(i).toByteArray();
        std::sort(k.begin(), k.end(), [](char a, char b) { return quint8(a) < quint8(b); });
        keys.insert(k);
    }
    s.distinctKeys = keys.size();
    for (const AnagramIndex::AnaBucket& b : index.AnaBuckets) {
        if (b.Head == 0)
            continue;
        ++s.slotsInUse;
        s.largestSlot = std::max<qint64>(s.largestSlot, qint64(index.More(b).size()) + 1);
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
