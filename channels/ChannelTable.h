#pragma once
// The channel grid's texts, kept apart from the grid that shows them:
// 129 rows x 13 columns. Row 0 holds the column titles, column 0 the slot
// numbers; rows 1..128 are the channels. The grid shows the first 100 rows,
// the table always keeps all 129, so channels 100..128 survive a read, a
// file and a write even though nobody edits them.
#include "ChannelRecord.h"
#include <QString>
#include <array>

class ChannelTable {
public:
    static constexpr int RowCount = ChannelRowCount;
    static constexpr int ColumnCount = ChannelColumnCount;

    // Titles in row 0, "1".."128" in column 0, every other cell empty.
    ChannelTable();

    // A cell outside the table reads as empty and ignores writes.
    const QString& Text(int row, int column) const;
    void SetText(int row, int column, const QString& text);

    // Columns 1..12 of a channel row.
    ChannelTexts RowTexts(int row) const;
    void SetRowTexts(int row, const ChannelTexts& texts);

    // A row that sends an empty slot: no RX and no TX text.
    bool IsEmptySlotRow(int row) const;

    friend bool operator==(const ChannelTable&, const ChannelTable&) = default;

private:
    static bool Contains(int row, int column);
    std::array<std::array<QString, ColumnCount>, RowCount> cells_;
};
