// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <optional>

// The number a colour text denotes: "&H" followed by hexadecimal digits, or decimal.
// Empty or unreadable texts give no value.
std::optional<qint32> colorNumber(const QString& text);
