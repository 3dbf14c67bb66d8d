// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>

// The program's folder with exactly one trailing separator (a root folder keeps its own).
QString cheminAvecSeparateur(const QString& folder);
// The definitions file: the program's folder, "definitions", the version text, ".ret".
QString fichierDefinitions(const QString& cheminApp, const QString& version);
