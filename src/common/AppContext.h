// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Module.h"
#include "platform/Platform.h"

class Cadre;
struct WordData;

// What every window is given: the shared state, the word tables, the platform, and the main
// frame once it exists. The word tables are only named here: a window that reads them
// includes "data/WordData.h".
struct AppContext {
    Module& module;
    WordData& words;
    Platform& platform;
    Cadre* mdi = nullptr;
};
