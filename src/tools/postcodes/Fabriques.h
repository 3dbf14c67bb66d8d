// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Cadre.h"

// The postcode window, as the main frame makes it.
extern const Fabrique FabriqueFrm14CD;
