#pragma once
// The tool bar's pictures (ImageList1), drawn in one line style at run time.
// Indices as the tool bar uses them: 0 New, 1 Open, 2 Save As, 3 Print,
// 7 Exit, 8 Write, 9 Read, 12 Channel, 13 Param; other indices give a null icon.
#include <QIcon>

QIcon ToolIcon(int index);
