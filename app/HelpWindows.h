#pragma once
// The Help menu's two windows, shown beside the main window without
// blocking it: the short guide (Help) and the program's name, version and
// licence (About). Each is made once and brought forward when asked again.
#include <QPointer>
#include <QString>
#include <QWidget>

// The guide's text, HTML. It lives in GuideText.cpp alone, so another guide
// can take its place there.
QString GuideHtml();

QWidget* ShowGuideWindow(const QPointer<QWidget>& shown, QWidget* parent);
QWidget* ShowAboutBox(const QPointer<QWidget>& shown, QWidget* parent);

// "FANE5 Programmer 1.0 ... Qt 6.4.2 ... Licence: ...", the About box's text.
QString AboutText();
