// Lexiparc — GPL-3.0-or-later.
#include "common/Options.h"

#include <cmath>

std::uint8_t loadOptionFromText(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r < 0 || r > 255)
        return 0;
    return std::uint8_t(r);
}
