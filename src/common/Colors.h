// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/ColorText.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

// The colours of the windows, as numbers in the &HBBGGRR layout: one name, one colour.
inline constexpr qint32 kNoir = 0x000000;
inline constexpr qint32 kGrisFonce = 0x404040;
inline constexpr qint32 kGris = 0x808080;
inline constexpr qint32 kGrisArgent = 0xC0C0C0;
inline constexpr qint32 kGrisClair = 0xE0E0E0;
inline constexpr qint32 kBlanc = 0xFFFFFF;
inline constexpr qint32 kRougeFonce = 0x000080;
inline constexpr qint32 kRougeMoyen = 0x0000C0;
inline constexpr qint32 kBrun = 0x004080;
inline constexpr qint32 kBleu = 0xFF0000;

// A colour number in the &HBBGGRR layout (blue in the high byte) as a QColor.
QColor colorFromNumber(qint32 bgr);
QColor colorFromText(const QString& text, const QColor& fallback = Qt::white);
// The &HBBGGRR number of a QColor.
qint32 numberFromColor(const QColor& color);

// Twips, the unit of every size and position in the windows: 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}
inline constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
// A place given in twips, in pixels.
inline constexpr QRect twips(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
