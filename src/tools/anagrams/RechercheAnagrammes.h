// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/AnagramIndex.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

class ClesAnagrammes;

// The most characters the letters box holds, and so the most the search considers.
inline constexpr int kMaxLettresAna = 12;

// What one search of every word that can be made from the letters finds.
struct ResultatAnagrammes {
    bool tropDeJokers = false;        // two or more "?": nothing was searched
    QStringList LstAna;               // every listed word, in the order of discovery
    std::array<QStringList, 13> Lst;  // the listed words of each length (2 to 12), alphabetical
    qsizetype consultations = 0;      // distinct letter subsets looked up in the index

    // The count caption of the list of one length.
    QString NR(int length) const { return QString::number(Lst[size_t(length)].size()); }
};

// The minimum word length of the combo box text: the leading number (blanks ignored, empty
// or non-numeric text gives 0), rounded half to even, then held within 2 to 15.
int longueurMinimale(const QString& texte);

// The letters with every blank removed.
QString sansBlancs(const QString& texte);

// Every word of the index made of a subset of the letters (A to Z, at most one "?" joker,
// the first 12 characters) for each length from `longueurMin` up to the number of letters,
// longest first, then by joker letter A to Z, then by subset mask from the highest (subsets
// that keep the earlier letters first), then in the order of the index slot. A slot word is
// accepted when it has the subset's size and each of its letters is among the working
// letters (the joker standing for the current joker letter), no more often than there; so a
// word of other letters sharing the slot is accepted there, at that subset. A word is listed
// once, at its first acceptance. With a mandatory letter, only the accepted words that
// contain it are listed.
// With `cles` built from this index, the lookups read the packed keys instead of the slots;
// the result is the same.
ResultatAnagrammes ChercheAnagrammesTousMots(const AnagramIndex& index, const QString& lettres, int longueurMin,
                                             const QString& obligatoire, const ClesAnagrammes* cles = nullptr);

// The time of day to the second, "hh:mm:ss".
QString texteHeure(const QTime& t);
// The time between two times of day read to the second, as "hh:mm:ss" (past midnight the
// end time counts on the next day).
QString texteDuree(const QTime& debut, const QTime& fin);

// The summary line: m & " mots trouvés en " & the last four characters of the elapsed
// time & " sec.", or "Aucun mots trouvés." when nothing was found.
QString texteResume(qsizetype m, const QString& duree);
