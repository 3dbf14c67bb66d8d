// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/RuntimeError.h"

#include <QByteArray>
#include <QString>

// The longest line a sound definitions file holds, in bytes before its LF (a CR included):
// ten times the longest line of the file we ship.
inline constexpr qsizetype kLongueurMaxLigne = 4096;

// A line longer than kLongueurMaxLigne: the file is damaged (or is no definitions file).
class FichierEndommage : public RuntimeError {
public:
    FichierEndommage();
};

// The value of one key in one bracketed section of a Windows-1252 text file, read afresh
// at every call: the first line of the section whose trimmed text begins with the key
// (letters compared without regard to case) followed by blanks and "=", taken from its first
// "=" to its end without the blanks around it. The section is the lines after the first line
// whose trimmed text begins with "[" & section & "]" (case ignored) and before the next line
// that begins with "["; blanks are spaces only. Empty text when the section or the key is
// absent. Only a regular file is read: a file that cannot be opened raises a RuntimeError, 53
// when it does not exist, 70 when access is refused, 75 otherwise (a folder, a pipe, a device:
// the open never waits on them); a failed read raises 57. A line longer than kLongueurMaxLigne
// read before the result is known raises FichierEndommage. The file is closed before the call
// returns.
QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable);

// The same, reading the file in blocks of `tailleBloc` bytes.
QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable, qsizetype tailleBloc);
// The same search over bytes already in memory (one file's content).
QString valeurIni(QByteArrayView contenu, const QString& Contener, const QString& Variable);
