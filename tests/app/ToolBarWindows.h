// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "app/Fabriques.h"

#include <utility>

// The windows that the main frame's tool bar opens, by object name; all but the about box
// open at the cascade position.
inline const std::pair<const char*, const Fabrique*> kFenetres[] = {
    {"Frm10Dico", &FabriqueFrm10Dico},   {"Frm15Scrabble", &FabriqueFrm15Scrabble},
    {"Frm11Ana", &FabriqueFrm11Ana},     {"Frm13MotCroix", &FabriqueFrm13MotCroix},
    {"Frm12Syno", &FabriqueFrm12Syno},   {"Frm16Approchant", &FabriqueFrm16Approchant},
    {"Frm14CD", &FabriqueFrm14CD},       {"Frm04Options", &FabriqueFrm04Options},
    {"Frm20About", &FabriqueFrm20About},
};
