// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/TextesSyno.h"

QString texteCopieSynonymes(const QString& entree, const QStringList& lignes, const QString& saut)
{
    QString rows;
    for (const QString& ligne : lignes)
        rows = rows.isEmpty() ? ligne : rows + saut + ligne;
    return QStringLiteral("Liste des synonyme de ''") + entree + QStringLiteral("'':") + saut + rows;
}

QString texteAideSynonymes(const QString& saut)
{
    const QStringList lignes{
        QStringLiteral("Dans la zone de texte saisir un mot, puis cliquer sur le"),
        QStringLiteral("bouton ''Rechercher''."),
        QString(),
        QStringLiteral("Si des synonymes existent, une zone de liste, contenant"),
        QStringLiteral("tous les synonymes trouvés, est affichée."),
        QString(),
        QStringLiteral("En cliquant avec le bouton droit de la souris dans"),
        QStringLiteral("la liste, vous pouvez copier les résultats de la recherche."),
    };
    return lignes.join(saut);
}
