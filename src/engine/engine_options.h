// The UCI options the program sets on every engine it loads, built from the
// engine settings.
#pragma once

#include <QStringList>

#include "shell/settings.h"

// The "setoption name ... value ..." lines, in the order they are sent.
// processorCount caps the thread count.
QStringList EngineOptionLines(const Settings& settings, int processorCount);
