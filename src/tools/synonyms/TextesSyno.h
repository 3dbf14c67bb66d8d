// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <QStringList>

// The clipboard text of the synonym list: a heading with the entry text, then the rows,
// joined by line breaks (none after the last row).
QString texteCopieSynonymes(const QString& entree, const QStringList& lignes, const QString& saut);

// The eight-line help message of the synonym window.
QString texteAideSynonymes(const QString& saut);

// The confirmation shown once the list is copied.
inline constexpr const char16_t* kTexteListeCopiee = u"La liste a été copiée.";
