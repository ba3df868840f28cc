#pragma once
// What the channel grid lets a user put into a row, for everything that
// fills rows the way a user would: the grid itself, Paste of clipboard text
// and the import of a CSV file.
#include "ChannelColumns.h"
#include "ChannelTable.h"
#include "RowCheck.h"
#include <QString>
#include <QStringList>
#include <optional>

// A name as it can be typed: upper case, only characters of NameAlphabet,
// at most six of them.
QString GridName(const QString& text);

struct PastedRow {
    std::optional<Problem> Failure;  // the bad cell, "row 7, TX Power: ..."
    bool FrequencyMoved = false;  // a frequency was moved to the channel raster
    bool NameChanged = false;     // the name was not as it can be typed
};

// Puts texts of columns 1..12 into a row as if a user had entered each:
//   - the cells Paste keeps stay as they are (PasteKeepsCell: RX and TX of
//     rows 1..80, the repeater column of rows that are not repeater rows);
//   - a frequency must lie in the band and is moved to the raster, as when
//     its cell is left;
//   - a choice text becomes the list item it equals ignoring case; any
//     other text is refused, except in a tone column, where the check
//     before a write decides;
//   - a row without an RX frequency is emptied, as leaving its empty RX
//     cell empties it; without TX the encode tone is Off; other empty cells
//     get what a started row gets;
//   - the row must then pass the check before a write; tones are stored as
//     the radio gives them back ("67" becomes "67.0").
// The table changes only on success.
PastedRow PasteRow(ChannelTable& table, int row, const ChannelTexts& texts, const BandLimits& bands);
