#pragma once
// What a screen reader gets from the windows: plain names for controls whose
// visible text carries mnemonics, shortcuts or padding, and names that lists
// keep apart from their values.
#include <QString>

class QWidget;

// "New(&N)" -> "New", "Com&1\t/dev/ttyS0" -> "Com1 /dev/ttyS0",
// "   W/N   " -> "W/N", "&File" -> "File".
QString PlainName(const QString& text);

// Makes named drop-down lists read their name (see NameControl), and menus,
// menu items and tool buttons that stay down read as SpokenCommands.h says;
// done once, before their interfaces are first asked for.
void InstallSpokenNames();

// What a drop-down list named `name` is read as while it shows `value`:
// on Linux "Volume, 5" (AT-SPI has no value for a list), elsewhere the name.
QString SpokenListName(const QString& name, const QString& value);

// Gives the widget this accessible name; a drop-down list named so reads
// the name as its name (see SpokenListName) and its current item as its
// value. Every name the windows give goes through here.
void NameControl(QWidget* widget, const QString& name);

// What a screen reader reads after the widget's name; Qt sends each change
// as an event, so a status that changes is spoken where it is.
void DescribeControl(QWidget* widget, const QString& description);
