// A CSV file from disk imported into the default channels, and the same
// bytes pasted from the clipboard: all or nothing, and what comes in is what
// a write can send and an export writes out again unchanged.
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelDefaults.h"

namespace {

const BandLimits Band{400, 480.9995L, 400, 480.9995L};

// Imported channels export, and the export imports to the same export.
void CheckExportIsStable(const ChannelTable& table)
{
    const CsvExport first = ChannelTableToCsv(table, Band);
    FUZZ_CHECK(first.Ok);
    ChannelTable again = table;
    FUZZ_CHECK(ChannelTableFromCsv(first.Text, Band, again).Ok);
    FUZZ_CHECK(ChannelTableToCsv(again, Band).Text == first.Text);
}

void CheckImport(const QString& path)
{
    const ChannelTable before = DefaultChannelTable();
    ChannelTable table = before;
    QString text, error;
    if (!ReadCsvFile(path, text, error))
        return;
    const CsvImport result = ChannelTableFromCsv(text, Band, table);
    if (!result.Ok) {
        FUZZ_CHECK(table == before);
        FUZZ_CHECK(result.Line > 0 && !result.Message.isEmpty());
        return;
    }
    CheckTableForWrite(table);
    CheckExportIsStable(table);
}

void CheckPaste(const QString& text)
{
    const ChannelTable before = DefaultChannelTable();
    ChannelTable table = before;
    const ClipboardPaste result = PasteClipboardText(text, 81, 99, Band, table);
    if (!result.Ok) {
        FUZZ_CHECK(table == before);
        FUZZ_CHECK(!result.Message.isEmpty());
        return;
    }
    CheckTableForWrite(table);
    CheckExportIsStable(table);
}

} // namespace

int FuzzCsv(const std::uint8_t* data, std::size_t size)
{
    CheckImport(WriteScratchFile(QStringLiteral("fuzz.csv"), data, size));
    CheckPaste(QString::fromUtf8(InputBytes(data, size)));
    return 0;
}
