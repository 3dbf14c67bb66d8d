// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/RuntimeError.h"
#include "data/WordData.h"

#include <QString>
#include <array>

// The three parts of one synonym record "headword§codes$syn1\syn2...".
struct EntreeSyno {
    QString MotSyno;     // the headword as stored
    QString NatureSyno;  // the part-of-speech codes, between the first "§" and the first "$"
    QString ListeSyno;   // the synonyms separated by "\", after the first "$"
};

// Splits a record into its parts. A record without "§", without "$" or with its "$" before
// its "§" gives false: the headword is then the text before "§" (the whole record without
// one) and the other two parts stay empty.
bool decoupeEntreeSyno(const QString& record, EntreeSyno& parties);

// The error a malformed record raises in the lookup and the listing.
RuntimeError erreurEntreeSyno();

// The ligatures œ and æ written out as "oe" and "ae". The synonym lookup and listing
// compare both the entry and the keys in this form, so that "oeil" finds "œil".
QString plieLigatures(QString texte);

// The entry text as the lookup and the listing take it: accents folded, then lower-cased
// (so an accented capital is lower-cased but not folded), then the ligatures written out.
QString normaliseSaisie(const QString& texte);

// A headword key (accents already folded) in the form compared with the normalised entry:
// lower-cased, then the ligatures written out.
QString cleComparee(const QString& cle);

// The number of lines of a letter (0 = A) that can be read: the letter's count, bounded by
// the size of its tables.
qsizetype nbLignesSyno(const WordData& words, const std::array<qint16, 26>& nbSyno, int lettre);
