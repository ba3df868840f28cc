#pragma once
// The line rule of the program's text files (channel files, option files,
// the default channel file).
#include <QString>
#include <QStringList>

// CR LF, CR and LF each end a line; a final line break adds no empty line.
QStringList SplitTextLines(const QString& text);
