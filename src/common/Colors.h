// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/ColorText.h"

#include <QColor>
#include <QString>
#include <optional>


// A colour number in the &HBBGGRR layout (blue in the high byte) as a QColor.
QColor colorFromNumber(qint32 bgr);
QColor colorFromText(const QString& text, const QColor& fallback = Qt::white);
// The &HBBGGRR number of a QColor.
qint32 numberFromColor(const QColor& color);

// Twips, the unit of every size and position in the windows: 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
inline constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
