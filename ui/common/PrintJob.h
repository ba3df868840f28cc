#pragma once
// Print jobs go to the system's default printer. Where the system has no
// printer at all, the user is offered the same pages as a PDF file.
#include "PrintHeading.h"

#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QPixmap;
class QPrinter;
class QWidget;

// How the no-printer case asks for a PDF file name; empty means cancelled.
// The default asks with a question box and a save dialog. A name without a
// suffix gets ".pdf".
using PdfFileQuestion = std::function<QString(QWidget* parent)>;

// Sets up the printer (the default one, or a PDF file) and runs `draw` on it.
// Returns false when the user cancelled or the job could not be drawn; the
// user has then been told why, unless he cancelled.
bool RunPrintJob(QWidget* parent, const std::function<bool(QPrinter&)>& draw,
                 const PdfFileQuestion& askPdf = {});

// Draws `heading` at (80, 80) of `page`, and below it `surface` (width x
// height of a window's picture) stretched into (80, 80) - (page width - 80,
// page height / 2 - 80), moved down by the heading's height.
void DrawFormImage(QPainter& painter, const QPixmap& surface, int width, int height, QSize page,
                   const PrintHeading& heading);

// The job "print option": the page DrawFormImage draws.
bool PrintFormImage(const QPixmap& surface, int width, int height, const PrintHeading& heading,
                    QPrinter& printer);
