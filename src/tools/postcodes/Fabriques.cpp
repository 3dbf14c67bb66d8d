// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/Fabriques.h"

#include "tools/postcodes/Frm14CD.h"

const Fabrique FabriqueFrm14CD{[](AppContext& c) -> QWidget* { return new Frm14CD(c); }};
