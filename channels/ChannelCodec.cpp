#include "ChannelCodec.h"
#include "ChannelFlagTable.h"
#include "FrequencyCodec.h"
#include "ToneList.h"
#include <algorithm>

namespace {

ToneCode ReadTone(const ChannelRecord& record, int offset)
{
    return ToneCode(record[offset] | record[offset + 1] << 8);
}

void WriteTone(ChannelRecord& record, int offset, ToneCode code)
{
    record[offset] = std::uint8_t(code);
    record[offset + 1] = std::uint8_t(code >> 8);
}

template <typename Slot>
Slot SlotAt(const MemoryImageBytes& image, int offset)
{
    Slot slot;
    std::copy_n(image.begin() + offset, slot.size(), slot.begin());
    return slot;
}

int RecordOffset(int slot) { return ChannelRecordsOffset + (slot - 1) * 16; }
int NameOffset(int slot) { return ChannelNamesOffset + (slot - 1) * 16; }

// Tones and flags; every code and bit pattern has a value.
Channel TonesAndFlags(const ChannelRecord& record)
{
    Channel channel;
    channel.Decode = Tone::FromCode(ReadTone(record, DecodeToneByte));
    channel.Encode = Tone::FromCode(ReadTone(record, EncodeToneByte));
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        channel.SetFlagItem(column, DecodeFlagItem(record, column));
    return channel;
}

ChannelRecord BlankRecord()
{
    ChannelRecord record;
    record.fill(0xFF);
    return record;
}

// A frequency's BCD: true with its value (or none), false when a digit is
// damaged.
bool ReadFrequency(const ChannelRecord& record, int offset, std::optional<FrequencyUnits>& units)
{
    const std::uint32_t bcd = ReadLe32(&record[offset]);
    units = UnitsOfBcd(bcd);
    return units || (bcd >> 24) == 0xFF;
}

} // namespace

std::optional<Channel> DecodeRecord(const ChannelRecord& record)
{
    Channel channel = TonesAndFlags(record);
    if (!ReadFrequency(record, RxFrequencyByte, channel.Rx) || !ReadFrequency(record, TxFrequencyByte, channel.Tx))
        return std::nullopt;
    return channel;
}

ChannelRecord EncodeRecord(const Channel& channel)
{
    ChannelRecord record = BlankRecord();
    WriteLe32(&record[RxFrequencyByte], channel.Rx ? BcdOfUnits(*channel.Rx) : NoFrequencyBcd);
    WriteLe32(&record[TxFrequencyByte], channel.Tx ? BcdOfUnits(*channel.Tx) : NoFrequencyBcd);
    WriteTone(record, DecodeToneByte, channel.Decode.Code());
    WriteTone(record, EncodeToneByte, channel.Encode.Code());
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        EncodeFlagItem(record, column, channel.FlagItem(column));
    return record;
}

ChannelTexts DecodeChannel(const ChannelRecord& record, bool clearWhenEmpty)
{
    if (clearWhenEmpty && IsEmptySlot(record))
        return {};
    if (const auto channel = DecodeRecord(record))
        return ChannelTextsOf(*channel);
    ChannelTexts texts = ChannelTextsOf(TonesAndFlags(record));
    TextOf(texts, ColRx) = DecodeFrequency(ReadLe32(&record[RxFrequencyByte]));
    TextOf(texts, ColTx) = DecodeFrequency(ReadLe32(&record[TxFrequencyByte]));
    return texts;
}

// Texts a write lets through go as values; any other text falls back as
// each field's encoder takes it.
ChannelRecord EncodeChannel(const ChannelTexts& texts)
{
    if (const Outcome<Channel> channel = ParseChannel(texts, 0); !channel.Failure)
        return EncodeRecord(channel.Value);
    ChannelRecord record = BlankRecord();
    WriteLe32(&record[RxFrequencyByte], EncodeFrequency(TextOf(texts, ColRx)));
    WriteLe32(&record[TxFrequencyByte], EncodeFrequency(TextOf(texts, ColTx)));
    WriteTone(record, DecodeToneByte, EncodeTone(TextOf(texts, ColDecodeTone)));
    WriteTone(record, EncodeToneByte, EncodeTone(TextOf(texts, ColEncodeTone)));
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        EncodeFlagColumn(record, column, TextOf(texts, column));
    return record;
}

QString DecodeName(const ChannelNameSlot& slot)
{
    QString name;
    for (int i = 0; i < NameLength && slot[i] < NameAlphabet.size(); ++i)
        name += NameAlphabet.at(slot[i]);
    return name;
}

ChannelNameSlot EncodeName(const QString& text)
{
    ChannelNameSlot slot;
    slot.fill(0xFF);
    const QString upper = text.left(NameLength).toUpper();
    for (int i = 0; i < upper.size(); ++i) {
        const auto code = NameAlphabet.indexOf(upper.at(i));
        slot[i] = code < 0 ? 0xFF : std::uint8_t(code);
    }
    return slot;
}

void LoadChannelsFromImage(const MemoryImageBytes& image, ChannelTable& table)
{
    for (int slot = 1; slot <= ChannelSlotCount; ++slot) {
        const ChannelTexts texts = DecodeChannel(SlotAt<ChannelRecord>(image, RecordOffset(slot)), true);
        for (int column = ColRx; column <= ColScanAdd; ++column)
            table.SetText(slot, column, TextOf(texts, column));
        if (!table.IsEmptySlotRow(slot))
            table.SetText(slot, ColName, DecodeName(SlotAt<ChannelNameSlot>(image, NameOffset(slot))));
    }
}

void StoreChannelsToImage(const ChannelTable& table, MemoryImageBytes& image)
{
    image.fill(0xFF);
    for (int slot = 1; slot <= ChannelSlotCount; ++slot) {
        const ChannelRecord record = EncodeChannel(table.RowTexts(slot));
        std::copy(record.begin(), record.end(), image.begin() + RecordOffset(slot));
        const ChannelNameSlot name = EncodeName(table.Text(slot, ColName));
        std::copy(name.begin(), name.end(), image.begin() + NameOffset(slot));
    }
}
