#pragma once
// The channels a new channel window starts with: RX/TX line pairs, line
// 2k + 1 the RX and line 2k + 2 the TX frequency of channel row k + 1.
#include "ChannelTable.h"

#include <QString>
#include <QStringList>

inline constexpr char DefaultChannelFileName[] = "DefA.dat";

// The built-in pairs: 160 lines, 80 rows with RX = TX, four decimals:
// rows 1-40 476.4250 MHz up in 25 kHz steps, rows 41-60 476.4375 up,
// rows 61-63 empty, rows 64-80 477.0125 up.
QStringList DefaultChannelList();

// The lines of "DefA.dat" in the current directory when it exists (and can
// be read), the built-in list otherwise.
QStringList DefaultChannelLines();

// One default row: nothing for an empty RX text; otherwise RX and TX go into
// columns 1 and 2 and the empty ones of columns 3-7, 10 and 11 get "Off",
// "Off", "High", "12.5K", "Off", "Off", "On". Columns 8, 9 and 12 are left.
void SetDefaultRow(ChannelTable& table, const QString& rx, const QString& tx, int row);

// A table holding the built-in pairs as default rows.
ChannelTable DefaultChannelTable();
