#include "ChannelExchange.h"
#include "DataExchange.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencySnap.h"
#include "channels/ImageFile.h"
#include "channels/ImageVerify.h"

namespace {

bool ReadImage(RadioLink& link, const QString& port, MemoryImageBytes& image, LinkUi& ui, const ProgressFn& progress)
{
    return ReadChannelMemory(link, ChannelSlotCount, port, image, ui, progress);
}

bool WriteImage(RadioLink& link, const QString& port, const MemoryImageBytes& image, LinkUi& ui,
                const ProgressFn& progress)
{
    return WriteChannelMemory(link, ChannelSlotCount, port, image, ui, progress);
}

QString ImageDifferenceText(const MemoryImageBytes& written, const MemoryImageBytes& readBack)
{
    const ImageDifference difference = FirstImageDifference(written, readBack);
    return difference.Same() ? QString() : ImageDifferenceMessage(difference);
}

const DataKind<MemoryImageBytes> Channels{ReadImage,         WriteImage,        ImageDifferenceText,
                                          VerifiedMessage,   KeepChannelImage,  HistoryKind::Read,
                                          HistoryKind::Write, HistoryKind::Verify};

ExchangeReport Refused(const Problem& check)
{
    ExchangeReport report;
    report.Check = check;
    return report;
}

} // namespace

ExchangeReport ChannelExchange::Read(MemoryImageBytes& image)
{
    image.fill(0xFF);
    return ReadData(setup_, Channels, image);
}

ExchangeReport ChannelExchange::Write(const ChannelTable& table, bool verify)
{
    if (const auto check = CheckRowsForWrite(table, CurrentBands()))
        return Refused(*check);
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    return WriteData(setup_, Channels, image, verify);
}

ExchangeReport ChannelExchange::WriteImage(const MemoryImageBytes& image, bool verify)
{
    const auto check = CheckImageForWrite(image, CurrentBands());
    return check ? Refused(*check) : WriteData(setup_, Channels, image, verify);
}
