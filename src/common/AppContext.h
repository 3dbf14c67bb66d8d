// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Module.h"
#include "data/WordData.h"
#include "platform/Platform.h"

class MDI;

// What every window is given: the shared state, the word tables, the platform, and the main
// frame once it exists.
struct AppContext {
    Module& module;
    WordData& words;
    Platform& platform;
    MDI* mdi = nullptr;
};
