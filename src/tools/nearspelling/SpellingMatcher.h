// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <QString>

// The spelling similarity of two words: twice the characters they have in common, found as a
// recursive sequence of longest common runs, over the sum of their lengths.
class SpellingMatcher {
public:
    // The characters of Octets1(s1..e1) and Octets2(s2..e2) (1-based, inclusive) matched by
    // the longest common run and, recursively, by the runs of its right then left remainders.
    // Of several longest runs, the one starting first in Octets1, then first in Octets2, wins.
    qint32 CommonRunTotal(qint32 s1, qint32 e1, qint32 s2, qint32 e2) const;

    // A score from 0 to 1, case ignored; 1 only for equal words. The order of the arguments
    // decides the tie-break of the matcher: a goes to Octets1, b to Octets2.
    double SpellingSimilarity(const QString& a, const QString& b);

    // The two words as Windows-1252 bytes; byte i of a word is Octets(i + 1).
    QByteArray Octets1;
    QByteArray Octets2;

private:
    char octet1(qint32 i) const { return Octets1.at(i - 1); }
    char octet2(qint32 i) const { return Octets2.at(i - 1); }
};
