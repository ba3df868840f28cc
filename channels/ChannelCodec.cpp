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

} // namespace

ChannelTexts DecodeChannel(const ChannelRecord& record, bool clearWhenEmpty)
{
    ChannelTexts texts;
    if (clearWhenEmpty && IsEmptySlot(record))
        return texts;
    TextOf(texts, ColRx) = DecodeFrequency(ReadLe32(&record[RxFrequencyByte]));
    TextOf(texts, ColTx) = DecodeFrequency(ReadLe32(&record[TxFrequencyByte]));
    TextOf(texts, ColDecodeTone) = DecodeTone(ReadTone(record, DecodeToneByte));
    TextOf(texts, ColEncodeTone) = DecodeTone(ReadTone(record, EncodeToneByte));
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        TextOf(texts, column) = DecodeFlagColumn(record, column);
    return texts;
}

ChannelRecord EncodeChannel(const ChannelTexts& texts)
{
    ChannelRecord record;
    record.fill(0xFF);
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
