// Lexiparc — GPL-3.0-or-later.
#include "common/Colors.h"

QColor colorFromNumber(qint32 bgr)
{
    const quint32 u = quint32(bgr);
    return QColor(int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF));
}

QColor colorFromText(const QString& text, const QColor& fallback)
{
    const auto n = colorNumber(text);
    return n ? colorFromNumber(*n) : fallback;
}

qint32 numberFromColor(const QColor& color)
{
    return qint32(quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16));
}
