// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/ListeMots.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// The shortest and longest word lengths of the crossword search.
inline constexpr int kLongueurMinMotCroix = 3;
inline constexpr int kLongueurMaxMotCroix = 12;

// First and last 0-based line of each word length in the 2-to-12-letter list, indexed by the
// length (0 to 12); -1 where the list holds no word of that length.
struct BlocsLongueur {
    std::array<int, 13> debut{};
    std::array<int, 13> fin{};
};

// The length blocks of a list grouped by ascending length.
BlocsLongueur CalculeBlocsLongueur(const ListeMots& anaWords);

// The most open ("?") positions accepted for a length of 3 to 12. Any other length raises a
// RuntimeError (subscript out of range).
int LimiteJokers(int longueur);

// The number of boxes among the first `longueur` whose text is exactly "?".
int CompteJokers(const QStringList& cases, int longueur);

// The pattern of the first `longueur` boxes: each box's first character in upper case, "_" for
// a box that holds "?" (or nothing).
QString MotifDesCases(const QStringList& cases, int longueur);

// Every word of lines `debut` to `fin` (0-based, inclusive) that has the pattern's character at
// each position where the pattern does not hold "_"; in list order. The block is assumed to
// hold words of the pattern's length only. Lines outside the list raise a RuntimeError
// (subscript out of range).
QStringList ChercheMotif(const ListeMots& words, int debut, int fin, QStringView motif);

// The search of one length over the whole list: the block of that length taken from `blocs`.
// A length outside 3 to 12 raises a RuntimeError (subscript out of range).
QStringList ChercheMotCroix(const ListeMots& anaWords, const BlocsLongueur& blocs, QStringView motif);

// "Aucun mot trouvé", "1 mot trouvé", "n mots trouvés".
QString TexteNombreMots(qsizetype n);

// The characters a box accepts: a blank, the letters a to z and A to Z, and "?".
bool CaractereAutorise(QChar c);
// The text with every character that a box does not accept removed.
QString NettoieSaisie(const QString& text);
