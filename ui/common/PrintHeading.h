#pragma once
// The line at the top of every printed page: what is printed and where it
// came from on the left, the day of printing and the page's number on the
// right, so that pages handed out still say what they are.
#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QString>

class QPainter;
class QRect;

struct PrintHeading {
    QString Title;                          // "FANE5 channels, home.chnw"
    QDate Printed = QDate::currentDate();
};

// "MS Sans Serif" 8 pt, or the closest face the system has.
QFont PrintFont();

// Where a window's values came from: its file's name; else, when they were
// read, "read from the radio 2026-12-09 14:03"; else "not saved".
QString PrintSource(const QString& filePath, const QDateTime& readAt);

// "printed 2026-12-09, page 2 of 3"
QString PrintPageText(const PrintHeading& heading, int page, int pages);

// The heading's height in the painter's font: a text line with the table
// cells' padding.
int PrintHeadingHeight(const QPainter& painter);

// The title on the left of `line` and the page text on its right, their top
// at the padding's half, in the painter's font and pen.
void DrawPrintHeading(QPainter& painter, const QRect& line, const PrintHeading& heading, int page, int pages);
