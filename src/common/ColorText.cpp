// Lexiparc — GPL-3.0-or-later.
#include "common/ColorText.h"

#include <cstdint>

std::optional<qint32> prefixedNumber(const QString& text)
{
    const QString t = text.trimmed();
    int base = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        base = 16;
    else if (t.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        base = 8;
    else
        return std::nullopt;
    QString digits = t.mid(2);
    if (digits.endsWith(u'&'))
        digits.chop(1);
    if (digits.isEmpty() || digits.size() > 11 || (base == 16 && digits.size() > 8))
        return std::nullopt;
    bool ok = false;
    const qulonglong v = digits.toULongLong(&ok, base);
    if (!ok || v > 0xFFFFFFFFull)
        return std::nullopt;
    return qint32(quint32(v));  // a 32-bit pattern: from &H80000000 on, negative
}

std::optional<qint32> colorNumber(const QString& text)
{
    if (const auto n = prefixedNumber(text))
        return n;
    const QString t = text.trimmed();
    if (t.startsWith(u'&'))
        return std::nullopt;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return qint32(v);
}
