#pragma once
// How the channel grid draws its cells and edits them: every cell filled
// light green (selected rows light blue) with its text centred near the
// top, blue except the repeater column outside the repeater rows; the
// current cell framed. A typed column (frequencies, name) gets a line
// editor that hands every change to the table at once, so the table always
// holds what the user sees; a choice column gets its list
// (ChannelListEditor), whose value goes into the table when it is chosen,
// taken with Enter, or the cell is left.
#include <QStyledItemDelegate>


class ChannelGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static const QColor HeaderColor;  // RGB (240, 248, 255)
    static const QColor CellColor;    // RGB (247, 255, 246)
    static const QColor TextColor;    // blue
    static const QColor PlainColor;   // black: column 10 outside the repeater rows
    static const QColor SelectedColor; // light blue: the rows chosen for Copy, Paste, Clear, Move

    // The text colour of a cell (row 0 is the header).
    static QColor TextColorOf(int row, int column);

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

signals:
    void EditorCreated(QWidget* editor, const QModelIndex& index) const;
};
