// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Cadre.h"

// The about box, as the main frame makes it.
extern const Fabrique FabriqueFrm20About;
