// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "about/Fabriques.h"
#include "common/AppContext.h"
#include "tools/anagrams/Fabriques.h"
#include "tools/crossword/Fabriques.h"
#include "tools/dictionary/Fabriques.h"
#include "tools/nearspelling/Fabriques.h"
#include "tools/postcodes/Fabriques.h"
#include "tools/synonyms/Fabriques.h"

// The windows of the main frame's tool bar: each folder below declares how the frame makes
// its own; the options window is the frame's.
extern const Fabrique FabriqueFrm04Options;
