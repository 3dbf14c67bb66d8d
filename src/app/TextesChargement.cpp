// Lexiparc — GPL-3.0-or-later.
#include "app/TextesChargement.h"

#include <algorithm>
#include <cmath>

QString texteMotsDefinitions(qint32 nbMots, qint32 nbDefinitions)
{
    return QString::number(nbMots) + QStringLiteral(" mots de 2 à 15 lettres - ") + QString::number(nbDefinitions) +
           QStringLiteral(" définitions");
}

QString texteListeDico(qint32 nbMots, qint32 nbDefinitions)
{
    return QStringLiteral("Liste ") + QString::number(nbMots) + QStringLiteral(" mots, ") +
           QString::number(nbDefinitions) + QStringLiteral(" définitions.");
}

QString texteBaseAnagrammes(qint64 plusHautIndice)
{
    return QStringLiteral("Base de données ") + QString::number(plusHautIndice) + QStringLiteral(" anagrammes.");
}

QString texteListeSynonymes(QChar lettre)
{
    return QStringLiteral("Liste des synonymes ") + lettre + u'.';
}

QString texteBaseSynonymes(float nbSynonymes)
{
    // A single-precision number as text: up to 7 significant digits.
    return QStringLiteral("Base de données ") + QString::number(double(nbSynonymes), 'g', 7) +
           QStringLiteral(" synonymes.");
}

int pourcentageChargement(EtapeChargement etape, float r)
{
    struct Plage {
        float echelle;
        int bas;
        int haut;
    };
    static constexpr Plage plages[] = {{6.0f, 5, 10}, {40.0f, 11, 50}, {21.0f, 60, 80}};
    const Plage& p = plages[int(etape)];
    const float v = r * p.echelle + float(p.bas);
    // Single-precision rounding can carry the largest draws onto the next whole number.
    return std::clamp(int(std::floor(v)), p.bas, p.haut);
}

QString textePourcentage(int pourcentage)
{
    return QStringLiteral("Chargement des données ") + QString::number(pourcentage) + QStringLiteral("%.");
}

QString texteChargementFini()
{
    return QStringLiteral("Chargement des données 100%");
}

QString textePoints(int tick)
{
    QString s;
    for (int i = 0; i < tick; ++i)
        s += QStringLiteral(" .");
    return s;
}
