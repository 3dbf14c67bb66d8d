// Lexiparc — GPL-3.0-or-later.
#include "common/Paths.h"

#include <QDir>

QString cheminAvecSeparateur(const QString& folder)
{
    const QChar sep = QDir::separator();
    if (folder.endsWith(sep) || folder.endsWith(u'/'))
        return folder;
    return folder + sep;
}

QString fichierDefinitions(const QString& cheminApp, const QString& version)
{
    return cheminApp + QStringLiteral("definitions") + version + QStringLiteral(".ret");
}
