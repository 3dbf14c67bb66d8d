// Lexiparc — GPL-3.0-or-later.
#include "data/Records.h"

#include "common/TextHelpers.h"

QStringList splitRecords(const QByteArray& bytes)
{
    qsizetype size = bytes.size();
    while (size > 0 && bytes.at(size - 1) == '\0')
        --size;
    if (size == 0)
        return {};
    const QString text = fromWindows1252(bytes.constData(), size);
    QStringList records = text.split(QStringLiteral("\r\n"), Qt::KeepEmptyParts);
    if (records.size() > 1 && records.last().isEmpty())
        records.removeLast();
    return records;
}
