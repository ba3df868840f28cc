#include "ChannelGridModel.h"

#include "ui/common/Accessibility.h"

ChannelGridModel::ChannelGridModel(ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
}

void ChannelGridModel::SetText(int row, int column, const QString& text)
{
    if (table_.Text(row, column) == text)
        return;
    table_.SetText(row, column, text);
    const QModelIndex index = IndexOf(row, column);
    if (index.isValid())
        emit dataChanged(index, index);
}

void ChannelGridModel::TableChanged()
{
    emit dataChanged(index(0, 0), index(ShownRowCount - 2, ChannelTable::ColumnCount - 1));
}

QModelIndex ChannelGridModel::IndexOf(int row, int column) const
{
    return row >= 1 && row < ShownRowCount ? index(row - 1, column) : QModelIndex();
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ShownRowCount - 1;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelTable::ColumnCount;
}

QString ChannelGridModel::CellSpoken(int row, int column) const
{
    const QString& text = table_.Text(row, column);
    return QStringLiteral("%1, channel %2, %3")
        .arg(PlainName(table_.Text(0, column)))
        .arg(row)
        .arg(text.trimmed().isEmpty() ? QStringLiteral("empty") : text.trimmed());
}

QString ChannelGridModel::CellPlace(int row, int column) const
{
    return QStringLiteral("%1, channel %2").arg(PlainName(table_.Text(0, column))).arg(row);
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && role == Qt::AccessibleTextRole)
        return CellSpoken(RowOf(index), index.column());
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return table_.Text(RowOf(index), index.column());
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (Edited)
        Edited(RowOf(index), index.column(), value.toString());
    else
        SetText(RowOf(index), index.column(), value.toString());
    return true;
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::AccessibleTextRole)
        return orientation == Qt::Horizontal ? PlainName(table_.Text(0, section))
                                             : QStringLiteral("channel %1").arg(section + 1);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return table_.Text(0, section);
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const
{
    // Whether a cell may be typed into is the window's decision (it depends
    // on the current cell), so every cell is offered as editable.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}
