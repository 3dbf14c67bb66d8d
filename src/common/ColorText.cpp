// Lexiparc — GPL-3.0-or-later.
#include "common/ColorText.h"

#include <cstdint>

std::optional<qint32> colorNumber(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = t.mid(2);
        if (digits.endsWith(u'&'))
            digits.chop(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        v = qint64(digits.toUInt(&ok, 16));
        if (ok && v > 0x7FFFFFFF)
            v -= qint64(1) << 32;  // eight hex digits are a signed 32-bit value
    } else {
        v = t.toLongLong(&ok, 10);
        if (ok && (v < INT32_MIN || v > INT32_MAX))
            ok = false;
    }
    if (!ok)
        return std::nullopt;
    return qint32(v);
}
