#pragma once
// What leaving a cell does to its row, after the user has edited that cell
// during the visit (a visit alone changes nothing, so a receive-only row or
// a frequency off the raster stays as it was read):
//   - an emptied RX cell empties the whole row (columns 2..12);
//   - an emptied TX cell of a row with RX sets the encode tone Off;
//   - a frequency is checked against the bands and moved to the 5 kHz or
//     6.25 kHz raster; one outside the bands gets back the text the cell
//     had before the edit;
//   - an RX cell left with a frequency fills the row's empty cells as a
//     started row (StartedRowTexts).
#include "ChannelTable.h"
#include "RowCheck.h"
#include <QString>

// False when the entry lay outside the bands (the caller says so).
bool LeaveEditedCell(ChannelTable& table, int row, int column, const QString& textBeforeEdit,
                     const BandLimits& bands);
