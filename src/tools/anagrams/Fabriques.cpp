// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/Fabriques.h"

#include "tools/anagrams/Frm11Ana.h"

const Fabrique FabriqueFrm11Ana{[](AppContext& c) -> QWidget* { return new Frm11Ana(c); }};
