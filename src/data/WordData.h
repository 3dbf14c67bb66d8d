// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/AnagramIndex.h"
#include "data/ListeMots.h"

#include <QStringList>
#include <array>
#include <cstdint>

// The word tables, filled by the loading chain (or by the anagram and synonym windows on
// demand) and only read by the tools.
struct WordData {
    ListeMots DicoWords;                     // the dictionary; the 1-based position is the definitions key
    ListeMots AnaWords;                      // the words of 2 to 12 letters, by length then alphabetical
    QStringList LignesSyno;                  // scratch: the records of the synonym letter being loaded
    std::array<QStringList, 26> TabSyno;     // synonym records of each initial letter, A at 0
    std::array<QStringList, 26> TabCleSyno;  // their headwords with accents folded
    AnagramIndex Anagrammes;

    // A loading has started (never cleared).
    std::uint8_t AnaLoaded = 0;
    std::uint8_t SynoLoaded = 0;
};

// The longest synonym headword the tables accept.
inline constexpr int kLongMaxCleSyno = 29;

// Fills the tables of one letter (0 = A) from its records: each record, and its headword
// (the text before the first "§") with accents folded. A record without "§" or a headword
// longer than kLongMaxCleSyno raises a RuntimeError and leaves the tables of that letter as
// they were.
void fillSynonymLetter(WordData& data, int letter, const QStringList& records);
