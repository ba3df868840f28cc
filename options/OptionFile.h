#pragma once
// Option files (*.optw): one line per option control in design order, the
// selected item index of a list ("-1" for none) or "1"/"0" for a check box,
// every line ended by CR LF. No header, no count.
//
// Opening is all or nothing: the whole file is checked before any value is
// taken, and a bad or missing line is named in the message.
#include "OptionControls.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

// The file's lines for these values, each ended by CR LF.
QByteArray WriteControlLines(const OptionValues& values);

// Takes the first fourteen lines (later ones are ignored). On a bad or
// missing line returns false with a message and leaves values untouched.
bool ReadControlLines(const QStringList& lines, OptionValues& values, QString& error);

// An option file is 14 short lines; anything larger than this is refused
// before it is read.
inline constexpr qint64 MaxOptionFileBytes = 64 * 1024;

// Writes the file atomically: a failed save leaves any old file in place; a
// device, pipe or folder in the file's place is refused. Reading refuses a
// file larger than MaxOptionFileBytes unread.
bool WriteOptionFile(const QString& path, const OptionValues& values, QString& error);
bool ReadOptionFile(const QString& path, OptionValues& values, QString& error);

// File dialog filter and default suffix.
QString OptionFileFilter();   // "optw file(*.optw)"
QString OptionFileSuffix();   // "optw"
