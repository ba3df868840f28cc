#pragma once
// Channel lists as CSV in the layout the hobby's open multi-radio tool
// reads and writes. One header line, then one line per channel in use:
//
//   Location      channel number 1..99
//   Name          the channel name (column 12)
//   Frequency     RX in MHz with six decimals
//   Duplex        "" TX = RX, "+" / "-" TX above / below RX, "off" no TX
//   Offset        |TX - RX| in MHz with six decimals (0.000000 otherwise)
//   Tone .. CrossMode   the tones, see ToneFields in ChannelCsv.cpp
//   Mode          "FM" 25K, "NFM" 12.5K
//   TStep         "5.00"
//   Skip          "" scanned, "S" not
//   Power         "High" / "Low"
//   Comment .. DVCODE   empty
//
// Our decode tone (column 3) is what the radio listens for (RX), the encode
// tone (column 4) what it sends (TX).
#include "ChannelTable.h"
#include "RowCheck.h"
#include <QString>
#include <QStringList>

// The header's column names, in order.
const QStringList& CsvColumns();

struct CsvExport {
    bool Ok = true;
    int Row = 0, Column = 0;   // the bad cell, when !Ok
    QString Message;           // "row 7, RX Frequency(MHZ): ...", when !Ok
    QString Text;              // the CSV, lines ended by CR LF
    int Channels = 0;
};

// Rows 1..99 with a frequency, in row order. Rows 1..99 must pass the check
// before a write, and a row with TX but no RX has no line to go to: the
// first bad cell is named and there is no text.
CsvExport ChannelTableToCsv(const ChannelTable& table, const BandLimits& bands);

struct CsvImport {
    bool Ok = true;
    int Line = 0;              // 1-based line the error is about
    QString Message;           // "line 4: ...", when !Ok
    int Channels = 0;
    int NamesChanged = 0;
    int FrequenciesMoved = 0;

    // What the user is told after an import: channels, names changed,
    // frequencies moved.
    QString Summary() const;
};

// Puts the channels of a CSV text into their rows of the table, each as
// PasteRow puts it (rows 1..80 keep their frequencies; a frequency is
// checked and snapped; the columns the layout has no field for get what a
// started row gets; names are made typable). Columns are found by their
// header names in any order, other columns are ignored, missing tone
// columns read as the layout's defaults. Rows without a line keep their
// texts. All or nothing: the first bad line is named and the table is
// untouched.
CsvImport ChannelTableFromCsv(const QString& text, const BandLimits& bands, ChannelTable& table);

// CSV files in UTF-8. Writing replaces the file atomically. A file larger
// than any channel list can be is refused before it is read.
bool ReadCsvFile(const QString& path, QString& text, QString& error);
bool WriteCsvFile(const QString& path, const QString& text, QString& error);
