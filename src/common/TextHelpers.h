// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <span>

// Folds the lower-case accented letters à ä â ç é è ë ê ï î ö ô ù ü û ÿ of the first
// nbLet characters of aller; every other character passes unchanged.
QString SubAccents(const QString& aller, qsizetype nbLet);
inline QString SubAccents(const QString& aller)
{
    return SubAccents(aller, aller.size());
}

// The upper case of each character on its own: a character never becomes two (a ligature
// such as "ﬃ" or the letter ß stays as it is), so the text keeps its length.
QString majuscules(const QString& texte);

// Replaces every occurrence of cherche by remplace, left to right, without overlap.
// An empty search string, or a text that is empty or only blanks, comes back unchanged.
QString sChangeCaractere(const QString& texte, const QString& cherche, const QString& remplace);
inline QString ChangeEspaceTiret(const QString& texte, const QString& cherche, const QString& remplace)
{
    return sChangeCaractere(texte, cherche, remplace);
}

// A number with its digits grouped by three from the right, the groups separated by a
// blank: "406 146".
QString nombreEnGroupes(qint64 n);

// Windows-1252 bytes to text, one character per byte (undefined bytes map to the same code point).
QString fromWindows1252(const char* data, qsizetype size);
QString fromWindows1252(const QByteArray& bytes);
// Many texts at once, for long lists of short words: the strings are the same as one by one,
// but their characters lie in one block of memory that they share as copies of one string
// share theirs (a string changed later takes its own copy first); the block goes with the
// last of them.
QStringList fromWindows1252(std::span<const QByteArrayView> texts);
// The Windows-1252 byte of a character (0 to 255), or -1 when the code page lacks it.
int windows1252Code(QChar c);
// Text to Windows-1252; a character outside the code page becomes '?'.
QByteArray toWindows1252(const QString& text);
