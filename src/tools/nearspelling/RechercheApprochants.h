// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/ListeMots.h"

#include <QString>
#include <QStringList>

// What a near-spelling search shows: the text of the result table and its number of rows.
struct ResultatApprochant {
    QString texte;
    qint32 nombre = 0;
};

// The header line of the result table: "Solutions:      L:  %".
QString enTeteApprochant();
// The score in percent rounded to two decimals, written as under French settings (comma
// decimal separator, no trailing zeros), then "%": "85,71%", "80%", "100%".
QString pourcentageTexte(double score);
// The percentage a row shows: the whole-number part of the score, truncated, then "%"
// ("85%"); "100%" only for a score of 1.
QString pourcentageAffiche(double score);
// The number at the start of a text, the point as its only decimal separator ("85,71%" → 85).
double valeurDebut(const QString& texte);
// One row of the table: the word in columns 1 to 15, its length right-justified in columns 17
// and 18, the percentage from column 20.
QString ligneApprochant(const QString& mot, const QString& pourcentage);
// The status line after a search: "n solutions trouvées.".
QString messageSolutions(qint32 nombre);

// The near-spelling search, word by word as written: every word of `dico` of the length of
// `mot` (and, with `plusMoins`, one letter longer or shorter), in dictionary order, scored
// against `mot`, kept when its score in percent reaches `seuil`. Rows are joined by `saut`.
ResultatApprochant RechercheApprochantsSimple(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil,
                                              const QString& saut);

// The same search, with the same result, faster: only the blocks of the candidate lengths are
// read, a word whose letters shared with `mot` cannot reach the threshold is not scored, runs
// are found from a table of run lengths, and the blocks are split across `threads` threads (0:
// as many as the machine offers for a large list).
ResultatApprochant RechercheApprochants(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil,
                                        const QString& saut, int threads = 0);

// The characters of a and b matched by the similarity's sequence of longest common runs, from a
// table of run lengths (words of at most kLongMaxRapide characters); the same total as
// SpellingMatcher::CommonRunTotal over the whole of both words.
inline constexpr int kLongMaxRapide = 64;
qint32 caracteresCommuns(const char16_t* a, int la, const char16_t* b, int lb);
