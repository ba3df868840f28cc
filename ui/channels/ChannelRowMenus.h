#pragma once
// The channel grid's two popup menus: the rows' (Copy, Paste, Clear, Move
// up, Move down, Select all; each also as its key while the grid has the
// focus, and Shift+F10 or the Menu key opens it at the current cell) and
// the header's ("Show all columns", ticked while they are shown).
#include "ui/common/ChildCommands.h"

#include <functional>

class ChannelGridView;
class QAction;
class QMenu;
class QWidget;

struct ChannelRowMenu {
    QMenu* Menu;
    QAction *Copy, *Paste, *Clear, *MoveUp, *MoveDown, *SelectAll;
};

// `run` carries out an item; `canMove(step)` says, as the menu opens,
// whether Move up (-1) and Move down (+1) may be chosen.
ChannelRowMenu BuildRowMenu(QWidget* owner, ChannelGridView* grid, std::function<void(RowCommand)> run,
                            std::function<bool(int step)> canMove);

// The header row's menu; its checkable item shows or hides the hidden
// columns when triggered.
QAction* BuildHeaderMenu(QWidget* owner, ChannelGridView* grid);
