#include "ChannelRows.h"
#include "ChannelColumns.h"
#include "base/languagestr.h"
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <utility>

std::optional<Problem> RowsThatDoNotFit(int count, int firstRow, int lastRow)
{
    const int room = std::max(0, lastRow - firstRow + 1);
    if (count <= room)
        return std::nullopt;
    const int over = count - room;
    return Problem{0, 0, 0, QStringLiteral("%1 of the %2 rows %3 not fit: from row %4 down there is room for %5")
        .arg(over).arg(count).arg(over == 1 ? QStringLiteral("does") : QStringLiteral("do")).arg(firstRow).arg(room)};
}

std::optional<Problem> PasteCopiedRows(ChannelTable& table, const std::vector<ChannelTexts>& copied,
                                       const std::vector<int>& rows, int firstRow)
{
    std::vector<std::pair<int, const ChannelTexts*>> targets;
    if (copied.size() == 1) {
        for (int row : rows)
            targets.emplace_back(row, &copied.front());
    } else {
        if (auto over = RowsThatDoNotFit(int(copied.size()), firstRow, LastShownChannelRow))
            return over;
        for (size_t i = 0; i < copied.size(); ++i)
            targets.emplace_back(firstRow + int(i), &copied[i]);
    }
    for (const auto& [row, texts] : targets) {
        for (int column = ColRx; column <= ColName; ++column)
            if (!PasteKeepsCell(row, column))
                table.SetText(row, column, TextOf(*texts, column));
        // The kept repeater cell of a channel reads as typing leaves it.
        if (!table.Text(row, ColRx).isEmpty() && table.Text(row, ColRepeater).isEmpty())
            table.SetText(row, ColRepeater, languagestr::WordOff);
    }
    return std::nullopt;
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

std::vector<int> RowRun(int first, int count)
{
    std::vector<int> rows(std::max(0, count));
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

QString RowsName(const std::vector<int>& rows)
{
    QStringList runs;
    for (size_t first = 0, last = 0; first < rows.size(); first = ++last) {
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        runs << (last == first ? QString::number(rows[first])
                               : QStringLiteral("%1-%2").arg(rows[first]).arg(rows[last]));
    }
    return (rows.size() == 1 ? QStringLiteral("row ") : QStringLiteral("rows ")) + runs.join(QStringLiteral(", "));
}
