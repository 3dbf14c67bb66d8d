// Lexiparc — GPL-3.0-or-later.
#include "about/Fabriques.h"

#include "about/Frm20About.h"

const Fabrique FabriqueFrm20About{[](AppContext& c) -> QWidget* { return new Frm20About(c); }};
