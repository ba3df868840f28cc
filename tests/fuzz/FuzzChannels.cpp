#include "FuzzChannels.h"

#include "FuzzTargets.h"
#include "channels/ChannelCodec.h"
#include "channels/RowCheck.h"

#include <cstdio>

namespace {

// Names the first cell where two tables differ, for the report of a failure.
bool SameTables(const ChannelTable& a, const ChannelTable& b)
{
    for (int row = 0; row < ChannelTable::RowCount; ++row)
        for (int column = 0; column < ChannelTable::ColumnCount; ++column)
            if (a.Text(row, column) != b.Text(row, column)) {
                std::fprintf(stderr, "row %d column %d: \"%s\" then \"%s\"\n", row, column,
                             qPrintable(a.Text(row, column)), qPrintable(b.Text(row, column)));
                return false;
            }
    return true;
}

} // namespace

void CheckTableForWrite(const ChannelTable& table)
{
    const std::optional<Problem> check = CheckRowsForWrite(table, BandLimits{400.0L, 480.9995L, 400.0L, 480.9995L});
    FUZZ_CHECK(!check || (check->Row >= 1 && check->Row < ChannelTable::RowCount && !check->What.isEmpty()));

    MemoryImageBytes image{};
    StoreChannelsToImage(table, image);
    ChannelTable once;
    LoadChannelsFromImage(image, once);
    if (check)
        return;  // never sent: its cells may encode to codes that no text stands for
    StoreChannelsToImage(once, image);
    ChannelTable twice;
    LoadChannelsFromImage(image, twice);
    FUZZ_CHECK(SameTables(once, twice));
}
