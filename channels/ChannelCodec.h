#pragma once
// Channel slots <-> grid texts, one slot or the whole memory image.
// Layouts in ChannelRecord.h, tones in ToneList.h, flags in ChannelFlagTable.h.
#include "Channel.h"
#include "ChannelRecord.h"
#include "ChannelTable.h"
#include "base/RadioData.h"
#include <optional>

// A slot as values (the name stays empty); nothing when a frequency has a
// damaged digit (a nibble A-F), which no value stands for.
std::optional<Channel> DecodeRecord(const ChannelRecord& record);

// Values -> slot (the name is not in it).
ChannelRecord EncodeRecord(const Channel& channel);

// Texts of columns 1..11 (the name, index 11, stays empty). With
// clearWhenEmpty set, an empty slot gives twelve empty texts. A damaged
// frequency shows its digits as read ("476.4250A" reads "476.425010").
ChannelTexts DecodeChannel(const ChannelRecord& record, bool clearWhenEmpty);

// Columns 1..11 -> record. Texts are taken as CheckRowsForWrite lets them
// through; anything else falls back (no frequency, tone off, flag clear).
ChannelRecord EncodeChannel(const ChannelTexts& texts);

// Name slot -> text. Decoding stops at FFh and at any code beyond the
// alphabet (36..254), as a write stores every such character as FFh.
QString DecodeName(const ChannelNameSlot& slot);

// Text -> name slot: upper-cased, first six characters, a character outside
// NameAlphabet stored as FFh ("ab-1" -> 0A 0B FF 01 FF FF).
ChannelNameSlot EncodeName(const QString& text);

// Slots 1..128 -> rows 1..128, columns 1..11; the name only for a slot with
// a frequency (an empty slot leaves column 12 as it was).
void LoadChannelsFromImage(const MemoryImageBytes& image, ChannelTable& table);

// Rows 1..128 -> the whole image, FFh everywhere else.
void StoreChannelsToImage(const ChannelTable& table, MemoryImageBytes& image);
