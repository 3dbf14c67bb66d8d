// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <QStringList>

// The most synonyms one entry shows.
inline constexpr int kMaxSynonymesAffiches = 21;

// The order of the synonym list: character by character by Windows-1252 code, a proper
// prefix first, the empty string after every other string. Negative, zero or positive.
int compareTriAlpha(const QString& a, const QString& b);

// Sorts the items in ascending order of compareTriAlpha.
void TriAlpha(QStringList& items);

// The items of a raw synonym list as shown: cut at each "\", at most the first 21, taken as
// stored (an empty item stays).
QStringList decoupeSynonymes(const QString& synoCourant);

// The rows of the synonym list for a raw synonym list: its first 21 items, sorted.
QStringList synonymesTries(const QString& synoCourant);
