#pragma once
// Channel rows as tab-separated text, the form spreadsheets copy and paste
// cells in: a header line of the column titles, then one line per row with
// the texts of columns 1..12 in grid order; lines end in CR LF.
#include "ChannelTable.h"
#include "Problem.h"
#include "RowCheck.h"
#include <QString>
#include <vector>

QString RowsAsClipboardText(const ChannelTable& table, const std::vector<int>& rows);

// Pastes the lines of tab-separated text into rows firstRow, firstRow + 1,
// ... up to lastRow, each by PasteRow. A first line whose first cell is the
// RX column's title, or is no number above further lines, is a header and
// skipped; missing cells at a line's end are empty, and empty cells after
// the twelfth are ignored. All or nothing: on failure ("line 3: row 12,
// TX Power: ...") the table is untouched, also when the lines do not all
// fit. The value is the number of rows pasted.
Outcome<int> PasteClipboardText(const QString& text, int firstRow, int lastRow, const BandLimits& bands,
                                  ChannelTable& table);

// What the channel window copied last: the rows (columns 1..12 each) and
// the text it put on the system clipboard.
struct CopiedRows {
    std::vector<ChannelTexts> Rows;
    QString Text;
};
CopiedRows CopyRows(const ChannelTable& table, const std::vector<int>& rows);

// Paste into the chosen rows (ascending): text from elsewhere on the
// clipboard goes in from the first chosen row down as if typed; the
// window's own copy (its text, or an empty clipboard) goes back as it was
// copied, one row into every chosen row. All or nothing, also when the
// rows do not all fit. The value is the rows pasted into.
Outcome<std::vector<int>> PasteRows(ChannelTable& table, const QString& clipboardText, const CopiedRows& copied,
                                    const std::vector<int>& rows, int lastRow, const BandLimits& bands);
