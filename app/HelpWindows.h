#pragma once
// The Help menu's two windows, shown beside the main window without
// blocking it: the user guide (Help) and the program's name, version and
// licence (About). Each is made once and brought forward when asked again.
#include <QPointer>
#include <QString>
#include <QWidget>

// The guide is docs/guide.md with its pictures, carried inside the program.
QWidget* ShowGuideWindow(const QPointer<QWidget>& shown, QWidget* parent);
QWidget* ShowAboutBox(const QPointer<QWidget>& shown, QWidget* parent);

// "FANE5 Programmer 1.0 ... Qt 6.4.2 ... Licence: ...", the About box's text.
QString AboutText();
