#pragma once
// The check a frequency cell gets when the editor leaves it: the value must
// lie inside one of the two bands (limits excluded) and is moved to the
// nearest channel of the 5 kHz or 6.25 kHz raster.
#include "RowCheck.h"
#include <QString>

struct SnappedFrequency {
    QString text;   // what the cell is to hold; empty on overflow
    bool overflow;  // the value lay outside the bands
};

// The limits the program works with (the connection state's bands).
BandLimits CurrentBands();

// Checks and snaps a cell text. A text that is not a decimal number counts
// as out of range, like a value outside the bands.
SnappedFrequency CheckAndSnapFrequency(const QString& text, const BandLimits& bands);
