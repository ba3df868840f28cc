#include "ChannelListEditor.h"

#include "ui/common/WindowChrome.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

ChannelListEditor::ChannelListEditor(QWidget* parent) : SpokenList(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setFrame(false);
    setAutoFillBackground(true);  // the cell's own text stays hidden under it
    ScrollLongList(this);
    // Right-clicks reach the grid's popup menu on the rows.
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QComboBox::activated, this, [this] {
        changed_ = true;
        engaged_ = false;
        emit Take();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { changed_ = true; });
}

void ChannelListEditor::ShowCellText(const QString& text)
{
    shown_ = text;
    setCurrentIndex(qMax(0, findText(text, Qt::MatchFixedString)));
    engaged_ = false;
    changed_ = false;
}

bool ChannelListEditor::TakeChange()
{
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

void ChannelListEditor::showPopup()
{
    engaged_ = true;
    dropped_ = true;
    QComboBox::showPopup();
}

// A choice hides the list first and is taken after, so it still counts.
void ChannelListEditor::hidePopup()
{
    QComboBox::hidePopup();
    if (std::exchange(dropped_, false))
        ShowCellText(shown_);
}

void ChannelListEditor::Engage()
{
    engaged_ = true;
    lineEdit()->selectAll();
}

// The grid's row keys are the actions of the view that holds this editor.
bool ChannelListEditor::IsRowKey(const QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget())
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            for (const QAction* action : view->actions())
                if (action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
                    return true;
            return false;
        }
    return false;
}

bool ChannelListEditor::MovesTheCell(const QKeyEvent* key)
{
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Before the user engages the list, the row keys are not the text's: left
// unaccepted here, they reach the grid's actions.
bool ChannelListEditor::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && !engaged_ && IsRowKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QComboBox::event(event);
}

void ChannelListEditor::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!engaged_) {
        if (MovesTheCell(event)) {
            event->ignore();   // the grid moves its current cell
            return;
        }
        if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Engage();
            return;
        }
        if (key == Qt::Key_Escape) {
            event->ignore();
            return;
        }
        if (event->text().size() == 1 && event->text().at(0).isPrint())
            Engage();   // the first character replaces the text
        QComboBox::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Escape) {
        ShowCellText(shown_);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        changed_ = changed_ || currentText() != shown_;
        engaged_ = false;
        emit Take();
        return;
    }
    QComboBox::keyPressEvent(event);
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)
        changed_ = true;
}

// A closed list leaves the wheel to the grid, which scrolls (the editor
// lies on the grid's viewport).
void ChannelListEditor::wheelEvent(QWheelEvent* event)
{
    if (parentWidget())
        QApplication::sendEvent(parentWidget(), event);
}
