#pragma once
// What a write does with a channel table that came from outside (a file, the
// defaults): the check before the write and the codec, texts -> image -> texts.
#include "channels/ChannelTable.h"

// Runs both; aborts when the check names no cell for a failure, or when a
// table the check lets through, once through the codec, does not come back
// the same from a second pass (what a write sends, a read shows again).
void CheckTableForWrite(const ChannelTable& table);
