// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QChar>
#include <QString>

// What the A-to-Z keystroke filter does with one typed character.
enum class FiltreResultat {
    Passe,          // a control character, or a letter while there is room
    RefuseMessage,  // not a letter A to Z (in upper case): refused with the invalid-character message
    Refuse,         // a letter while the box already holds the maximum length or more
};

FiltreResultat filtreLettreAZ(QChar typed, int longueurActuelle, int longueurMax);

// A text that reaches the box all at once (pasted, dropped, or committed by an input method:
// a dead key, a compose sequence) taken as if its characters had been typed one by one into a
// box that holds `longueurActuelle` characters, `longueurRemplacee` of them selected: the
// letters that get in (the first one replaces the selection), and whether a character was
// refused with the invalid-character message. A control character (a line end, a tab) is
// dropped without a message.
struct TexteFiltre {
    QString lettres;
    bool message = false;
};
TexteFiltre filtreTexteAZ(QStringView texte, int longueurActuelle, int longueurRemplacee, int longueurMax);

// "Caractère non valide." & line break & "Seules les lettres de A à Z, sans accent, sont acceptées."
QString messageCaractereNonValide(const QString& sautLigne);
