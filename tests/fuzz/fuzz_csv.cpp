// A CSV file from disk imported into the default channels, and the same
// bytes pasted from the clipboard. A file is refused whole with a message,
// or every line is accounted for: placed in a row of its own, or not placed
// with its reason; no other row changes, fixed rows keep their frequency,
// and what comes in is what a write can send and an export writes out
// again unchanged.
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelRows.h"
#include "channels/CsvImport.h"
#include <set>

namespace {

const BandLimits Band{400, 480.9995L, 400, 480.9995L};

// Exported channels import at their Location to the same export.
void CheckExportIsStable(const ChannelTable& table)
{
    const CsvExport first = ChannelTableToCsv(table, Band);
    FUZZ_CHECK(!first.Failure);
    if (first.Channels == 0)
        return;
    const CsvFile file = ReadCsvChannels(first.Text, Band);
    FUZZ_CHECK(!file.Failure);
    const CsvImport again = PlaceCsvLines(file, {}, table, Band);
    FUZZ_CHECK(again.NotPlaced == 0 && again.Changed == 0);
    FUZZ_CHECK(ChannelTableToCsv(again.Table, Band).Text == first.Text);
}

void CheckPlacing(const CsvFile& file, const CsvPlacement& placement, const ChannelTable& before)
{
    const CsvImport result = PlaceCsvLines(file, placement, before, Band);
    FUZZ_CHECK(result.Lines.size() == file.Lines.size());
    FUZZ_CHECK(result.Placed + result.NotPlaced == int(file.Lines.size()) && result.Changed <= result.Placed);
    std::set<int> rows;
    for (const CsvLine& line : result.Lines) {
        FUZZ_CHECK((line.Row == 0) != line.Refusal.isEmpty());
        if (line.Row == 0)
            continue;
        FUZZ_CHECK(line.Row >= 1 && line.Row <= LastCsvRow && rows.insert(line.Row).second);
        FUZZ_CHECK(placement.AtLocation || line.Row >= placement.FirstRow);
        if (IsFixedFrequencyRow(line.Row))
            FUZZ_CHECK(result.Table.Text(line.Row, ColRx) == before.Text(line.Row, ColRx));
    }
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        if (!rows.count(row))
            FUZZ_CHECK(result.Table.RowTexts(row) == before.RowTexts(row));
    CheckTableForWrite(result.Table);
    CheckExportIsStable(result.Table);
}

void CheckImport(const QString& path, int firstRow)
{
    const Outcome<QString> text = ReadCsvFile(path);
    if (text.Failure)
        return;
    const CsvFile file = ReadCsvChannels(text.Value, Band);
    if (file.Failure) {
        FUZZ_CHECK(file.Failure->Text().startsWith(QStringLiteral("line ")) && file.Lines.empty());
        return;
    }
    FUZZ_CHECK(!file.Lines.empty());
    const ChannelTable before = DefaultChannelTable();
    CheckPlacing(file, {}, before);
    CheckPlacing(file, {false, firstRow}, before);
}

void CheckPaste(const QString& text)
{
    const ChannelTable before = DefaultChannelTable();
    ChannelTable table = before;
    const Outcome<int> result = PasteClipboardText(text, 81, 99, Band, table);
    if (result.Failure) {
        FUZZ_CHECK(table == before);
        FUZZ_CHECK(!result.Failure->Text().isEmpty());
        return;
    }
    CheckTableForWrite(table);
    CheckExportIsStable(table);
}

} // namespace

int FuzzCsv(const std::uint8_t* data, std::size_t size)
{
    // The placing from a row: from row 1 (every fixed row) to beyond the last.
    const int firstRow = 1 + (size > 0 ? data[size - 1] % 100 : 0);
    CheckImport(WriteScratchFile(QStringLiteral("fuzz.csv"), data, size), firstRow);
    CheckPaste(QString::fromUtf8(InputBytes(data, size)));
    return 0;
}
