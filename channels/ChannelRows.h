#pragma once
// Rows of the channel grid with a role of their own.

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
// RX and TX frequencies.
inline bool IsFixedFrequencyRow(int row)
{
    return row >= 1 && row <= 80;
}
