#pragma once
// The grid's view of a ChannelTable: row r of the view is channel row r + 1
// of the table (the header row becomes the view's horizontal header), and
// only channels 1..99 are shown. The table keeps all 129 rows whatever the
// view shows: reads, files and writes carry channels 100..128 along. (The
// grid never needs another row count: the table holds every row a read or
// a file fills.)
#include "channels/ChannelRows.h"
#include "channels/ChannelTable.h"

#include <QAbstractTableModel>
#include <functional>

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ShownRowCount = LastShownChannelRow + 1;  // header row + channels 1..99

    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    // The grid's row count, header row included.
    int RowCount() const { return ShownRowCount; }

    // Changes a cell by table row and column, telling the view.
    void SetText(int row, int column, const QString& text);

    // What an editor hands over; without it the text goes into the cell.
    std::function<void(int row, int column, const QString& text)> Edited;

    // Tells the view that the table changed behind its back.
    void TableChanged();

    // Table row/column <-> view index.
    QModelIndex IndexOf(int row, int column) const;
    static int RowOf(const QModelIndex& index) { return index.row() + 1; }

    // What a screen reader says of a cell: "TX Power, channel 88, High", or
    // "..., empty"; and of its place alone: "TX Power, channel 88".
    QString CellSpoken(int row, int column) const;
    QString CellPlace(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ChannelTable& table_;
};
