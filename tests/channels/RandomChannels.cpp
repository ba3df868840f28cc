#include "RandomChannels.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelFlagTable.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneList.h"

namespace {

QString Pick(QRandomGenerator& random, const QStringList& items)
{
    return items.at(random.bounded(int(items.size())));
}

QString RandomFrequency(QRandomGenerator& random)
{
    return FrequencyText(random.bounded(40000001, 48099950));
}

QStringList FlagWords(int column)
{
    QStringList words;
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        if (FlagColumn(entry.Field) == column)
            words << entry.Text;
    return words;
}

QString RandomName(QRandomGenerator& random)
{
    QString name;
    for (int i = random.bounded(NameLength + 1); i > 0; --i)
        name += NameAlphabet.at(random.bounded(int(NameAlphabet.size())));
    return name;
}

std::uint32_t RandomBcd(QRandomGenerator& random, bool inBand)
{
    if (random.bounded(6) == 0)   // no frequency: the top byte alone decides
        return 0xFF000000u | random.bounded(0x1000000u);
    if (inBand)
        return EncodeFrequency(RandomFrequency(random));
    std::uint32_t bcd = 0;
    for (int i = 0; i < 8; ++i)
        bcd = bcd << 4 | random.bounded(10u);
    return bcd;
}

ToneCode RandomToneCode(QRandomGenerator& random)
{
    const int low = random.bounded(256);
    switch (random.bounded(3)) {
    case 0:
        return ToneCode(0xFF00 | low);
    case 1:
        return ToneCode(random.bounded(0x28) << 8 | low);
    default: {
        // High bytes 28h..FEh whose low three bits leave a code below 512.
        int high;
        do
            high = random.bounded(0x28, 0xFF);
        while ((high & 7) > 1);
        return ToneCode(high << 8 | low);
    }
    }
}

void RandomRadioSlot(QRandomGenerator& random, bool inBand, std::uint8_t* record, std::uint8_t* name)
{
    WriteLe32(record + RxFrequencyByte, RandomBcd(random, inBand));
    WriteLe32(record + TxFrequencyByte, RandomBcd(random, inBand));
    for (int offset : {DecodeToneByte, EncodeToneByte}) {
        const ToneCode code = RandomToneCode(random);
        record[offset] = std::uint8_t(code);
        record[offset + 1] = std::uint8_t(code >> 8);
    }
    const int length = random.bounded(NameLength + 1);
    for (int i = 0; i < length; ++i)
        name[i] = std::uint8_t(random.bounded(int(NameAlphabet.size())));
    if (length < NameLength)
        name[length] = 0xFF;
}

} // namespace

ChannelTexts RandomChannelTexts(QRandomGenerator& random)
{
    ChannelTexts texts;
    // Now and then one of the two frequencies is missing, never both.
    const int missing = random.bounded(8);
    TextOf(texts, ColRx) = missing == 0 ? QString() : RandomFrequency(random);
    TextOf(texts, ColTx) = missing == 1 ? QString() : RandomFrequency(random);
    TextOf(texts, ColDecodeTone) = Pick(random, ToneList());
    TextOf(texts, ColEncodeTone) = Pick(random, ToneList());
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        TextOf(texts, column) = Pick(random, FlagWords(column));
    TextOf(texts, ColName) = RandomName(random);
    return texts;
}

ChannelTable RandomChannelTable(QRandomGenerator& random)
{
    ChannelTable table;
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        if (random.bounded(5) != 0)
            table.SetRowTexts(row, RandomChannelTexts(random));
    return table;
}

MemoryImageBytes RandomChannelImage(QRandomGenerator& random)
{
    MemoryImageBytes image;
    StoreChannelsToImage(RandomChannelTable(random), image);
    return image;
}

MemoryImageBytes RandomRadioImage(QRandomGenerator& random, int firstFreeSlot)
{
    MemoryImageBytes image;
    for (auto& byte : image)
        byte = std::uint8_t(random.bounded(256));
    for (int slot = 1; slot <= ChannelSlotCount; ++slot)
        RandomRadioSlot(random, slot < firstFreeSlot, &image[ChannelRecordsOffset + (slot - 1) * 16],
                        &image[ChannelNamesOffset + (slot - 1) * 16]);
    return image;
}
