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
