#include "CellLeaving.h"
#include "FrequencySnap.h"
#include "GridRules.h"
#include "base/languagestr.h"

namespace {

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

bool LeaveEditedCell(ChannelTable& table, int row, int column, const QString& textBeforeEdit,
                     const BandLimits& bands)
{
    if (column != ColRx && column != ColTx)
        return true;
    const QString text = table.Text(row, column);
    if (text.isEmpty()) {
        if (column == ColRx)
            EmptyRow(table, row);
        else if (!table.Text(row, ColRx).isEmpty())
            table.SetText(row, ColEncodeTone, languagestr::WordOff);
        return true;
    }
    const SnappedFrequency snapped = CheckAndSnapFrequency(text, bands);
    table.SetText(row, column, snapped.overflow ? textBeforeEdit : snapped.text);
    if (column == ColRx && !table.Text(row, ColRx).isEmpty())
        FillStartedRow(table, row);
    return !snapped.overflow;
}
