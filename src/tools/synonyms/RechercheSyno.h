// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/RuntimeError.h"
#include "data/WordData.h"
#include "tools/synonyms/EntreeSyno.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The most texts the search history keeps.
inline constexpr int kMaxHistorique = 12;

// The table (0 = A) the exact lookup scans for the first character of the normalised text;
// -1 when that character selects none.
int lettreRecherche(QChar c);

// One row of the part-of-speech table: a code string and the label appended to the word.
struct NatureSyno {
    const char16_t* code;
    const char16_t* libelle;
};
// The 34 part-of-speech rows, in the order they are compared.
const std::array<NatureSyno, 34>& TableNatures();
// The label of a whole code string ("adj n" gives ": adjectif nom"); empty when no row has it.
QString libelleNature(const QString& code);

// The history after a search of `texte`: inserted first unless an entry is exactly equal
// (that one keeps its place), then cut to 12 entries.
QStringList ajouteHistorique(QStringList historique, const QString& texte);

// The count message of the lookup for the rows shown and the typed text.
QString texteCompteSynonymes(const QStringList& lignes, const QString& tape);

// What one exact lookup produces.
struct ResultatSyno {
    int lettre = -1;              // the table scanned (0 = A), -1 for none
    int ligne = 0;                // 1-based line of the entry found in its table, 0 when none was
    EntreeSyno parties;           // the found line's MotSyno, NatureSyno and ListeSyno
    QString SynoCourant;          // the raw synonym list of the entry found, empty for none
    QStringList LstS;             // the rows of the synonym list
    QString Lbl4;                 // the count message
    QString Lbl2;                 // the word in capitals with its part of speech, or empty
    QList<RuntimeError> erreurs;  // a malformed record met on the way
};

// Looks up the normalised text among the headwords of its initial's table, by exact equality
// of the compared keys (cleComparee); the first equal line wins. `tape` is the text as typed, for the
// messages.
ResultatSyno RechercheSynonyme(const WordData& words, const std::array<qint16, 26>& nbSyno, const QString& normalise,
                               const QString& tape);
