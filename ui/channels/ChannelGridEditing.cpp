#include "ChannelGridEditing.h"

#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "ChannelListEditor.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelColumns.h"
#include "channels/FrequencySnap.h"
#include "link/LinkUi.h"

using namespace languagestr;

QString ChangedCellName(GridCell cell)
{
    return QStringLiteral("%1, row %2").arg(ColumnTitles[cell.Column].trimmed()).arg(cell.Row);
}

ChannelGridEditing::ChannelGridEditing(Window window, ChannelGridModel* model, ChannelGridView* grid)
    : window_(std::move(window)), table_(window_.Table), model_(model), grid_(grid)
{
    grid->SelectCell = [this](int column, int row) { return StringGrid1SelectCell(column, row); };
    grid->KeyPress = [this](QChar& key) { StringGrid1KeyPress(key); };
    grid->EnterUp = [this] { StringGrid1KeyUp(); };
    grid->CanEdit = [this](int column, int row) { return CanEditCell(column, row); };
    grid->EditCancelled = [this](int column, int row) { EditCancelled(column, row); };
    grid->ClickedCurrent = [this](int column, int row) { ShowListAgain(column, row); };
    grid->TabPressed = [this](int step) { MoveByTab(step); };
    model->Edited = [this](int row, int column, const QString& text) { CellEdited(row, column, text); };
}

void ChannelGridEditing::SetText(int row, int column, const QString& text)
{
    model_->SetText(row, column, text);
}

// ---- selecting a cell -------------------------------------------------------

// The rules for leaving a cell run only on a cell the user edited during
// this visit; a refused cell leaves the current cell where it was.
bool ChannelGridEditing::StringGrid1SelectCell(int ACol, int ARow)
{
    if (ACol == ColRepeater && !IsRepeaterRow(ARow))
        return false;
    if (TransferBusy)
        return true;
    LeaveCell(window_.ActiveCell);
    if (!MaySelectCell(ACol, ARow))
        return false;
    window_.ActiveCell = {ACol, ARow};
    OpenList();
    return true;
}

// What the user typed, snapped and filled in on leaving the cell is one
// undo step.
void ChannelGridEditing::LeaveCell(Cell cell)
{
    const std::optional<bool> inBands = edit_.Leave(table_, cell, CurrentBands());
    if (!inBands)
        return;
    if (!*inBands)
        window_.Ui().Notice(OverflowChanged, BoxKind::Plain);
    model_->TableChanged();
    window_.RecordChange(QStringLiteral("Edit ") + ChangedCellName(cell), cell);
}

void ChannelGridEditing::TableReplaced()
{
    edit_.Forget();
    model_->TableChanged();
}

// A typed text goes into its cell as it is typed; a list's value only when
// it is one of the list's items, as one undo step.
void ChannelGridEditing::CellEdited(int row, int column, const QString& text)
{
    if (!IsChoiceColumn(column)) {
        edit_.Note(table_, {column, row});
        SetText(row, column, text);
        return;
    }
    const std::optional<QString> item = ChoiceItem(column, text);
    if (!item) {
        window_.Ui().Notice(OverflowChanged, BoxKind::Plain);
        if (ChannelListEditor* list = grid_->OpenList())
            list->ShowCellText(table_.Text(row, column));
        return;
    }
    SetText(row, column, *item);
    window_.RecordChange(QStringLiteral("Choose %1 in %2").arg(*item, ChangedCellName({column, row})), {column, row});
}

// Escape puts back the text the cell had before this visit's typing.
void ChannelGridEditing::EditCancelled(int column, int row)
{
    if (edit_.Cancel(table_, {column, row}))
        model_->TableChanged();
}

// While the defaults are written any cell but the channel number may be
// chosen.
bool ChannelGridEditing::MaySelectCell(int column, int row) const
{
    return window_.FillingDefaults ? column != ColChannel : MayChooseCell(table_, {column, row});
}

// The in-place editor serves the cell the editor accepted last.
bool ChannelGridEditing::CanEditCell(int column, int row) const
{
    if (!(window_.ActiveCell == Cell{column, row}))
        return false;
    return IsChoiceColumn(column) ? !TransferBusy && ShowsList(table_, {column, row})
                                  : TakesTypedKeys(table_, {column, row});
}

void ChannelGridEditing::MoveToCell(int column, int row)
{
    if (!model_->IndexOf(row, column).isValid())
        return;
    grid_->EndEditing();
    grid_->ForceCurrent(column, row);
    grid_->scrollTo(model_->IndexOf(row, column));
    window_.ActiveCell = {column, row};
    grid_->setFocus();
    OpenList();
}

// ---- typing -----------------------------------------------------------------

void ChannelGridEditing::StringGrid1KeyPress(QChar& key)
{
    const Cell cell = window_.ActiveCell;
    if (TransferBusy || !TakesTypedKeys(table_, cell)) {
        key = QChar(0);
        return;
    }
    edit_.Note(table_, cell);
    const QString before = table_.Text(cell.Row, cell.Column);
    TypeKey(table_, cell, key);
    if (table_.Text(cell.Row, cell.Column) != before)
        model_->TableChanged();
}

void ChannelGridEditing::StringGrid1KeyUp()
{
    const GridCell next = CellAfterEnter({grid_->CurrentColumn(), grid_->CurrentRow()}, model_->RowCount() - 1);
    grid_->MoveTo(next.Column, next.Row);
}

// Tab (step 1) and Shift+Tab (-1), from a typed cell or the list: the
// cell's value is taken as leaving it would take it. Past the grid's ends
// the keys go on to the window's other controls, as Tab does everywhere.
void ChannelGridEditing::MoveByTab(int step)
{
    grid_->EndEditing();
    const std::optional<GridCell> next =
        CellAfterTab(table_, {grid_->CurrentColumn(), grid_->CurrentRow()}, step, model_->RowCount() - 1,
                     [this](int column) { return !grid_->isColumnHidden(column); });
    if (!next)
        return window_.LeaveGrid(step);
    grid_->MoveTo(next->Column, next->Row);
    if (!grid_->OpenList())
        grid_->setFocus();
}

// ---- the list of a choice cell --------------------------------------------------

QComboBox* ChannelGridEditing::ComboBox1() const
{
    return grid_->OpenList();
}

// A choice cell that is current shows its list at once, unless its row has
// no RX frequency.
void ChannelGridEditing::OpenList()
{
    const auto [column, row] = window_.ActiveCell;
    if (IsChoiceColumn(column) && grid_->CurrentColumn() == column && grid_->CurrentRow() == row)
        grid_->OpenEditor();
}

// Save, Open or a message may have closed the list while its cell stayed
// current: a click on that cell brings it back.
void ChannelGridEditing::ShowListAgain(int column, int row)
{
    if (window_.ActiveCell == Cell{column, row})
        OpenList();
}

void ChannelGridEditing::CloseListOnEmptyRow()
{
    if (grid_->OpenList() && table_.Text(window_.ActiveCell.Row, ColRx).isEmpty())
        grid_->EndEditing();
}
