// Lexiparc — GPL-3.0-or-later.
#include "common/Options.h"

#include "common/ColorText.h"

#include <cmath>

std::uint8_t loadOptionFromText(const QString& text)
{
    const QString t = text.trimmed();
    double v = 0;
    if (t.startsWith(u'&')) {
        const auto n = prefixedNumber(t);
        if (!n)
            return 0;
        v = *n;
    } else {
        bool ok = false;
        v = t.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return 0;
    }
    const double r = std::nearbyint(v);
    if (r < 0 || r > 255)
        return 0;
    return std::uint8_t(r);
}

QString messageOptionsNonLues(const QString& sautLigne, const QString& fichier)
{
    return QStringLiteral("Les options n'ont pas pu être lues dans le fichier") + sautLigne + fichier + sautLigne +
           QStringLiteral("Les options par défaut sont utilisées.");
}

QString messageOptionsNonEnregistrees(const QString& sautLigne, const QString& fichier)
{
    return QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier") + sautLigne + fichier +
           sautLigne + QStringLiteral("Elles restent en vigueur jusqu'à la fermeture du programme.");
}
