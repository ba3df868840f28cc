#include "ChannelFlagTable.h"
#include "base/languagestr.h"

using namespace languagestr;

const std::vector<ChannelFlagEntry>& ChannelFlagTable()
{
    // Built on first use: the option words are themselves program-wide texts.
    static const std::vector<ChannelFlagEntry> table = {
        {WordHigh, PackFlagField(ColPower, FlagsBByte, 0x20, 0xDF)},
        {WordLow, PackFlagField(ColPower, FlagsBByte, 0x00, 0xDF)},
        {Word25K, PackFlagField(ColBandwidth, FlagsBByte, 0x10, 0xEF)},
        {Word12_5K, PackFlagField(ColBandwidth, FlagsBByte, 0x00, 0xEF)},
        {WordOn, PackFlagField(ColBusyLock, FlagsCByte, 0x01, 0xFE)},
        {WordOff, PackFlagField(ColBusyLock, FlagsCByte, 0x00, 0xFE)},
        {WordDtmf.toString(), PackFlagField(ColOptSignal, FlagsAByte, 0x02, 0xFD)},
        {WordOff, PackFlagField(ColOptSignal, FlagsAByte, 0x00, 0xFD)},
        {WordQtStarDtmf.toString(), PackFlagField(ColUnmute, FlagsAByte, 0x40, 0x9F)},
        {WordQtPlusDtmf.toString(), PackFlagField(ColUnmute, FlagsAByte, 0x20, 0x9F)},
        {WordQt.toString(), PackFlagField(ColUnmute, FlagsAByte, 0x00, 0x9F)},
        {WordOn, PackFlagField(ColRepeater, FlagsAByte, 0x08, 0xF7)},
        {WordOff, PackFlagField(ColRepeater, FlagsAByte, 0x00, 0xF7)},
        {WordOn, PackFlagField(ColScanAdd, FlagsBByte, 0x40, 0xBF)},
        {WordOff, PackFlagField(ColScanAdd, FlagsBByte, 0x00, 0xBF)},
    };
    return table;
}

namespace {

const ChannelFlagEntry* FindEntry(int column, auto&& accept)
{
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        if (FlagColumn(entry.Field) == column && accept(entry))
            return &entry;
    return nullptr;
}

const ChannelFlagEntry& ClearEntry(int column)
{
    return *FindEntry(column, [](const ChannelFlagEntry& e) { return FlagValue(e.Field) == 0; });
}

} // namespace

QString DecodeFlagColumn(const ChannelRecord& record, int column)
{
    if (column < FirstFlagColumn || column > LastFlagColumn)
        return {};
    const ChannelFlagEntry* match = FindEntry(column, [&](const ChannelFlagEntry& e) {
        return (record[FlagByte(e.Field)] & ~FlagKeepMask(e.Field) & 0xFF) == FlagValue(e.Field);
    });
    return (match ? *match : ClearEntry(column)).Text;
}

void EncodeFlagColumn(ChannelRecord& record, int column, const QString& text)
{
    if (column < FirstFlagColumn || column > LastFlagColumn)
        return;
    const ChannelFlagEntry* match = FindEntry(column, [&](const ChannelFlagEntry& e) { return e.Text == text; });
    const std::uint32_t field = (match ? *match : ClearEntry(column)).Field;
    std::uint8_t& byte = record[FlagByte(field)];
    byte = (byte & FlagKeepMask(field)) | FlagValue(field);
}
