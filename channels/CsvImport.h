#pragma once
// The lines of a CSV file (layout in ChannelCsv.h) into channel rows, with a
// report of what happens to every line, so that nothing changes behind the
// user's back.
//
// Reading refuses a file whole only when it is no such CSV at all: a
// control character in it (not text), a quote never closed, no header line
// with Location and Frequency columns before the first other line, or no
// channel line. Empty lines and lines starting with # are skipped; columns
// are found by their header names in any order, others are ignored. Every
// other line is read on its own into what a free row would hold, with
// each change it needs named (a name made typable, a frequency moved to the
// raster: from what to what; text past the header's fields, which is
// ignored, as empty fields there are), or with the reason no row can take
// it: fewer fields than the header, a field it needs cannot be read, a
// frequency lies outside the band, a mode other than FM and NFM (no Mode
// column is FM), reverse squelch (TSQL-R, DTCS-R), a tone the radio cannot
// use. Duplex "split" takes Offset as the TX frequency; with only one of
// rToneFreq and cToneFreq in the header, it serves for both.
//
// Placing puts the lines into rows in file order, at their Location (1..99)
// or from a chosen row on (each line in the next free row, one without an
// RX frequency, that can take it, or in the next row whatever it holds when
// rows are to be replaced; nothing beyond row 99). Each row takes one line.
// A line placed over a channel says what it replaces. Rows 1..80 hold fixed
// frequencies: a line goes there only when its RX is the row's and its TX
// is the row's, off (the row then only receives), or on rows 1-8 and 41-48
// the repeater input (RepeaterInput; the row's Repeater column is then On).
// A row is put as Paste puts it (PasteRow).
#include "ChannelTable.h"
#include "Problem.h"
#include "RowCheck.h"
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct CsvLine {
    int Line = 0;            // 1-based line of the file
    QString Location;        // as written
    ChannelTexts Texts;      // what its row holds; what could be read of it when not placed
    QStringList Changes;     // each value the row holds differently from the line
    QString Note;            // what else the user should know about the row
    QString Replaced;        // the channel it replaces, "CAMP, 467.71250"; empty for a free row
    QString Refusal;         // why it is not placed; empty when it may be
    int Row = 0;             // where it is placed, 0 when not (or not yet)

    // "placed", "changed: ...", "not placed: ...", with "; replaces ..."
    QString Outcome() const;
    // "line 6: row 85, changed: ..." / "line 6: not placed: ..."
    QString Describe() const;
};

struct CsvFile {
    std::optional<Problem> Failure;     // "line 3: a quote is never closed"
    std::vector<CsvLine> Lines;
};

CsvFile ReadCsvChannels(const QString& text, const BandLimits& bands);

struct CsvPlacement {
    bool AtLocation = true;
    int FirstRow = 81;       // when not at their Location: the rows without fixed frequencies
    bool Replace = false;    // from FirstRow, rows that hold a channel take lines too
};

struct CsvImport {
    std::vector<CsvLine> Lines;
    ChannelTable Table;      // the table with every placed line
    int Placed = 0, Changed = 0, NotPlaced = 0;   // Changed counts placed lines

    // "12 lines: 9 placed, 2 of them changed, 3 not placed."
    QString Counts() const;
};

CsvImport PlaceCsvLines(const CsvFile& file, const CsvPlacement& placement, const ChannelTable& table,
                        const BandLimits& bands);
