// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/AnagramIndex.h"

#include <QByteArrayView>
#include <QStringView>
#include <vector>

// A compact companion of a built anagram index for the all-possible-words search: for each
// slot, the anagram key of each of its words packed in a number, in the slot's order, beside
// the word's number. A lookup reads one short run of numbers instead of the slot's chain of
// pool entries. Build it once the index is complete; a search checks that it still matches
// the index before using it.
class ClesAnagrammes {
public:
    explicit ClesAnagrammes(const AnagramIndex& index);

    // True while the index has the storage it had when this was built.
    bool decrit(const AnagramIndex& index) const;

    struct Entree {
        quint64 cle;      // cleTriee of the word
        quint32 mot;      // the word's number in the index
        quint32 canon;    // the number of the slot's first word with the same text
    };
    // The words of slot h are entrees[debut[h]] up to entrees[debut[h + 1]], in slot order.
    std::vector<quint32> debut;
    std::vector<Entree> entrees;

private:
    const AnagramIndex* index_;
    const void* buckets_;
    quint64 version_;
};

// The sorted letters of a word of 1 to 12 letters A to Z, five bits each (letter rank + 1),
// the first sorted letter in the lowest bits; 0 for any other word.
quint64 cleTriee(QByteArrayView mot);
quint64 cleTriee(QStringView mot);
// The letters of a word of 1 to 12 letters A to Z, five bits each, the first letter in the
// highest place, so that the numbers sort as the words; 0 for any other word.
quint64 cleAlpha(QByteArrayView mot);
quint64 cleAlpha(QStringView mot);
