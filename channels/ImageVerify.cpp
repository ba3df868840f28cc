#include "ImageVerify.h"

#include "ChannelRecord.h"

namespace {

constexpr int SlotBytes = 16;
constexpr int RegionBytes = ChannelSlotCount * SlotBytes;

// The fields of a channel record by byte (see ChannelRecord.h).
QString RecordField(int byte)
{
    if (byte < TxFrequencyByte)
        return QStringLiteral("RX frequency");
    if (byte < DecodeToneByte)
        return QStringLiteral("TX frequency");
    if (byte < EncodeToneByte)
        return QStringLiteral("decode tone");
    if (byte < FlagsAByte)
        return QStringLiteral("encode tone");
    switch (byte) {
    case FlagsAByte:
        return QStringLiteral("signalling, unmute and repeater flags");
    case FlagsBByte:
        return QStringLiteral("bandwidth, power and scan flags");
    case FlagsCByte:
        return QStringLiteral("busy lock flag");
    default:
        return QStringLiteral("reserved byte");
    }
}

bool InRegion(int offset, int regionStart)
{
    return offset >= regionStart && offset < regionStart + RegionBytes;
}

QString Hex(int value, int digits)
{
    return QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper() + u'h';
}

} // namespace

ImageDifference FirstImageDifference(const MemoryImageBytes& written, const MemoryImageBytes& readBack)
{
    for (const int start : {ChannelRecordsOffset, ChannelNamesOffset})
        for (int offset = start; offset < start + RegionBytes; ++offset)
            if (written[offset] != readBack[offset])
                return {offset, written[offset], readBack[offset]};
    return {};
}

QString DescribeImageByte(int offset)
{
    if (InRegion(offset, ChannelRecordsOffset)) {
        const int relative = offset - ChannelRecordsOffset;
        return QStringLiteral("channel %1, %2").arg(relative / SlotBytes + 1).arg(RecordField(relative % SlotBytes));
    }
    if (InRegion(offset, ChannelNamesOffset)) {
        const int relative = offset - ChannelNamesOffset;
        const bool name = relative % SlotBytes < NameLength;
        return QStringLiteral("channel %1, %2").arg(relative / SlotBytes + 1)
            .arg(name ? QStringLiteral("name") : QStringLiteral("name padding"));
    }
    return {};
}

QString ImageDifferenceMessage(const ImageDifference& difference)
{
    return QStringLiteral("Verify after write: %1 reads back %2 where %3 was written (image byte %4).")
        .arg(DescribeImageByte(difference.Offset), Hex(difference.ReadBack, 2), Hex(difference.Written, 2),
             Hex(difference.Offset, 4));
}

QString VerifiedMessage()
{
    return QStringLiteral("Verify after write: the radio holds every byte written.");
}
