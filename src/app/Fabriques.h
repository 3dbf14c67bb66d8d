// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

class QWidget;

// How the main frame makes each of its windows. A null create means the window is not part
// of this build yet: its tool-bar button stays disabled.
struct Fabrique {
    QWidget* (*create)(AppContext& ctx) = nullptr;
};

extern const Fabrique FabriqueFrm10Dico;       // tools/dictionary
extern const Fabrique FabriqueFrm15Scrabble;   // tools/dictionary
extern const Fabrique FabriqueFrm11Ana;        // tools/anagrams
extern const Fabrique FabriqueFrm13MotCroix;   // tools/crossword
extern const Fabrique FabriqueFrm12Syno;       // tools/synonyms
extern const Fabrique FabriqueFrm16Approchant; // tools/nearspelling
extern const Fabrique FabriqueFrm14CD;         // tools/postcodes
extern const Fabrique FabriqueFrm04Options;    // app
extern const Fabrique FabriqueFrm20About;      // about
