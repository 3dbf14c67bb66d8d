// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/Fabriques.h"

#include "tools/dictionary/Frm10Dico.h"
#include "tools/dictionary/Frm15Scrabble.h"

const Fabrique FabriqueFrm10Dico{[](AppContext& c) -> QWidget* { return new Frm10Dico(c); }};
const Fabrique FabriqueFrm15Scrabble{[](AppContext& c) -> QWidget* { return new Frm15Scrabble(c); }};
