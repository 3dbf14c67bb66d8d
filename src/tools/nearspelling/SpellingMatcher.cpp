// Lexiparc — GPL-3.0-or-later.
#include "tools/nearspelling/SpellingMatcher.h"

#include "common/TextHelpers.h"

qint32 SpellingMatcher::CommonRunTotal(qint32 s1, qint32 e1, qint32 s2, qint32 e2) const
{
    if (s1 < 1 || s2 < 1 || e1 < s1 || e2 < s2)
        return 0;
    qint32 best = 0, bi = 0, bj = 0;
    for (qint32 i = s1; i <= e1; ++i) {
        for (qint32 j = s2; j <= e2; ++j) {
            qint32 k = 0;
            while (octet1(i + k) == octet2(j + k)) {
                ++k;
                if (k > best) {
                    best = k;
                    bi = i;
                    bj = j;
                }
                if (i + k > e1 || j + k > e2)
                    break;
            }
        }
    }
    // With no common byte, bi and bj stay 0 and both remainders are empty.
    const qint32 r = CommonRunTotal(bi + best, e1, bj + best, e2);
    const qint32 l = CommonRunTotal(s1, bi - 1, s2, bj - 1);
    return best + r + l;
}

double SpellingMatcher::SpellingSimilarity(const QString& a, const QString& b)
{
    const QString ua = majuscules(a);
    const QString ub = majuscules(b);
    if (ua == ub)
        return 1.0;
    Octets1 = toWindows1252(ua);
    Octets2 = toWindows1252(ub);
    const qint32 l1 = qint32(Octets1.size());
    const qint32 l2 = qint32(Octets2.size());
    const qint32 m = CommonRunTotal(1, l1, 1, l2);
    return double(m) / double(l1 + l2) * 2.0;
}
