// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/Module.h"

#include <QString>

// Fills what the start screen sets at load: the line break and message title, the program's
// folder (with one trailing separator) and the definitions file path, and the display
// constants of the shipped data.
void initialiseModule(Module& m, const QString& applicationFolder, const QString& version);
