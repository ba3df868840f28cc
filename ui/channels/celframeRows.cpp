// TForm2, the popup menu's rows: Copy, Paste and Clear on the chosen rows
// (through this window's row clipboard and the system clipboard), moving
// rows among 81..99, and choosing them all. Each change is computed as a whole new table
// (the rules of the rows are in channels/ChannelRows.h) and applied as one
// undo step.
#include "celframe.h"

#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelRows.h"
#include "channels/FrequencySnap.h"
#include "ui/common/GuiLinkUi.h"

#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <numeric>

namespace {

// How an undo step names the rows it changed: "row 83", "rows 81-85",
// "rows 5, 7-9". The rows come in ascending order.
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

// The rows from `first` down that `count` pasted rows take.
std::vector<int> RowsFrom(int first, int count)
{
    std::vector<int> rows(std::max(0, count));
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

} // namespace

void TForm2::EditRows(RowCommand command)
{
    switch (command) {
    case RowCommand::Copy:
        return N1Click(RowAction::Copy);
    case RowCommand::Paste:
        return N1Click(RowAction::Paste);
    case RowCommand::Clear:
        return N1Click(RowAction::Clear);
    case RowCommand::MoveUp:
        return MoveRows(-1);
    case RowCommand::MoveDown:
        return MoveRows(1);
    case RowCommand::SelectAll:
        break;
    }
    StringGrid1->SelectRows(RowsFrom(1, model_->RowCount() - 1));
}

void TForm2::N1Click(RowAction action)
{
    const std::vector<int> rows = ChosenRows();
    if (rows.empty())
        return;
    if (action == RowAction::Copy) {
        CopyRows(rows);
        return;
    }
    FlushTyping();
    ChannelTable next = table_;
    if (action == RowAction::Paste)
        if (const std::vector<int> pasted = PasteRows(next, rows); !pasted.empty())
            ApplyTable(next, QStringLiteral("Paste ") + RowsName(pasted));
    if (action == RowAction::Clear) {
        for (int row : rows)
            next.SetRowTexts(row, ChannelTexts());
        ApplyTable(next, QStringLiteral("Clear ") + RowsName(rows));
    }
}

std::vector<int> TForm2::ChosenRows() const
{
    const std::vector<int> selected = StringGrid1->SelectedRows();
    if (!selected.empty() || !model_->IndexOf(ActiveCell.row, ColRx).isValid())
        return selected;
    return {ActiveCell.row};
}

// Besides this window's own clipboard, the rows go to the system clipboard
// as text a spreadsheet takes.
void TForm2::CopyRows(const std::vector<int>& rows)
{
    RowClipboard.clear();
    for (int row : rows)
        RowClipboard.push_back(table_.RowTexts(row));
    copiedText_ = RowsAsClipboardText(table_, rows);
    QApplication::clipboard()->setText(copiedText_);
}

// Text from elsewhere is pasted from the first chosen row down as if typed,
// what this window copied itself goes back as it was copied (one row into
// every chosen row); either all or nothing, also when the rows do not all
// fit. The rows that were pasted into; none when nothing was.
std::vector<int> TForm2::PasteRows(ChannelTable& next, const std::vector<int>& rows)
{
    const QString text = QApplication::clipboard()->text();
    const int first = rows.front();
    std::optional<Problem> problem;
    std::vector<int> pasted;
    if (text.isEmpty() || text == copiedText_) {
        problem = PasteCopiedRows(next, RowClipboard, rows, first);
        pasted = RowClipboard.size() == 1 ? rows : RowsFrom(first, int(RowClipboard.size()));
    } else {
        const Outcome<int> result = PasteClipboardText(text, first, model_->RowCount() - 1, CurrentBands(), next);
        problem = result.Failure;
        pasted = RowsFrom(first, result.Value);
    }
    if (!problem)
        return pasted;
    ui_->Notice(QStringLiteral("Nothing pasted: ") + problem->Text(), BoxKind::Error);
    return {};
}

void TForm2::MoveRows(int step)
{
    const std::vector<int> rows = ChosenRows();
    if (!CanMoveRows(rows, step)) {
        ShowStatusNote(this, QStringLiteral("Not moved: rows move only among rows 81 to 99."));
        return;
    }
    FlushTyping();
    ChannelTable next = table_;
    MoveRowsBy(next, rows, step);
    ApplyTable(next, QStringLiteral("Move %1 %2").arg(RowsName(rows), step < 0 ? QStringLiteral("up") : QStringLiteral("down")));
    std::vector<int> moved;
    for (int row : rows)
        moved.push_back(row + step);
    StringGrid1->SelectRows(moved);
    if (std::find(rows.begin(), rows.end(), ActiveCell.row) != rows.end()) {
        ActiveCell.row += step;
        StringGrid1->ForceCurrent(ActiveCell.column, ActiveCell.row);
    }
}

// Every action that changes many cells at once computes the new table first
// and hands it over here, as one undo step.
void TForm2::ApplyTable(const ChannelTable& next, const QString& what)
{
    table_ = next;
    TableReplaced();
    CloseListOnEmptyRow();
    RecordChange(what, ActiveCell);
}
