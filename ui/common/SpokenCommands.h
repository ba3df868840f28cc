#pragma once
// What a screen reader reads of the commands: menus and menu items by their
// captions without mnemonic letters or the tab before a device, tickable
// items with their tick, and a StayDownButton as a button, pressed or not.
// InstallSpokenNames (Accessibility.h) installs it.
#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(accessibility)
#include <QAccessible>

// The interface of a menu, of an item shown in a menu or the menu bar, or of
// a StayDownButton; nullptr for any other object.
QAccessibleInterface* SpokenCommandFactory(const QString& className, QObject* object);
#endif
