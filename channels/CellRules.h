#pragma once
// What the channel grid lets a user do with a cell, on the table alone:
// which cells may become current, which take typed keys and which show a
// list, where Enter and Tab go, and what leaving a cell the user has
// edited does to its row. The channel window asks these and shows the
// outcome.
#include "ChannelTable.h"
#include "RowCheck.h"
#include <QChar>
#include <QString>
#include <functional>
#include <optional>

struct GridCell {
    int Column = 0, Row = 0;
    bool operator==(const GridCell&) const = default;
};

// Not the channel number; the repeater column only in repeater rows;
// columns 4..11 only in a row with an RX frequency.
bool MayChooseCell(const ChannelTable& table, GridCell cell);

// The frequency and name cells take typed keys, TX and the name only in a
// row with an RX frequency.
bool TakesTypedKeys(const ChannelTable& table, GridCell cell);

// A choice cell shows its list in a row with an RX frequency.
bool ShowsList(const ChannelTable& table, GridCell cell);

// A key typed into a cell that takes typed keys, through the column's key
// filter: false when the key is refused. A cell whose text has grown past
// the filter's length is emptied first (the key then starts it again).
bool TypeKey(ChannelTable& table, GridCell cell, QChar& key);

// Enter: RX goes to TX, TX to the name, the name to the next row's RX (the
// last row's own). Other columns stay.
GridCell CellAfterEnter(GridCell cell, int lastRow);

// Tab (step 1) and Shift+Tab (-1): the next shown cell that may be chosen,
// on the next or previous row past a row's end; nothing past the first or
// the last row.
std::optional<GridCell> CellAfterTab(const ChannelTable& table, GridCell cell, int step, int lastRow,
                                     const std::function<bool(int column)>& shown);

// Leaving a cell the user edited during the visit (a visit alone changes
// nothing, so a receive-only row or a frequency off the raster stays as
// it was read):
//   - an emptied RX cell empties the whole row (columns 2..12);
//   - an emptied TX cell of a row with RX sets the encode tone Off;
//   - a frequency is checked against the bands and moved to the 5 kHz or
//     6.25 kHz raster; one outside the bands gets back the text the cell
//     had before the edit;
//   - an RX cell left with a frequency fills the row's empty cells as a
//     started row (StartedRowTexts).
// False when the entry lay outside the bands (the caller says so).
bool LeaveEditedCell(ChannelTable& table, GridCell cell, const QString& textBeforeEdit, const BandLimits& bands);

// The cell the user edits during one visit of the current cell, and what it
// held before: only an edited cell runs the leaving rules, and Escape puts
// its text back.
class CellEdit {
public:
    // Before each change the user makes; the first of a visit keeps the
    // cell's text.
    void Note(const ChannelTable& table, GridCell cell);
    // Leaving `cell`: nothing when it was not edited; else LeaveEditedCell's
    // rules and whether the entry lay inside the bands.
    std::optional<bool> Leave(ChannelTable& table, GridCell cell, const BandLimits& bands);
    // Escape: the text before the edit back; false when `cell` was not edited.
    bool Cancel(ChannelTable& table, GridCell cell);
    // The table was replaced: no cell goes back to an earlier text.
    void Forget() { cell_ = {-1, -1}; }

private:
    GridCell cell_{-1, -1};
    QString before_;
};
