#pragma once
// The channel window's CSV exchange without the window: a 99-channel table
// exported to a CSV file (check, lines, file) and that file imported into
// the default channels (file, lines, each row as if typed, check).
#include "Figures.h"

// False when the export or the import failed.
bool MeasureCsvExchange(Figures& figures);
