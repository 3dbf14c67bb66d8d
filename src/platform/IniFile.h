// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// The settings file: a text of "[Section]" lines and "key=value" lines. A value is the text
// after the first "=" of its line, blanks around it removed: commas, quotes and semicolons are
// part of it. Section and key names compare without regard to case; the first line of a key in
// the sections of that name counts. Every other line (comments, blank lines, anything else) is
// kept as it is when the text is rewritten.
namespace ini {

std::optional<QString> value(const QByteArray& text, QStringView section, QStringView key);

// The text with `key` of `section` set to `value`: the key's line is replaced (its line ending
// kept), or a line is added after the last line of the section, or the section is added at the
// end. Every other byte stays as it was.
QByteArray withValue(const QByteArray& text, QStringView section, QStringView key, QStringView value);

// The largest settings file read: anything bigger is not a settings file.
inline constexpr qint64 kMaxSize = 1 << 20;

// What a path designates once its symbolic links are followed (the path itself when it is not
// a link); empty when the links loop.
QString resolvedTarget(const QString& path);

// Reads the file at `path`, through its links. An absent file reads as an empty text; no value
// when what is there is not a regular file that can be read, or is too big to be one.
std::optional<QByteArray> readFile(const QString& path);

// Sets `values` (key, value, in this order) in `section` of the file at `path` and writes it
// again in one go into the regular file its links lead to (created, with its folder, when
// absent). False, the file being left as it was, when it cannot be read or written, or when
// something else than a regular file is there.
bool writeFile(const QString& path, QStringView section, const QList<QPair<QString, QString>>& values);

}
