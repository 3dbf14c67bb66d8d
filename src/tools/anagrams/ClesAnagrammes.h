// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/AnagramIndex.h"

#include <QByteArrayView>
#include <QStringView>
#include <bit>
#include <vector>

// A compact companion of a built anagram index for the all-possible-words search: for each
// slot and each word length, the anagram keys of the slot's words of that length packed in
// numbers, in the slot's order, beside the words' numbers. A lookup knows at once, from a
// small table of bits, whether the slot holds a word of the length it wants, and then reads
// one short run of numbers instead of the slot's chain of pool entries. Words that are not
// made of 1 to 12 letters A to Z are left out: no subset of letters can accept them. Build
// it once the index is complete; a search checks that it still matches the index before
// using it.
class ClesAnagrammes {
public:
    explicit ClesAnagrammes(const AnagramIndex& index);

    // True while the index has the storage it had when this was built.
    bool decrit(const AnagramIndex& index) const;

    struct Entree {
        quint64 cle;    // cleTriee of the word
        quint32 mot;    // the word's number in the index
        quint32 canon;  // the number of the slot's first word with the same text
    };
    static constexpr int kLongueurMax = 12;

    // The number of the run of the words of `longueur` letters (1 to 12) in slot h, or -1
    // when the slot holds none. Run r is entrees[debut[r]] up to entrees[debut[r + 1]].
    qint64 course(int longueur, qint32 h) const
    {
        if (longueur < 1 || longueur > kLongueurMax || h < 0 || h >= AnagramIndex::kSlots || debut.empty())
            return -1;
        const Bloc& b = blocs_[size_t(longueur)][size_t(h) >> 6];
        const quint64 bit = quint64(1) << (h & 63);
        if (!(b.bits & bit))
            return -1;
        return qint64(b.avant) + nbBits64(b.bits & (bit - 1));
    }
    std::vector<quint32> debut;
    std::vector<Entree> entrees;

private:
    // 64 slots of one length: which of them hold such words, and the number of runs before.
    struct Bloc {
        quint64 bits = 0;
        quint32 avant = 0;
    };
    // Bits set in a word, without a library call on processors lacking the instruction.
    static int nbBits64(quint64 x)
    {
        x = x - ((x >> 1) & 0x5555555555555555ull);
        x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
        x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
        return int((x * 0x0101010101010101ull) >> 56);
    }
    std::vector<Bloc> blocs_[kLongueurMax + 1];
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
// The number of letters packed in a key of cleTriee or cleAlpha; 0 for the key 0.
inline int longueurCle(quint64 cle)
{
    return int(std::bit_width(cle) + 4) / 5;
}
