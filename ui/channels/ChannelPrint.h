#pragma once
// The channel table on paper: a ruled table of every grid row and every
// column (the hidden ones too), drawn in the device's own pixels. A table
// wider than the page is scaled down whole, text, rules and row heights
// alike, so that every column reaches paper. Every page starts with the
// heading (PrintHeading.h) and the column header, so that each page handed
// out reads on its own.
#include "channels/ChannelTable.h"
#include "ui/common/PrintHeading.h"

#include <QSize>
#include <functional>

class QPainter;
class QPrinter;

// Layout constants, in device pixels.
inline constexpr int PrintMargin = 18;        // left and top
inline constexpr int PrintCellPadding = 16;   // added to a title's width and height
inline constexpr int PrintTextTop = 8;        // text top below the cell's top
inline constexpr int PrintBottomReserve = 80; // a row reaching it ends the page

// Draws rows 0..rows-1 of `table` with `painter`, whose font is already set,
// on pages of `page` pixels (the printable area), each under `heading`, a
// line as high as a row; `newPage` starts the next page. Returns the number
// of pages drawn.
int DrawChannelTable(QPainter& painter, const ChannelTable& table, int rows, QSize page,
                     const PrintHeading& heading, const std::function<void()>& newPage);

// The print job "test" (or `title`) of the grid's `rows` rows on `printer`.
bool PrintChannelTable(const ChannelTable& table, int rows, const QString& title, const PrintHeading& heading,
                       QPrinter& printer);
