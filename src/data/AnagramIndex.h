// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/ListeMots.h"

#include <QByteArray>
#include <QByteArrayView>
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
// included, in the order they were added. The index keeps its own compact copy of the words
// it stores, each known by its number (from 1, in the order stored).
class AnagramIndex {
public:
    static constexpr qint32 kSlots = 130469;

    struct AnaBucket {
        qint32 Head = 0;       // number of the slot's first word; 0 while the slot holds none
        qint32 Premier = 0;    // pool index of the slot's second word (0: none)
        qint32 Dernier = 0;    // pool index of its last word
        bool HasMore = false;  // the slot holds words in the pool
    };

    // Empties and re-creates the index.
    void InitAnagrammes();
    // Stores one word.
    void AjouteAnagramme(QStringView word);
    // Copies the slot of the letters into results (replacing its content) and sets count;
    // true when the slot is in use. Before any build: false with count 0.
    bool ChercheAnagrammes(QStringView letters, QStringList& results, qint32& count) const;
    // InitAnagrammes, then every word of the list in order.
    void IndexeAnagrammes(const ListeMots& anaWords);

    bool built() const { return !AnaBuckets.empty(); }

    // The slot of one hash value, for the search and the statistics (no slot before a build).
    const AnaBucket* bucket(qint32 hash) const
    {
        return hash >= 0 && size_t(hash) < AnaBuckets.size() ? &AnaBuckets[size_t(hash)] : nullptr;
    }
    // The pool indices of a slot's other words, in the order they were added.
    std::vector<qint32> More(const AnaBucket& slot) const;
    // The pool index after this one in the same slot; 0 after the last.
    qint32 suivant(qint32 poolIndex) const { return AnaPoolSuivant[size_t(poolIndex)]; }
    QString poolWord(qint32 index) const { return mot(AnaPool[size_t(index)]); }

    // A stored word, by its number.
    QString mot(qint32 numero) const { return texteMot(octets(numero)); }
    QByteArrayView octets(qint32 numero) const
    {
        const quint32 d = debut_[size_t(numero) - 1];
        return QByteArrayView(texte_.constData() + d, qsizetype(debut_[size_t(numero)] - d));
    }
    qint32 nombreMots() const { return qint32(debut_.size()) - 1; }
    // True while the words were stored by strictly ascending length, then byte order: their
    // numbers then sort as the words, and no text is stored twice.
    bool ordonne() const { return ordonne_; }
    // Changes with every change of the index.
    quint64 version() const { return version_; }

    std::vector<AnaBucket> AnaBuckets;
    std::vector<qint32> AnaPool;         // the pool: word numbers; index 0 unused
    std::vector<qint32> AnaPoolSuivant;  // the next pool index of the same slot, 0 at the end
    qint32 AnaPoolNext = 0;
    qint32 AnaPoolCapacity = 0;

private:
    void ajoute(const char* p, qsizetype n);
    qint32 stocke(const char* p, qsizetype n);

    QByteArray texte_;               // the stored words, one after the other
    std::vector<quint32> debut_{0};  // word k: texte_ from debut_[k - 1] to debut_[k]
    bool ordonne_ = true;
    quint64 version_ = 0;
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
AnagramIndexStats statistiquesIndex(const AnagramIndex& index, const ListeMots& words);
// The figures as "name: value" lines, in the order of the struct.
QStringList lignesStatistiques(const AnagramIndexStats& stats);
