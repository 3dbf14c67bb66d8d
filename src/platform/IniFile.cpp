// Lexiparc — GPL-3.0-or-later.
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ini {

namespace {
// One line of the text: its content [begin, end), without the line ending, and where the next
// line starts. The first line's content starts after a UTF-8 byte order mark.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

QList<Line> lines(const QByteArray& text)
{
    QList<Line> out;
    qsizetype i = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < text.size()) {
        const qsizetype nl = text.indexOf('\n', i);
        const qsizetype next = nl < 0 ? text.size() : nl + 1;
        qsizetype end = nl < 0 ? text.size() : nl;
        if (end > i && text[end - 1] == '\r')
            --end;
        out.append({i, end, next});
        i = next;
    }
    return out;
}

QString decoded(const QByteArray& text, const Line& l)
{
    return QString::fromUtf8(QByteArrayView(text).sliced(l.begin, l.end - l.begin));
}

// The name of a "[Section]" line.
std::optional<QString> sectionName(const QString& line)
{
    const QString t = line.trimmed();
    const qsizetype close = t.indexOf(u']');
    if (!t.startsWith(u'[') || close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line; comments have none.
std::optional<QString> keyName(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(u';') || key.startsWith(u'#'))
        return std::nullopt;
    return key;
}

struct Found {
    qsizetype keyLine = -1;     // the key's line
    qsizetype sectionEnd = -1;  // the last line of the first section of that name that is not blank
};

Found find(const QByteArray& text, const QList<Line>& ls, QStringView section, QStringView key)
{
    Found f;
    bool inSection = false;
    bool first = true;
    for (qsizetype i = 0; i < ls.size(); ++i) {
        const QString line = decoded(text, ls[i]);
        if (const auto name = sectionName(line)) {
            if (inSection)
                first = false;
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && first)
                f.sectionEnd = i;
            continue;
        }
        if (!inSection)
            continue;
        if (first && !line.trimmed().isEmpty())
            f.sectionEnd = i;
        const auto k = keyName(line);
        if (k && k->compare(key, Qt::CaseInsensitive) == 0) {
            f.keyLine = i;
            return f;
        }
    }
    return f;
}
}

std::optional<QString> value(const QByteArray& text, QStringView section, QStringView key)
{
    const QList<Line> ls = lines(text);
    const Found f = find(text, ls, section, key);
    if (f.keyLine < 0)
        return std::nullopt;
    const QString line = decoded(text, ls[f.keyLine]);
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

QByteArray withValue(const QByteArray& text, QStringView section, QStringView key, QStringView value)
{
    const qsizetype firstNl = text.indexOf('\n');
    const QByteArray eol = firstNl > 0 && text[firstNl - 1] == '\r' ? "\r\n" : "\n";
    QString v = value.toString();
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray entry = (key.toString() + u'=' + v).toUtf8();

    const QList<Line> ls = lines(text);
    const Found f = find(text, ls, section, key);
    QByteArray out = text;
    if (f.keyLine >= 0) {
        const Line& l = ls[f.keyLine];
        return out.replace(l.begin, l.end - l.begin, entry);
    }
    if (f.sectionEnd >= 0) {
        const Line& l = ls[f.sectionEnd];
        if (l.next == l.begin || text[l.next - 1] != '\n')  // the last line, without a line ending
            return out.insert(l.next, eol + entry);
        return out.insert(l.next, entry + eol);
    }
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += eol;
    const QList<Line> all = lines(out);
    if (!all.isEmpty() && !decoded(out, all.last()).trimmed().isEmpty())
        out += eol;
    return out + '[' + section.toString().toUtf8() + ']' + eol + entry + eol;
}

QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == 40)
            return {};
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

std::optional<QByteArray> readFile(const QString& path)
{
    const QString target = resolvedTarget(path);
    if (target.isEmpty())
        return std::nullopt;
    const QFileInfo info(target);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile() || info.size() > kMaxSize)
        return std::nullopt;
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSize)
        return std::nullopt;
    return bytes;
}

bool writeFile(const QString& path, QStringView section, const QList<QPair<QString, QString>>& values)
{
    const QString target = resolvedTarget(path);
    if (target.isEmpty())
        return false;
    const QFileInfo info(target);
    const bool existed = info.exists();
    const std::optional<QByteArray> before = readFile(target);
    if (!before)
        return false;
    QByteArray after = *before;
    for (const auto& [key, v] : values)
        after = withValue(after, section, key, v);
    if (existed && after == *before)
        return true;
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // A new file is written beside the old one and takes its place only once whole.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write (a full disk) must be seen here: the copy is then dropped. Flushed first,
    // since the closing in commit() does not report a failed flush.
    if (file.write(after) != after.size() || !file.flush())
        return false;
    return file.commit();
}

}
