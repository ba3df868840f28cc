#include "ChannelGridView.h"

#include "ChannelGridDelegate.h"
#include "ChannelGridModel.h"
#include "ChannelHeaderView.h"
#include "ChannelListEditor.h"
#include "ui/common/Accessibility.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <set>

namespace {
constexpr int DefaultRowHeight = 21;
}

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new ChannelHeaderView(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(DefaultRowHeight);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed);
    setTabKeyNavigation(false);  // Tab is the window's (TabPressed)
    // By pixels, so that a cell can be scrolled clear of the fixed column 0.
    setHorizontalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    auto* delegate = new ChannelGridDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &ChannelGridDelegate::EditorCreated, this, &ChannelGridView::EditorCreated);
}

ChannelGridModel* ChannelGridView::GridModel() const
{
    return static_cast<ChannelGridModel*>(model());
}

void ChannelGridView::MoveTo(int column, int row)
{
    const QModelIndex index = GridModel()->IndexOf(row, column);
    if (index.isValid())
        setCurrentIndex(index);
}

void ChannelGridView::ForceCurrent(int column, int row)
{
    asking_ = false;
    MoveTo(column, row);
    asking_ = true;
}

int ChannelGridView::CurrentColumn() const
{
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

int ChannelGridView::CurrentRow() const
{
    return currentIndex().isValid() ? ChannelGridModel::RowOf(currentIndex()) : 0;
}

void ChannelGridView::OpenEditor()
{
    if (currentIndex().isValid() && !editor_)
        edit(currentIndex(), AllEditTriggers, nullptr);
}

ChannelListEditor* ChannelGridView::OpenList() const
{
    return qobject_cast<ChannelListEditor*>(editor_.data());
}

void ChannelGridView::EndEditing()
{
    if (!editor_)
        return;
    commitData(editor_);
    closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

std::vector<int> ChannelGridView::SelectedRows() const
{
    std::set<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(ChannelGridModel::RowOf(model()->index(row, 0)));
    return {rows.begin(), rows.end()};
}

void ChannelGridView::SelectRows(const std::vector<int>& rows)
{
    selectionModel()->clearSelection();
    for (int row : rows)
        SelectRowRange(row, row, QItemSelectionModel::Select);
}

void ChannelGridView::SelectRowRange(int first, int last, QItemSelectionModel::SelectionFlags flags)
{
    const QModelIndex top = GridModel()->IndexOf(std::min(first, last), 0);
    const QModelIndex bottom = GridModel()->IndexOf(std::max(first, last), 0);
    if (top.isValid() && bottom.isValid())
        selectionModel()->select(QItemSelection(top, bottom), flags | QItemSelectionModel::Rows);
}

// A row number chooses rows as list views do; a cell is a new start.
void ChannelGridView::PressRow(const QModelIndex& index, Qt::KeyboardModifiers modifiers)
{
    const int row = ChannelGridModel::RowOf(index);
    pressRow_ = row;
    dragged_ = false;
    if (index.column() != 0) {
        selectionModel()->clearSelection();
        return;
    }
    if ((modifiers & Qt::ShiftModifier) && anchorRow_ > 0) {
        SelectRowRange(anchorRow_, row, QItemSelectionModel::ClearAndSelect);
        return;
    }
    SelectRowRange(row, row, (modifiers & Qt::ControlModifier) ? QItemSelectionModel::Toggle
                                                                : QItemSelectionModel::ClearAndSelect);
    anchorRow_ = row;
}

void ChannelGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!asking_ || !current.isValid() || !SelectCell)
        return;
    if (SelectCell(current.column(), ChannelGridModel::RowOf(current)))
        return;
    asking_ = false;
    selectionModel()->setCurrentIndex(previous, QItemSelectionModel::NoUpdate);
    asking_ = true;
}

bool ChannelGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only the current cell is typed into, and only where the window allows.
    if (index != currentIndex() || !CanEdit || !CanEdit(index.column(), ChannelGridModel::RowOf(index)))
        return false;
    return QTableView::edit(index, trigger, event);
}

void ChannelGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QModelIndex index;
    if (editor == editor_) {
        index = editorIndex_;
        editor_ = nullptr;  // deleted later; it edits nothing from now on
    }
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache && EditCancelled && index.isValid())
        EditCancelled(index.column(), ChannelGridModel::RowOf(index));
}

// The right button opens the popup menu on the row being edited; it does
// not choose a cell.
void ChannelGridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool again = index.isValid() && index == currentIndex();
    QTableView::mousePressEvent(event);
    pressRow_ = 0;
    if (event->button() == Qt::LeftButton && index.isValid())
        PressRow(index, event->modifiers());
    if (again && ClickedCurrent)
        ClickedCurrent(index.column(), ChannelGridModel::RowOf(index));
}

// Dragging from one row to another selects the rows in between.
void ChannelGridView::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!(event->buttons() & Qt::LeftButton) || pressRow_ == 0 || !index.isValid())
        return;
    const int row = ChannelGridModel::RowOf(index);
    dragged_ = dragged_ || row != pressRow_;
    if (dragged_)
        SelectRowRange(pressRow_, row, QItemSelectionModel::ClearAndSelect);
}

bool ChannelGridView::IsTypedKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        return event->text().size() == 1;
    }
}

bool ChannelGridView::FilterTypedKey(QKeyEvent* event, QChar& key)
{
    key = event->text().at(0);
    if (KeyPress)
        KeyPress(key);
    return !key.isNull();
}

void ChannelGridView::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        enterDown_ = true;
        event->accept();  // handled when the key comes up
        return;
    }
    if (!IsTypedKey(event)) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    QChar key;
    if (!FilterTypedKey(event, key))
        return;
    // The filtered key opens the editor and becomes its first character.
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), QString(key));
    forwarding_ = true;
    edit(currentIndex(), AnyKeyPressed, &typed);
    forwarding_ = false;
}

bool ChannelGridView::IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// An Enter that came up here after it went down here too: one that closed a
// message box comes up in the grid, which has the focus again by then.
bool ChannelGridView::TakeEnterUp(const QKeyEvent* event)
{
    if (!IsEnter(event) || event->isAutoRepeat() || !EnterUp || !enterDown_)
        return false;
    enterDown_ = false;
    EnterUp();
    return true;
}

void ChannelGridView::keyReleaseEvent(QKeyEvent* event)
{
    if (TakeEnterUp(event)) {
        event->accept();
        return;
    }
    QTableView::keyReleaseEvent(event);
}

void ChannelGridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0) {
        // Scrolling moves the pixels, column 0 with them: it is drawn again.
        viewport()->update();
        horizontalHeader()->viewport()->update();
    }
    emit CellsMoved();
}

bool ChannelGridView::focusNextPrevChild(bool next)
{
    if (!TabPressed)
        return QTableView::focusNextPrevChild(next);
    TabPressed(next ? 1 : -1);
    return true;
}

// ---- column 0 fixed at the left edge ------------------------------------------

bool ChannelGridView::ChannelColumnFrozen() const
{
    return horizontalOffset() > 0 && !isColumnHidden(0);
}

QModelIndex ChannelGridView::indexAt(const QPoint& point) const
{
    if (!ChannelColumnFrozen() || point.x() < 0 || point.x() >= columnWidth(0))
        return QTableView::indexAt(point);
    const int row = rowAt(point.y());
    return row < 0 ? QModelIndex() : model()->index(row, 0);
}

QRect ChannelGridView::visualRect(const QModelIndex& index) const
{
    QRect rect = QTableView::visualRect(index);
    if (index.isValid() && index.column() == 0 && ChannelColumnFrozen())
        rect.moveLeft(0);
    return rect;
}

void ChannelGridView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.column() == 0 || !ChannelColumnFrozen())
        return;
    const int covered = columnWidth(0) - columnViewportPosition(index.column());
    if (covered > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
}

void ChannelGridView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (ChannelColumnFrozen())
        PaintChannelColumn();
}

// Column 0 over whatever cells have scrolled under it, with its grid lines.
void ChannelGridView::PaintChannelColumn()
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor lines = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const int bottom = rowAt(viewport()->height() - 1);
    const int last = bottom < 0 ? model()->rowCount() - 1 : bottom;
    for (int row = rowAt(0); row >= 0 && row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0);
        option.rect = visualRect(index);
        option.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(index));
        itemDelegate()->paint(&painter, option, index);
        painter.setPen(lines);
        painter.drawLine(option.rect.topRight() + QPoint(1, 0), option.rect.bottomRight() + QPoint(1, 1));
        painter.drawLine(option.rect.bottomLeft() + QPoint(0, 1), option.rect.bottomRight() + QPoint(1, 1));
    }
}

void ChannelGridView::EditorCreated(QWidget* editor, const QModelIndex& index)
{
    editor_ = editor;
    editorIndex_ = index;
    // The editor stands in for its cell: it is named by the cell's place,
    // and a list's drop-down by the same with "list".
    const QString place = GridModel()->CellPlace(ChannelGridModel::RowOf(index), index.column());
    NameControl(editor, place);
    if (auto* list = qobject_cast<QComboBox*>(editor))
        NameControl(list->view(), place + QStringLiteral(", list"));
    if (qobject_cast<QLineEdit*>(editor))
        editor->installEventFilter(this);
}

bool ChannelGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_ || editor_.isNull())
        return QTableView::eventFilter(watched, event);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease)
        return TakeEnterUp(key);
    if (IsEnter(key))
        enterDown_ = true;
    if (forwarding_ || !IsTypedKey(key))
        return false;
    QChar typed;
    if (!FilterTypedKey(key, typed))
        return true;
    if (typed == QChar(u'\b'))
        return false;  // the editor deletes as usual
    static_cast<QLineEdit*>(watched)->insert(QString(typed));
    return true;
}
