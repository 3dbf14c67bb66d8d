// Lexiparc — GPL-3.0-or-later.
#include "tools/nearspelling/Fabriques.h"

#include "tools/nearspelling/Frm16Approchant.h"

const Fabrique FabriqueFrm16Approchant{[](AppContext& c) -> QWidget* { return new Frm16Approchant(c); }};
