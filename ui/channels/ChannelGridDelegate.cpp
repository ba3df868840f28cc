#include "ChannelGridDelegate.h"

#include "ChannelGridModel.h"
#include "channels/ChannelRows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

const QColor ChannelGridDelegate::HeaderColor(240, 248, 255);
const QColor ChannelGridDelegate::CellColor(247, 255, 246);
const QColor ChannelGridDelegate::TextColor(0, 0, 255);
const QColor ChannelGridDelegate::PlainColor(0, 0, 0);
const QColor ChannelGridDelegate::SelectedColor(204, 226, 247);

QColor ChannelGridDelegate::TextColorOf(int row, int column)
{
    if (column == ColRepeater && !IsRepeaterRow(row))
        return PlainColor;
    return TextColor;
}

void ChannelGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, (option.state & QStyle::State_Selected) ? SelectedColor : CellColor);
    painter->setFont(option.font);
    painter->setPen(TextColorOf(ChannelGridModel::RowOf(index), index.column()));
    painter->drawText(cell.adjusted(1, 2, -1, 0), Qt::AlignHCenter | Qt::AlignTop,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QWidget* ChannelGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignHCenter);
    // Right-clicks reach the grid's own popup menu.
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    auto* self = const_cast<ChannelGridDelegate*>(this);
    connect(editor, &QLineEdit::textEdited, self, [self, editor] { emit self->commitData(editor); });
    emit EditorCreated(editor, index);
    return editor;
}

void ChannelGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Setting the same text again would move the cursor to the end.
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text)
        line->setText(text);
}

// Tab leaves the editor to the grid, which picks the next cell itself: the
// view's own next cell may be one the window refuses.
bool ChannelGridDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}
