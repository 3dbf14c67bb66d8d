// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Cadre.h"

// The anagram window, as the main frame makes it.
extern const Fabrique FabriqueFrm11Ana;
