// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/Fabriques.h"

#include "tools/synonyms/Frm12Syno.h"

const Fabrique FabriqueFrm12Syno{[](AppContext& c) -> QWidget* { return new Frm12Syno(c); }};
