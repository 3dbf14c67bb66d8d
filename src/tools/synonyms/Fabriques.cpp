// Lexiparc — GPL-3.0-or-later.
#include "app/Fabriques.h"

const Fabrique FabriqueFrm12Syno{};
