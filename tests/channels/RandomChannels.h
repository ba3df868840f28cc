#pragma once
// Random channel rows of the kind a read from a radio gives: every cell a
// text the codec produces, frequencies inside 400..480.9995 MHz, some empty
// slots. Seeded, so a failure can be repeated.
#include "base/ProgramState.h"
#include "channels/ChannelTable.h"
#include <QRandomGenerator>

ChannelTexts RandomChannelTexts(QRandomGenerator& random);
ChannelTable RandomChannelTable(QRandomGenerator& random);

// StoreChannelsToImage of a random table: an image the codec reads back
// exactly.
MemoryImageBytes RandomChannelImage(QRandomGenerator& random);
