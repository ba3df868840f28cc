#include "CellRules.h"
#include "ChannelColumns.h"
#include "ChannelRows.h"
#include "FrequencySnap.h"
#include "base/languagestr.h"
#include <algorithm>

namespace {

bool HasRx(const ChannelTable& table, int row)
{
    return !table.Text(row, ColRx).isEmpty();
}

void EmptyRow(ChannelTable& table, int row)
{
    for (int column = ColTx; column <= ColName; ++column)
        table.SetText(row, column, QString());
}

void FillStartedRow(ChannelTable& table, int row)
{
    const ChannelTexts started = StartedRowTexts(table.Text(row, ColRx));
    for (int column = ColTx; column < ColName; ++column)
        if (table.Text(row, column).isEmpty())
            table.SetText(row, column, TextOf(started, column));
}

} // namespace

bool MayChooseCell(const ChannelTable& table, GridCell cell)
{
    if (cell.Column == ColChannel || (cell.Column == ColRepeater && !IsRepeaterRow(cell.Row)))
        return false;
    return cell.Column < ColEncodeTone || cell.Column > ColScanAdd || HasRx(table, cell.Row);
}

bool TakesTypedKeys(const ChannelTable& table, GridCell cell)
{
    return cell.Column == ColRx || ((cell.Column == ColTx || cell.Column == ColName) && HasRx(table, cell.Row));
}

bool ShowsList(const ChannelTable& table, GridCell cell)
{
    return IsChoiceColumn(cell.Column) && HasRx(table, cell.Row);
}

bool TypeKey(ChannelTable& table, GridCell cell, QChar& key)
{
    if (!TakesTypedKeys(table, cell)) {
        key = QChar(0);
        return false;
    }
    if (FilterKey(cell.Column, table.Text(cell.Row, cell.Column), key).isEmpty())
        table.SetText(cell.Row, cell.Column, QString());
    return !key.isNull();
}

GridCell CellAfterEnter(GridCell cell, int lastRow)
{
    switch (cell.Column) {
    case ColRx:
        return {ColTx, cell.Row};
    case ColTx:
        return {ColName, cell.Row};
    case ColName:
        return {ColRx, std::min(cell.Row + 1, lastRow)};
    default:
        return cell;
    }
}

std::optional<GridCell> CellAfterTab(const ChannelTable& table, GridCell cell, int step, int lastRow,
                                     const std::function<bool(int column)>& shown)
{
    do {
        cell.Column += step;
        if (cell.Column > ColName || cell.Column < ColRx) {
            cell.Row += step;
            cell.Column = step > 0 ? ColRx : ColName;
        }
        if (cell.Row < 1 || cell.Row > lastRow)
            return std::nullopt;
    } while (!shown(cell.Column) || !MayChooseCell(table, cell));
    return cell;
}

bool LeaveEditedCell(ChannelTable& table, GridCell cell, const QString& textBeforeEdit, const BandLimits& bands)
{
    const auto [column, row] = cell;
    if (column != ColRx && column != ColTx)
        return true;
    const QString text = table.Text(row, column);
    if (text.isEmpty()) {
        if (column == ColRx)
            EmptyRow(table, row);
        else if (HasRx(table, row))
            table.SetText(row, ColEncodeTone, languagestr::WordOff);
        return true;
    }
    const SnappedFrequency snapped = CheckAndSnapFrequency(text, bands);
    table.SetText(row, column, snapped.overflow ? textBeforeEdit : snapped.text);
    if (column == ColRx && HasRx(table, row))
        FillStartedRow(table, row);
    return !snapped.overflow;
}

void CellEdit::Note(const ChannelTable& table, GridCell cell)
{
    if (cell_ == cell)
        return;
    cell_ = cell;
    before_ = table.Text(cell.Row, cell.Column);
}

std::optional<bool> CellEdit::Leave(ChannelTable& table, GridCell cell, const BandLimits& bands)
{
    if (!(cell_ == cell))
        return std::nullopt;
    Forget();
    return LeaveEditedCell(table, cell, before_, bands);
}

bool CellEdit::Cancel(ChannelTable& table, GridCell cell)
{
    if (!(cell_ == cell))
        return false;
    Forget();
    table.SetText(cell.Row, cell.Column, before_);
    return true;
}
