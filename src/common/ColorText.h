// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <optional>

// The number a colour text denotes: "&H" followed by hexadecimal digits, "&O" followed by
// octal digits, or decimal. Empty or unreadable texts give no value.
std::optional<qint32> colorNumber(const QString& text);

// The number of a "&H" (hexadecimal) or "&O" (octal) text, an "&" at its end allowed, as a
// signed 32-bit value (from &H80000000 on, numbers are negative). No value when the text has
// neither prefix or is not such a number.
std::optional<qint32> prefixedNumber(const QString& text);
