#pragma once
// Rows of the channel grid with a role of their own, and what the row
// actions of the channel window (Paste, Move) may do with them.
#include "ChannelTable.h"
#include "Problem.h"
#include <QString>
#include <optional>
#include <vector>

// Rows 1-99 are the ones the grid shows and the user edits; rows 100-128
// are the radio's own: they pass through reads, files and writes as they
// are.
inline constexpr int LastShownChannelRow = 99;

// Rows 1-8, 31-38, 41-48 and 71-78: the only rows whose repeater column
// (10) may be set, and the only ones that draw it in blue.
inline bool IsRepeaterRow(int row)
{
    return (row >= 1 && row <= 8) || (row >= 31 && row <= 38) || (row >= 41 && row <= 48)
        || (row >= 71 && row <= 78);
}

// Rows 1-80, the rows the built-in default list fills: Paste keeps their
// RX and TX frequencies, and they do not move.
inline bool IsFixedFrequencyRow(int row)
{
    return row >= 1 && row <= 80;
}

// Why `count` rows pasted from `firstRow` down do not all fit into the rows
// up to `lastRow` ("1 of the 4 rows does not fit: ..."); nothing when they do.
std::optional<Problem> RowsThatDoNotFit(int count, int firstRow, int lastRow);

// Copied rows (columns 1-12 each) put back: one row goes into every row of
// `rows`, several into the rows from `firstRow` down. Each row keeps the
// cells Paste leaves; a kept empty repeater cell of a row with an RX
// frequency becomes Off. All or nothing: several rows that do not all fit
// above row 100 change nothing, and the problem says how many do not fit.
std::optional<Problem> PasteCopiedRows(ChannelTable& table, const std::vector<ChannelTexts>& copied,
                                       const std::vector<int>& rows, int firstRow);

// Whether the rows (ascending) may move by `step` (-1 up, +1 down): each of
// them and its new place lie among the shown rows that are not fixed
// (81-99).
bool CanMoveRows(const std::vector<int>& rows, int step);

// Swaps each of the rows with its neighbour `step` away, the one nearest
// the destination first, so that a block of rows moves as a whole.
// Call only when CanMoveRows.
void MoveRowsBy(ChannelTable& table, const std::vector<int>& rows, int step);

// The `count` rows from `first` down.
std::vector<int> RowRun(int first, int count);

// How a change names the rows (ascending) it changed: "row 83", "rows 81-85",
// "rows 5, 7-9".
QString RowsName(const std::vector<int>& rows);
