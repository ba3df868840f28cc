#include "ChannelRowMenus.h"

#include "ChannelGridView.h"

#include <QHeaderView>
#include <QMenu>

namespace {

// Shift+F10 and the Menu key: the popup at the current cell (not where the
// mouse is), with its first item current so that a screen reader reads it.
void OpenAtCurrentCellByKey(ChannelGridView* grid, const ChannelRowMenu& menu)
{
    auto* key = new QAction(grid);
    key->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    grid->addAction(key);
    QObject::connect(key, &QAction::triggered, grid, [grid, menu] {
        const QRect cell = grid->visualRect(grid->currentIndex());
        menu.Menu->popup(grid->viewport()->mapToGlobal(cell.center()), menu.Copy);
        menu.Menu->setActiveAction(menu.Copy);
    });
}

} // namespace

ChannelRowMenu BuildRowMenu(QWidget* owner, ChannelGridView* grid, std::function<void(RowCommand)> run,
                            std::function<bool(int step)> canMove)
{
    auto* popup = new QMenu(owner);
    // The keys also work while the grid's editor has the focus; it keeps
    // its own editing keys.
    const auto add = [&](const QString& text, RowCommand command) {
        QAction* action = popup->addAction(text, owner, [run, command] { run(command); });
        action->setShortcut(RowCommandKey(command));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        grid->addAction(action);
        return action;
    };
    ChannelRowMenu menu{popup};
    menu.Copy = add(QStringLiteral("Copy(&C)"), RowCommand::Copy);
    menu.Paste = add(QStringLiteral("Paste(&V)"), RowCommand::Paste);
    menu.Clear = add(QStringLiteral("Clear(&D)"), RowCommand::Clear);
    popup->addSeparator();
    menu.MoveUp = add(QStringLiteral("Move up"), RowCommand::MoveUp);
    menu.MoveDown = add(QStringLiteral("Move down"), RowCommand::MoveDown);
    popup->addSeparator();
    menu.SelectAll = add(QStringLiteral("Select all"), RowCommand::SelectAll);
    QObject::connect(popup, &QMenu::aboutToShow, owner, [menu, canMove] {
        menu.MoveUp->setEnabled(canMove(-1));
        menu.MoveDown->setEnabled(canMove(1));
    });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, popup,
                     [grid, popup](const QPoint& pos) { popup->popup(grid->viewport()->mapToGlobal(pos)); });
    OpenAtCurrentCellByKey(grid, menu);
    return menu;
}

QAction* BuildHeaderMenu(QWidget* owner, ChannelGridView* grid)
{
    auto* menu = new QMenu(owner);
    QAction* showAll = menu->addAction(QStringLiteral("Show all columns"));
    showAll->setCheckable(true);
    QHeaderView* header = grid->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(header, &QWidget::customContextMenuRequested, menu,
                     [menu, header](const QPoint& pos) { menu->popup(header->mapToGlobal(pos)); });
    return showAll;
}
