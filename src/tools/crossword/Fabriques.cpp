// Lexiparc — GPL-3.0-or-later.
#include "tools/crossword/Fabriques.h"

#include "tools/crossword/Frm13MotCroix.h"

const Fabrique FabriqueFrm13MotCroix{[](AppContext& c) -> QWidget* { return new Frm13MotCroix(c); }};
