// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/TriAlpha.h"

#include "common/TextHelpers.h"

#include <algorithm>
#include <array>

namespace {
// The code-page position of the characters that Windows-1252 places at 0x80 to 0x9F.
const std::array<char16_t, 32>& specialCharacters()
{
    static const std::array<char16_t, 32> table = [] {
        std::array<char16_t, 32> t{};
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString s = fromWindows1252(bytes);
        for (int i = 0; i < 32 && i < s.size(); ++i)
            t[size_t(i)] = s.at(i).unicode();
        return t;
    }();
    return table;
}

// The sort weight of a character: its Windows-1252 code, or above every code when the code
// page has no such character.
int poids(QChar c)
{
    const char16_t u = c.unicode();
    const auto& special = specialCharacters();
    for (int i = 0; i < 32; ++i)
        if (special[size_t(i)] == u)
            return 0x80 + i;
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    return 0x100 + u;
}
}

int compareTriAlpha(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return int(a.isEmpty()) - int(b.isEmpty());
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = poids(a.at(i)) - poids(b.at(i));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void TriAlpha(QStringList& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const QString& x, const QString& y) { return compareTriAlpha(x, y) < 0; });
}

QStringList decoupeSynonymes(const QString& synoCourant)
{
    QStringList items;
    qsizetype debut = 0;
    while (items.size() < kMaxSynonymesAffiches) {
        const qsizetype p = synoCourant.indexOf(u'\\', debut);
        if (p < 0) {
            items << synoCourant.mid(debut);
            break;
        }
        items << synoCourant.mid(debut, p - debut);
        debut = p + 1;
    }
    return items;
}

QStringList synonymesTries(const QString& synoCourant)
{
    QStringList items = decoupeSynonymes(synoCourant);
    TriAlpha(items);
    return items;
}
