#include "ChannelGridDelegate.h"

#include "ChannelGridModel.h"
#include "ChannelListEditor.h"
#include "channels/ChannelRows.h"
#include "channels/GridRules.h"

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
    auto* self = const_cast<ChannelGridDelegate*>(this);
    QWidget* editor;
    if (IsChoiceColumn(index.column())) {
        auto* list = new ChannelListEditor(parent);
        list->addItems(ChoiceItems(index.column()));
        connect(list, &ChannelListEditor::Take, self, [self, list] { emit self->commitData(list); });
        editor = list;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setAlignment(Qt::AlignHCenter);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        editor = line;
    }
    // Right-clicks reach the grid's own popup menu.
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    emit EditorCreated(editor, index);
    return editor;
}

void ChannelGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<ChannelListEditor*>(editor)) {
        list->ShowCellText(text);
        return;
    }
    // Setting the same text again would move the cursor to the end.
    auto* line = static_cast<QLineEdit*>(editor);
    if (line->text() != text)
        line->setText(text);
}

// A list only shown, not changed, leaves its cell as it is: its first item
// stands for an empty cell.
void ChannelGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<ChannelListEditor*>(editor)) {
        if (list->TakeChange())
            model->setData(index, list->currentText());
        return;
    }
    model->setData(index, static_cast<QLineEdit*>(editor)->text());
}

// Tab leaves the editor to the grid, which picks the next cell itself: the
// view's own next cell may be one the window refuses. A list keeps Enter
// and Escape: they take or put back its text, and it stays open.
bool ChannelGridDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
        const bool listKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        if (listKey && qobject_cast<ChannelListEditor*>(editor))
            return false;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}
