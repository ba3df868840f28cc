#pragma once
// The grid's view of a ChannelTable: row r of the view is channel row r + 1
// of the table (the header row becomes the view's horizontal header), and
// only the first RowCount - 1 channel rows are shown. The table keeps all
// 129 rows whatever the view shows.
#include "ChannelTable.h"

#include <QAbstractTableModel>

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ShownRowCount = 100;  // header row + channels 1..99

    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    ChannelTable& Table() { return table_; }

    // The grid's row count, header row included (2..129).
    int RowCount() const { return rowCount_; }
    void SetRowCount(int rowCount);

    // Cell access by table row and column, telling the view.
    const QString& Text(int row, int column) const { return table_.Text(row, column); }
    void SetText(int row, int column, const QString& text);

    // Tells the view that the table changed behind its back.
    void TableChanged();

    // Table row/column <-> view index.
    QModelIndex IndexOf(int row, int column) const;
    static int RowOf(const QModelIndex& index) { return index.row() + 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ChannelTable& table_;
    int rowCount_ = ShownRowCount;
};
