#include "ChannelTable.h"
#include "base/languagestr.h"

ChannelTable::ChannelTable()
{
    for (int column = 0; column < ColumnCount; ++column)
        cells_[0][column] = languagestr::ColumnTitles[column];
    for (int row = 1; row < RowCount; ++row)
        cells_[row][ColChannel] = QString::number(row);
}

bool ChannelTable::Contains(int row, int column)
{
    return row >= 0 && row < RowCount && column >= 0 && column < ColumnCount;
}

const QString& ChannelTable::Text(int row, int column) const
{
    static const QString outside;
    return Contains(row, column) ? cells_[row][column] : outside;
}

void ChannelTable::SetText(int row, int column, const QString& text)
{
    if (Contains(row, column))
        cells_[row][column] = text;
}

ChannelTexts ChannelTable::RowTexts(int row) const
{
    ChannelTexts texts;
    for (int column = ColRx; column <= ColName; ++column)
        TextOf(texts, column) = Text(row, column);
    return texts;
}

void ChannelTable::SetRowTexts(int row, const ChannelTexts& texts)
{
    for (int column = ColRx; column <= ColName; ++column)
        SetText(row, column, TextOf(texts, column));
}

bool ChannelTable::IsEmptySlotRow(int row) const
{
    return Text(row, ColRx).isEmpty() && Text(row, ColTx).isEmpty();
}
