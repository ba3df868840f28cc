// TForm2, the popup menu's rows: Copy, Paste and Clear on the chosen rows
// (through this window's row clipboard and the system clipboard), moving
// rows among 81..99, and choosing them all. Each change is computed as a
// whole new table (the rules of the rows are in channels/) and applied as
// one undo step.
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
        return StringGrid1->SelectRows(RowRun(1, model_->RowCount() - 1));
    }
}

// Copy also puts the rows on the system clipboard, as text a spreadsheet
// takes.
void TForm2::N1Click(RowAction action)
{
    const std::vector<int> rows = ChosenRows();
    if (rows.empty())
        return;
    if (action == RowAction::Copy) {
        RowClipboard = CopyRows(table_, rows);
        QApplication::clipboard()->setText(RowClipboard.Text);
        return;
    }
    FlushTyping();
    ChannelTable next = table_;
    if (action == RowAction::Clear) {
        for (int row : rows)
            next.SetRowTexts(row, ChannelTexts());
        return ApplyTable(next, QStringLiteral("Clear ") + RowsName(rows));
    }
    const Outcome<std::vector<int>> pasted = PasteRows(next, QApplication::clipboard()->text(), RowClipboard, rows,
                                                       model_->RowCount() - 1, CurrentBands());
    if (pasted.Failure)
        ui_->Notice(QStringLiteral("Nothing pasted: ") + pasted.Failure->Text(), BoxKind::Error);
    else if (!pasted.Value.empty())
        ApplyTable(next, QStringLiteral("Paste ") + RowsName(pasted.Value));
}

std::vector<int> TForm2::ChosenRows() const
{
    const std::vector<int> selected = StringGrid1->SelectedRows();
    if (!selected.empty() || !model_->IndexOf(ActiveCell.Row, ColRx).isValid())
        return selected;
    return {ActiveCell.Row};
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
    if (std::find(rows.begin(), rows.end(), ActiveCell.Row) != rows.end()) {
        ActiveCell.Row += step;
        StringGrid1->ForceCurrent(ActiveCell.Column, ActiveCell.Row);
    }
}

// Every action that changes many cells at once computes the new table first
// and hands it over here, as one undo step.
void TForm2::ApplyTable(const ChannelTable& next, const QString& what)
{
    table_ = next;
    editing_->TableReplaced();
    editing_->CloseListOnEmptyRow();
    RecordChange(what, ActiveCell);
}
