// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/RuntimeError.h"
#include "data/WordData.h"
#include "tools/synonyms/EntreeSyno.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The table (0 = A) the headword listing scans for the first character of the prefix; -1
// when that character selects none.
int lettreListe(QChar c);

// The caption of the listed-headword count: "Aucun mot dans la liste.", "Un mot listé.",
// or the count followed by " mots listés.".
QString texteCompteMots(qint32 compte);

// One listed line: its 1-based number in the letter's table and its parts.
struct LigneListee {
    int ligne;
    EntreeSyno parties;
};

// What one run of the headword listing produces.
struct ResultatListe {
    int lettre = -1;            // the table scanned, -1 for none
    QStringList Lst;            // the headwords listed, as stored, in table order
    QList<LigneListee> lignes;  // the same lines with their parts
    qint32 compte = 0;
    QString Lbl3;
    QList<RuntimeError> erreurs;  // one per malformed record listed
};

// Lists every headword of the prefix's table whose compared key (cleComparee) begins with the prefix
// (the normalised entry text). A prefix of fewer than two characters lists nothing.
ResultatListe ListeMotsSyno(const WordData& words, const std::array<qint16, 26>& nbSyno, const QString& prefixe);
