#include "FuzzChannels.h"

#include "ChannelCodec.h"
#include "FuzzTargets.h"
#include "RowCheck.h"

void CheckTableForWrite(const ChannelTable& table)
{
    const RowCheckResult check = CheckRowsForWrite(table, BandLimits{400.0L, 480.9995L, 400.0L, 480.9995L});
    FUZZ_CHECK(check.Ok || (check.Row >= 1 && check.Row < ChannelTable::RowCount && !check.Message.isEmpty()));

    MemoryImageBytes image{};
    StoreChannelsToImage(table, image);
    ChannelTable once;
    LoadChannelsFromImage(image, once);
    StoreChannelsToImage(once, image);
    ChannelTable twice;
    LoadChannelsFromImage(image, twice);
    FUZZ_CHECK(once == twice);
}
