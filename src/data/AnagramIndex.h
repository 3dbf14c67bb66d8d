// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The anagram key: the characters of a word sorted by ascending code. At most 50 characters.
QString TriLettres(QStringView word);
// The slot of a key: h = (h * 256 + code) mod 130469 over its Windows-1252 codes.
qint32 HashLettres(QStringView key);

// Slots of words that share a hashed anagram key. A slot keeps its first word in place and
// the others in a shared pool; a query returns the whole slot, words of other letter sets
// included, in the order they were added.
class AnagramIndex {
public:
    static constexpr qint32 kSlots = 130469;

    struct AnaBucket {
        QString Head;
        std::vector<qint32> More;  // pool indices, in the order added
        bool HasMore = false;
    };

    // Empties and re-creates the index.
    void InitAnagrammes();
    // Stores one word.
    void AjouteAnagramme(const QString& word);
    // Copies the slot of the letters into results (replacing its content) and sets count;
    // true when the slot is in use. Before any build: false with count 0.
    bool ChercheAnagrammes(QStringView letters, QStringList& results, qint32& count) const;
    // InitAnagrammes, then every word of the list in order.
    void IndexeAnagrammes(const QStringList& anaWords);

    bool built() const { return !AnaBuckets.empty(); }

    // The slot of one hash value, for the search and the statistics (no slot before a build).
    const AnaBucket* bucket(qint32 hash) const
    {
        return hash >= 0 && size_t(hash) < AnaBuckets.size() ? &AnaBuckets[size_t(hash)] : nullptr;
    }
    const QString& poolWord(qint32 index) const { return AnaPool[size_t(index)]; }

    std::vector<AnaBucket> AnaBuckets;
    std::vector<QString> AnaPool;
    qint32 AnaPoolNext = 0;
    qint32 AnaPoolCapacity = 0;
};

// Figures of a built index: the distinct keys of its words, the slots in use, the most
// words in one slot, and the pool (words stored there, next free index, growth threshold).
struct AnagramIndexStats {
    qint64 distinctKeys = 0;
    qint64 slotsInUse = 0;
    qint64 largestSlot = 0;
    qint64 poolWords = 0;
    qint64 poolNext = 0;
    qint64 poolCapacity = 0;
};
AnagramIndexStats statistiquesIndex(const AnagramIndex& index, const QStringList& words);
// The figures as "name: value" lines, in the order of the struct.
QStringList lignesStatistiques(const AnagramIndexStats& stats);
