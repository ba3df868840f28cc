#pragma once
// Channel files (*.chnw): text lines in code page 936, each ended by CR LF.
//
//   line 1        file kind, "tes" for the channel grid
//   line 2        row count R including the header row (2..129)
//   line 3 on     cell texts column by column: column 1 rows 1..R-1, then
//                 column 2 rows 1..R-1, ... up to column 12; an empty cell
//                 is an empty line
//
// Column 0 (row numbers) and the column count are not stored: a file of R
// rows has 2 + 12 * (R - 1) lines (1190 for the grid's 100 rows).
//
// Opening is all or nothing: the kind, the row count and the number of lines
// are checked before a single cell changes, and a bad or missing line is
// named. Lines after the last cell are ignored. Cell texts are not checked
// here; a write checks them (CheckRowsForWrite).
#include "ChannelTable.h"
#include "Problem.h"
#include <QString>
#include <QStringList>
#include <QStringView>

inline constexpr QStringView ChannelFileKind = u"tes";
inline constexpr int MinChannelFileRows = 2;

// Far more than any channel file holds (about 20 KiB for 129 rows): a larger
// file is refused before it is read.
inline constexpr qint64 MaxChannelFileBytes = 1024 * 1024;

// 1-based line of a cell in a file of rowCount rows (row 1.., column 1..12).
int ChannelFileLine(int row, int column, int rowCount);

// The lines of a file holding rows 1..rowCount-1 (rowCount 2..129).
QStringList ChannelTableToLines(const ChannelTable& table, int rowCount, const QString& kindText);

// Fills rows 1..R-1 from the lines of a file; rows beyond keep their texts.
// The value is the row count R the file holds. On failure the table is
// untouched; the problem names the line (none: the file as a whole) and the
// reason, e.g. "Bad read in file type!".
Outcome<int> ChannelTableFromLines(const QStringList& lines, const QString& kindText, ChannelTable& table);

// Whole files. Writing replaces the file atomically: a failed write leaves
// the old file as it was; a device, pipe or folder in the file's place is
// refused. A file larger than MaxChannelFileBytes is refused unread.
Outcome<int> WriteChannelFile(const QString& path, const ChannelTable& table, int rowCount,
                              const QString& kindText);
Outcome<int> ReadChannelFile(const QString& path, const QString& kindText, ChannelTable& table);

// The lines of any text file in the files' code page (CR LF, CR and LF end
// a line; a final line break adds no empty line). False when it cannot be
// read or is larger than a channel file may be. The channel window reads
// "DefA.dat" with it.
bool ReadTextFileLines(const QString& path, QStringList& lines);
