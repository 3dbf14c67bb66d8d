// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QChar>

// What the A-to-Z keystroke filter does with one typed character.
enum class FiltreResultat {
    Passe,          // a control character, or a letter while there is room
    RefuseMessage,  // not a letter A to Z (in upper case): refused with the invalid-character message
    Refuse,         // a letter while the box already holds the maximum length or more
};

FiltreResultat filtreLettreAZ(QChar typed, int longueurActuelle, int longueurMax);

// "Caractère non valide." & line break & "Seules les lettres de A à Z, sans accent, sont acceptées."
QString messageCaractereNonValide(const QString& sautLigne);
