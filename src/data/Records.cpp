// Lexiparc — GPL-3.0-or-later.
#include "data/Records.h"

#include "common/TextHelpers.h"

QStringList splitRecords(const QByteArray& bytes)
{
    QStringList records;
    pourChaqueEnreg(bytes, [&](const char* p, qsizetype n) { records.append(fromWindows1252(p, n)); });
    return records;
}
