#pragma once
// Channel lists as CSV in the layout of CHIRP, the hobby's open multi-radio
// tool. One header line, then one line per channel in use:
//
//   Location      channel number 1..99
//   Name          the channel name (column 12)
//   Frequency     RX in MHz with six decimals
//   Duplex        "" TX = RX, "+" / "-" TX above / below RX, "off" no TX
//                 ("split": Offset is the TX frequency; read, never written);
//                 a repeater row with its Repeater column On sends on its
//                 repeater input (RepeaterInput)
//   Offset        |TX - RX| in MHz with six decimals (0.000000 otherwise)
//   Tone .. CrossMode   the tones, see CsvTones.h
//   Mode          "FM" 25K, "NFM" 12.5K
//   TStep         "5.00"
//   Skip          "" scanned, "S" not
//   Power         watts: "5.0W" High, "1.0W" Low (CHIRP reads nothing else
//                 and picks the level nearest in watts)
//   Comment .. DVCODE   empty
//
// Our decode tone (column 3) is what the radio listens for (RX), the encode
// tone (column 4) what it sends (TX). Reading such files is CsvImport.h.
#include "ChannelRows.h"
#include "ChannelTable.h"
#include "FrequencyCodec.h"
#include "Problem.h"
#include "RowCheck.h"
#include <QString>
#include <QStringList>
#include <optional>

enum CsvField : int {
    CsvLocation, CsvName, CsvFrequency, CsvDuplex, CsvOffset, CsvToneMode, CsvRToneFreq, CsvCToneFreq,
    CsvDtcsCode, CsvDtcsPolarity, CsvRxDtcsCode, CsvCrossMode, CsvMode, CsvTStep, CsvSkip, CsvPower,
    CsvComment, CsvUrCall, CsvRpt1Call, CsvRpt2Call, CsvDvCode, CsvFieldCount,
};

// The header's column names, in CsvField order.
const QStringList& CsvColumns();

inline constexpr int LastCsvRow = LastShownChannelRow;   // the rows the grid shows

struct CsvExport {
    std::optional<Problem> Failure;   // the bad cell: "row 7, RX Frequency(MHZ): ..."
    QString Text;              // the CSV, lines ended by CR LF
    int Channels = 0;
    int UnlistedTones = 0;     // lines with a tone outside the standard lists

    // What the user is told about the lines other programs may drop; empty
    // when there are none.
    QString Notice() const;
};

// Rows 1..99 with a frequency, in row order. Rows 1..99 must pass the check
// before a write, and a row with TX but no RX has no line to go to: the
// first bad cell is named and there is no text. A tone that is none of the
// 50 CTCSS tones and 105 DCS codes of ToneList is written as it is and
// counted.
CsvExport ChannelTableToCsv(const ChannelTable& table, const BandLimits& bands);

// The frequency rows 1-8 and 41-48 transmit on with their Repeater column On:
// the repeater input, which is the RX of row n + 30. Nothing for other rows
// or when that row has no frequency.
std::optional<FrequencyUnits> RepeaterInput(const ChannelTable& table, int row);

// CSV files in UTF-8. Writing replaces the file atomically. A file larger
// than any channel list can be is refused before it is read.
Outcome<QString> ReadCsvFile(const QString& path);
std::optional<Problem> WriteCsvFile(const QString& path, const QString& text);
