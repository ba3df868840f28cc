#pragma once
// Random channel rows of the kind a read from a radio gives: every cell a
// text the codec produces, frequencies inside 400..480.9995 MHz, some empty
// slots. Seeded, so a failure can be repeated.
#include "base/RadioData.h"
#include "channels/ChannelTable.h"
#include <QRandomGenerator>

ChannelTexts RandomChannelTexts(QRandomGenerator& random);
ChannelTable RandomChannelTable(QRandomGenerator& random);

// StoreChannelsToImage of a random table: an image the codec reads back
// exactly.
MemoryImageBytes RandomChannelImage(QRandomGenerator& random);

// Any image a radio can hold, programmed by whatever: frequencies of eight
// BCD digits or with a top byte FFh, tones Off (top byte FFh), CTCSS (below
// 2800h) or DCS with a three-digit octal code, any flag and reserved bytes,
// names of alphabet codes ended by FFh, anything between the regions. Slots
// before `firstFreeSlot` hold frequencies inside the band (or none), the
// others any eight digits.
MemoryImageBytes RandomRadioImage(QRandomGenerator& random, int firstFreeSlot);
