// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/CommuneTables.h"

#include "common/RuntimeError.h"

#include <algorithm>

namespace {
QStringList clesAvant(const QStringList& records, QChar separateur, const char* liste)
{
    QStringList cles;
    cles.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QString& r = records.at(i);
        const qsizetype p = r.indexOf(separateur);
        if (p < 0)
            throw RuntimeError::badData(
                QStringLiteral("%1 record %2 has no \"%3\"").arg(QLatin1String(liste)).arg(i + 1).arg(separateur));
        cles.append(r.left(p));
    }
    return cles;
}
}

void remplitTablesCP(CommuneTables& tables, const QStringList& records)
{
    QStringList cles = clesAvant(records, u'§', "LISTEPARCP");
    tables.clesCPTriees = std::is_sorted(cles.cbegin(), cles.cend());
    tables.TabCP = records;
    tables.TabCleCP = std::move(cles);
}

void remplitTablesNom(CommuneTables& tables, const QStringList& records)
{
    QStringList cles = clesAvant(records, u'$', "LISTEPARNOM");
    tables.TabNom = records;
    tables.TabCleNom = std::move(cles);
}
