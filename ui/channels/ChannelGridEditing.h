#pragma once
// How the channel window's grid edits its table: which cell may become
// current, which one edits in place (its list, or typed keys through the
// column's filter), where Enter and Tab go, Escape, and the rules for
// leaving a cell the user edited. The rules are the table's (channels/
// CellRules.h); this class asks them and tells the grid. A finished edit
// goes to the window as one undo step.
#include "channels/CellRules.h"
#include "channels/ChannelTable.h"

#include <QChar>
#include <QString>
#include <functional>

class ChannelGridModel;
class ChannelGridView;
class LinkUi;
class QComboBox;

// "RX Frequency(MHZ), row 90": where a change was, in its undo step.
QString ChangedCellName(GridCell cell);

class ChannelGridEditing {
public:
    using Cell = GridCell;
    // Where the window keeps what it shares with the editing: the table, the
    // cell the editor accepted last and whether defaults are being written.
    struct Window {
        ChannelTable& Table;
        Cell& ActiveCell;
        const bool& FillingDefaults;
        std::function<LinkUi&()> Ui;                                // notices
        std::function<void(const QString& what, Cell)> RecordChange;  // one undo step
        std::function<void(int step)> LeaveGrid;  // Tab past the last cell (1), Shift+Tab before the first (-1)
    };

    // Wires itself to the grid's and the model's hooks.
    ChannelGridEditing(Window window, ChannelGridModel* model, ChannelGridView* grid);

    // The grid's handlers, named after their control and event.
    bool StringGrid1SelectCell(int ACol, int ARow);
    void StringGrid1KeyPress(QChar& key);
    void StringGrid1KeyUp();  // the Enter key

    // The list open in the current choice cell; null when none is open.
    QComboBox* ComboBox1() const;

    // Read, New, Open, Paste and undo replace the texts: an edit before them
    // is no longer what a cell would go back to.
    void TableReplaced();
    // A row that lost its RX frequency shows no list.
    void CloseListOnEmptyRow();
    // The cell becomes the current cell (when the grid shows its row), with
    // the list over it when it is a choice cell.
    void MoveToCell(int column, int row);

private:
    void LeaveCell(Cell cell);
    void CellEdited(int row, int column, const QString& text);
    void EditCancelled(int column, int row);
    bool MaySelectCell(int column, int row) const;
    bool CanEditCell(int column, int row) const;
    void MoveByTab(int step);
    void OpenList();
    void ShowListAgain(int column, int row);
    void SetText(int row, int column, const QString& text);

    Window window_;
    ChannelTable& table_;
    ChannelGridModel* model_;
    ChannelGridView* grid_;
    CellEdit edit_;  // the current cell's edit in this visit
};
