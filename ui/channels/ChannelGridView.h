#pragma once
// StringGrid1: the table view of the channel grid. It asks its window
// before the current cell changes (a refused cell keeps the old one), passes
// every typed character through the window's key filter before it reaches a
// cell, lets only the cells the window allows be typed into, and reports
// the Enter key coming up and Tab, and says when an edit is cancelled with
// Escape. A choice cell's list is the view's own editor (ChannelListEditor),
// opened by the window when the cell becomes current. Whole rows are
// selected by their numbers (column 0: click, Shift+click, Ctrl+click) and
// by dragging over cells; clicking a cell ends the selection. The row numbers stay at the left edge
// while the grid is scrolled to the right.
#include <QPointer>
#include <QTableView>
#include <functional>
#include <vector>

class ChannelGridModel;
class ChannelListEditor;

class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget* parent = nullptr);

    ChannelGridModel* GridModel() const;

    // Table column and row of the new cell; false keeps the current cell.
    std::function<bool(int column, int row)> SelectCell;
    // A typed character; the handler may change it or set it to 0 (refused).
    std::function<void(QChar& key)> KeyPress;
    // The Enter key came up (in the grid or in its editor).
    std::function<void()> EnterUp;
    // Whether the cell may get the in-place editor.
    std::function<bool(int column, int row)> CanEdit;
    // A click on the cell that is already current (no selection follows).
    std::function<void(int column, int row)> ClickedCurrent;
    // Escape ended the edit of a typed cell: its text is to be put back.
    std::function<void(int column, int row)> EditCancelled;
    // Tab (step 1) or Shift+Tab (-1) in the grid, its editor or a list laid
    // over a cell.
    std::function<void(int step)> TabPressed;

    // Moves the current cell as a click does (the window is asked).
    void MoveTo(int column, int row);
    // Moves the current cell without asking the window.
    void ForceCurrent(int column, int row);
    // The table column and row of the current cell (0, 0 when there is none).
    int CurrentColumn() const;
    int CurrentRow() const;

    // Opens the editor of the current cell (a choice cell's list) when the
    // window allows it.
    void OpenEditor();
    // Ends in-place editing, keeping the text typed so far.
    void EndEditing();
    // The open list of a choice cell; null when none is open.
    ChannelListEditor* OpenList() const;

    // Table rows of the selection, ascending; empty when no row is selected.
    std::vector<int> SelectedRows() const;
    // Selects these table rows alone (none for an empty list).
    void SelectRows(const std::vector<int>& rows);

    // Column 0 drawn and hit at the left edge when scrolled to the right.
    QModelIndex indexAt(const QPoint& point) const override;
    QRect visualRect(const QModelIndex& index) const override;
    // Keeps a cell clear of column 0 as well.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // The visible position of the cells changed (scrolling).
    void CellsMoved();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static bool IsTypedKey(const QKeyEvent* event);
    static bool IsEnter(const QKeyEvent* event);
    bool TakeEnterUp(const QKeyEvent* event);
    bool FilterTypedKey(QKeyEvent* event, QChar& key);
    void EditorCreated(QWidget* editor, const QModelIndex& index);
    void PressRow(const QModelIndex& index, Qt::KeyboardModifiers modifiers);
    void SelectRowRange(int first, int last, QItemSelectionModel::SelectionFlags flags);
    bool ChannelColumnFrozen() const;
    void PaintChannelColumn();

    // The open editor (a QLineEdit or a ChannelListEditor); held as a widget
    // because events still reach it while it is being destroyed.
    QPointer<QWidget> editor_;
    QPersistentModelIndex editorIndex_;  // the cell it edits
    bool asking_ = true;       // false while the current cell is moved back or forced
    bool forwarding_ = false;  // the first key of an edit is on its way to the editor
    int anchorRow_ = 0;        // where a Shift+click's range starts (a row number clicked)
    int pressRow_ = 0;         // the row the left button last went down on
    bool dragged_ = false;     // the mouse has left that row with the button down
    bool enterDown_ = false;   // Enter went down in the grid or its editor
};
