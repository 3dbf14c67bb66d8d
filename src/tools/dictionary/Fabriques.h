// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Cadre.h"

// The dictionary and Scrabble windows, as the main frame makes them.
extern const Fabrique FabriqueFrm10Dico;
extern const Fabrique FabriqueFrm15Scrabble;
