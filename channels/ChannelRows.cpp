#include "ChannelRows.h"
#include <algorithm>
#include <utility>

bool PasteKeepsCell(int row, int column)
{
    if (column == ColRx || column == ColTx)
        return IsFixedFrequencyRow(row);
    return column == ColRepeater && !IsRepeaterRow(row);
}

void PasteCopiedRows(ChannelTable& table, const std::vector<ChannelTexts>& copied, const std::vector<int>& rows,
                     int firstRow)
{
    std::vector<std::pair<int, const ChannelTexts*>> targets;
    if (copied.size() == 1)
        for (int row : rows)
            targets.emplace_back(row, &copied.front());
    else
        for (size_t i = 0; i < copied.size() && firstRow + int(i) <= LastShownChannelRow; ++i)
            targets.emplace_back(firstRow + int(i), &copied[i]);
    for (const auto& [row, texts] : targets)
        for (int column = ColRx; column <= ColName; ++column)
            if (!PasteKeepsCell(row, column))
                table.SetText(row, column, TextOf(*texts, column));
}

bool CanMoveRows(const std::vector<int>& rows, int step)
{
    return !rows.empty() && std::all_of(rows.begin(), rows.end(), [&](int row) {
        return !IsFixedFrequencyRow(row) && !IsFixedFrequencyRow(row + step) && row + step <= LastShownChannelRow;
    });
}

void MoveRowsBy(ChannelTable& table, const std::vector<int>& rows, int step)
{
    std::vector<int> order = rows;
    if (step > 0)
        std::reverse(order.begin(), order.end());
    for (int row : order) {
        const ChannelTexts moving = table.RowTexts(row);
        table.SetRowTexts(row, table.RowTexts(row + step));
        table.SetRowTexts(row + step, moving);
    }
}
