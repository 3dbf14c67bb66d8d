// Lexiparc — GPL-3.0-or-later.
// The definitions-file reader on arbitrary files, sections and keys: it never crashes, and
// whether it reads the file in small blocks, in large ones or from memory, it gives the
// value of a plain line-by-line reading of the file that follows the rules word for word.
#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "tools/dictionary/GetIni.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {
// A character in upper or lower case, kept as it is when that case is not in the code page.
QChar casse(QChar c, bool haut)
{
    const QChar f = haut ? c.toUpper() : c.toLower();
    return windows1252Code(f) >= 0 ? f : c;
}

bool commencePar(const QString& texte, const QString& debut, bool haut)
{
    if (texte.size() < debut.size())
        return false;
    for (qsizetype i = 0; i < debut.size(); ++i)
        if (casse(texte[i], haut) != casse(debut[i], haut))
            return false;
    return true;
}

// Blanks (spaces only) removed at both ends.
QString sansBlancs(const QString& s)
{
    qsizetype a = 0;
    qsizetype b = s.size();
    while (a < b && s[a] == u' ')
        ++a;
    while (b > a && s[b - 1] == u' ')
        --b;
    return s.mid(a, b - a);
}

// The reading the rules describe: lines end at LF (a CR before it is no part of the line);
// the section opens after the first line whose trimmed text begins with "[" & section & "]"
// in upper case; in it, the first line whose trimmed text begins with the key in lower case,
// followed by blanks and "=", gives its text from the first "=" on, trimmed; a line whose
// trimmed text begins with "[" ends the section. A line of more than kLongueurMaxLigne bytes
// (its CR included) read on the way makes the file damaged: no value.
std::optional<QString> lectureLigneALigne(const QByteArray& contenu, const QString& section, const QString& cle)
{
    QList<QByteArray> lignes = contenu.split('\n');
    if (contenu.isEmpty() || contenu.endsWith('\n'))
        lignes.removeLast();  // no line after the last LF
    const QString entete = u'[' + section + u']';
    bool dedans = false;
    for (const QByteArray& octets : lignes) {
        if (octets.size() > kLongueurMaxLigne)
            return std::nullopt;
        QString ligne = fromWindows1252(octets);
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);
        const QString nette = sansBlancs(ligne);
        if (!dedans) {
            dedans = commencePar(nette, entete, true);
            continue;
        }
        if (commencePar(nette, cle, false) && sansBlancs(nette.mid(cle.size())).startsWith(u'='))
            return sansBlancs(ligne.mid(ligne.indexOf(u'=')));
        if (nette.startsWith(u'['))
            return QString();
    }
    return QString();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const qsizetype block = 1 + data[0] % 64;
    const size_t sectionLen = data[1] % 12;
    const size_t keyLen = data[2] % 12;
    size_t at = 3;
    auto take = [&](size_t n) {
        n = std::min(n, size - at);
        const QByteArray b(reinterpret_cast<const char*>(data + at), qsizetype(n));
        at += n;
        return fromWindows1252(b);
    };
    const QString section = take(sectionLen);
    const QString key = take(keyLen);
    const QByteArray content(reinterpret_cast<const char*>(data + at), qsizetype(size - at));

    static const QString path = QDir::tempPath() + QStringLiteral("/lexiparc-fuzz-getini-%1.ret").arg(getpid());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(content);
    f.close();
    const std::optional<QString> attendu = lectureLigneALigne(content, section, key);
    const auto verifie = [&](const std::function<QString()>& lecture) {
        try {
            const QString lu = lecture();
            if (!attendu || lu != *attendu)
                __builtin_trap();
        } catch (const FichierEndommage&) {
            if (attendu)
                __builtin_trap();
        } catch (const RuntimeError&) {
            __builtin_trap();  // the file was just written: it opens
        }
    };
    verifie([&] { return GetIni(path, section, key, block); });
    verifie([&] { return GetIni(path, section, key); });
    verifie([&] { return valeurIni(content, section, key); });
    return 0;
}
