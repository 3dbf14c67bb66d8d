// Lexiparc — GPL-3.0-or-later.
// The spelling similarity on arbitrary pairs: a score in [0, 1], 1 only for words equal but
// for case, and the fast run finder agreeing with the plain one; the fast and the plain scans
// agree on a small list built from the input.
#include "tools/nearspelling/RechercheApprochants.h"
#include "tools/nearspelling/SpellingMatcher.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t split = 1 + data[0] % (size - 1);
    const QString a = QString::fromLatin1(reinterpret_cast<const char*>(data + 1), qsizetype(split - 1));
    const QString b = QString::fromLatin1(reinterpret_cast<const char*>(data + split), qsizetype(size - split));
    SpellingMatcher m;
    const double s = m.SpellingSimilarity(a, b);
    if (!(s >= 0.0 && s <= 1.0))
        __builtin_trap();
    // For words typed in the window (letters A to Z of either case), 1 means equal words.
    static const auto letters = [](const QString& t) {
        return std::all_of(t.begin(), t.end(),
                           [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); });
    };
    if (letters(a) && letters(b) && !a.isEmpty() && (s == 1.0) != (a.compare(b, Qt::CaseInsensitive) == 0))
        __builtin_trap();
    // The fast run finder serves words of letters A to Z.
    QString ua, ub;
    for (QChar c : a)
        ua += QChar(u'A' + c.unicode() % 26);
    for (QChar c : b)
        ub += QChar(u'A' + c.unicode() % 26);
    // (Equal words score 1 without a run search.)
    if (ua != ub && ua.size() <= kLongMaxRapide && ub.size() <= kLongMaxRapide) {
        m.SpellingSimilarity(ua, ub);
        const qint32 plain = m.CommonRunTotal(1, qint32(m.Octets1.size()), 1, qint32(m.Octets2.size()));
        if (caracteresCommuns(reinterpret_cast<const char16_t*>(ua.utf16()), int(ua.size()),
                              reinterpret_cast<const char16_t*>(ub.utf16()), int(ub.size())) != plain)
            __builtin_trap();
    }
    // The two scans over words cut from the input.
    QStringList dico;
    QString w;
    for (size_t i = 1; i < size; ++i) {
        const char c = char('A' + data[i] % 26);
        w += QChar(c);
        if (data[i] % 7 == 0 || w.size() == 15) {
            if (w.size() >= 2)
                dico << w;
            w.clear();
        }
    }
    dico.sort();
    dico.removeDuplicates();
    if (!dico.isEmpty()) {
        const QString mot = dico[data[0] % dico.size()];
        for (int seuil : {70, 80, 90}) {
            const auto fast = RechercheApprochants(dico, mot, data[0] & 1, seuil, QStringLiteral("\r\n"), 1);
            const auto plainScan = RechercheApprochantsSimple(dico, mot, data[0] & 1, seuil, QStringLiteral("\r\n"));
            if (fast.texte != plainScan.texte || fast.nombre != plainScan.nombre)
                __builtin_trap();
        }
    }
    return 0;
}
