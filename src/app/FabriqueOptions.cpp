// Lexiparc — GPL-3.0-or-later.
#include "app/Fabriques.h"

#include "app/Frm04Options.h"

const Fabrique FabriqueFrm04Options{[](AppContext& c) -> QWidget* { return new Frm04Options(c); }};
