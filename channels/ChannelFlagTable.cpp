#include "ChannelFlagTable.h"
#include <algorithm>

const std::vector<ChannelFlagEntry>& ChannelFlagTable()
{
    static const std::vector<ChannelFlagEntry> table = [] {
        std::vector<ChannelFlagEntry> entries;
        for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column) {
            const ColumnSchema& c = SchemaOf(column);
            const qsizetype first = qsizetype(entries.size());
            for (qsizetype i = 0; i < c.Items.size(); ++i)
                entries.push_back({c.Items.at(i), PackFlagField(column, c.FlagByte, c.Values.at(i), c.KeepMask)});
            std::sort(entries.begin() + first, entries.end(), [](const ChannelFlagEntry& a, const ChannelFlagEntry& b) {
                return FlagValue(a.Field) > FlagValue(b.Field);
            });
        }
        return entries;
    }();
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
