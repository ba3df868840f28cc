#include "SpokenCommands.h"

#if QT_CONFIG(accessibility)
#include "Accessibility.h"
#include "StayDownButton.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

// Qt's own interfaces for menus are private and read a caption as it is
// written ("New(N)", "Com1<tab>/dev/ttyS0"), so the menus get these.
namespace {

// The menu or menu bar showing the action; none for an action that is only
// a key of a window.
QWidget* MenuShowing(QAction* action)
{
    for (QObject* holder : action->associatedObjects())
        if (qobject_cast<QMenu*>(holder) || qobject_cast<QMenuBar*>(holder))
            return static_cast<QWidget*>(holder);
    return nullptr;
}

class SpokenMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SpokenMenuItem(QAction* action, QWidget* owner) : action_(action), owner_(owner) {}

    bool isValid() const override { return action_ && owner_; }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner_); }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && action_->menu() ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* submenu = child(0);
        return submenu && submenu->rect().contains(x, y) ? submenu : nullptr;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (auto* bar = qobject_cast<QMenuBar*>(owner_))
            return bar->actionGeometry(action_).translated(bar->mapToGlobal(QPoint()));
        auto* menu = static_cast<QMenu*>(owner_.data());
        return menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint()));
    }
    // A tick that excludes the others (the Port menu) reads as a radio
    // button, any other tick as a check box: both read their state, ticked
    // or not, where a plain item is only ever "checked".
    QAccessible::Role role() const override
    {
        if (action_->isSeparator())
            return QAccessible::Separator;
        if (!action_->isCheckable())
            return QAccessible::MenuItem;
        const QActionGroup* group = action_->actionGroup();
        return group && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.invisible = !owner_->isVisible() || !action_->isVisible();
        s.disabled = action_->isSeparator() || !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.focused = ActiveAction() == action_;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return PlainName(action_->text());
        if (t != QAccessible::Accelerator)
            return {};
        const QKeySequence key = action_->shortcut().isEmpty() ? QKeySequence::mnemonic(action_->text())
                                                               : action_->shortcut();
        return key.toString(QKeySequence::NativeText);
    }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (action_->isSeparator())
            return {};
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (!isValid() || !action_->isEnabled())
            return;
        if (name == pressAction())
            action_->trigger();
        else if (name == showMenuAction())
            ShowSubmenu();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAction* ActiveAction() const
    {
        if (auto* bar = qobject_cast<QMenuBar*>(owner_))
            return bar->activeAction();
        return static_cast<QMenu*>(owner_.data())->activeAction();
    }
    // As a click does: opens the submenu, or closes it when it is open.
    void ShowSubmenu()
    {
        if (action_->menu()->isVisible())
            action_->menu()->hide();
        else if (auto* bar = qobject_cast<QMenuBar*>(owner_))
            bar->setActiveAction(action_);
        else
            static_cast<QMenu*>(owner_.data())->setActiveAction(action_);
    }

    QPointer<QAction> action_;
    QPointer<QWidget> owner_;  // the menu or the menu bar
};

// A menu reads its title; its children are its items.
class SpokenMenu : public QAccessibleWidget {
public:
    explicit SpokenMenu(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return PlainName(Menu()->title());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(Menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAction*> items = Menu()->actions();
        return index >= 0 && index < items.size() ? QAccessible::queryAccessibleInterface(items[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(Menu()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAction* item = Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y)));
        return item && !item->isSeparator() ? QAccessible::queryAccessibleInterface(item) : nullptr;
    }
    // A menu of the menu bar, or a submenu, belongs to the item opening it.
    QAccessibleInterface* parent() const override
    {
        QAction* opener = Menu()->menuAction();
        return MenuShowing(opener) ? QAccessible::queryAccessibleInterface(opener) : QAccessibleWidget::parent();
    }

private:
    QMenu* Menu() const { return static_cast<QMenu*>(widget()); }
};

// Qt reads a tool button that can stay down as a check box.
class PressedOrNot : public QAccessibleWidget {
public:
    explicit PressedOrNot(QToolButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return PlainName(Button()->text());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->isChecked() || Button()->isDown();
        return s;
    }
    QStringList actionNames() const override
    {
        return (widget()->isEnabled() ? QStringList{pressAction()} : QStringList()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction())
            QAccessibleWidget::doAction(name);
        else if (widget()->isEnabled())
            Button()->click();
    }

private:
    QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }
};

} // namespace

QAccessibleInterface* SpokenCommandFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* menu = qobject_cast<QMenu*>(object))
        return new SpokenMenu(menu);
    if (auto* action = qobject_cast<QAction*>(object)) {
        QWidget* owner = MenuShowing(action);
        return owner ? new SpokenMenuItem(action, owner) : nullptr;
    }
    if (auto* button = qobject_cast<StayDownButton*>(object))
        return new PressedOrNot(button);
    return nullptr;
}
#endif
