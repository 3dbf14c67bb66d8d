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
