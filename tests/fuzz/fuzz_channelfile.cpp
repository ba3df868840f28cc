// A channel file from disk, then what a write does with its texts: the check
// before a write and the codec, texts -> image -> texts.
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "channels/ChannelFile.h"

namespace {

// A table whose every cell is set, so a cell the open wrongly touches shows.
ChannelTable MarkedTable()
{
    ChannelTable table;
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        for (int column = 1; column < ChannelTable::ColumnCount; ++column)
            table.SetText(row, column, QStringLiteral("m%1.%2").arg(row).arg(column));
    return table;
}

} // namespace

int FuzzChannelFile(const std::uint8_t* data, std::size_t size)
{
    const QString path = WriteScratchFile(QStringLiteral("fuzz.chnw"), data, size);
    const ChannelTable before = MarkedTable();
    ChannelTable table = before;
    const Outcome<int> result = ReadChannelFile(path, QString(ChannelFileKind.toString()), table);
    if (result.Failure) {
        FUZZ_CHECK(table == before);
        FUZZ_CHECK(!result.Failure->What.isEmpty());
        return 0;
    }
    FUZZ_CHECK(result.Value >= MinChannelFileRows && result.Value <= ChannelTable::RowCount);
    for (int row = result.Value; row < ChannelTable::RowCount; ++row)
        FUZZ_CHECK(table.RowTexts(row) == before.RowTexts(row));
    CheckTableForWrite(table);
    return 0;
}
