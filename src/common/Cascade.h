// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Module.h"

// Advances the cascade position of the next tool window: 600, 1200 ... 3600, then 600 again
// (from 0 or 3600); any other value stays. PosHaut takes the same value as PosGauche.
void PositionFenetreSuivante(Module& m);
