#include "ChannelColumns.h"
#include "ChannelRows.h"
#include "KeyFilters.h"
#include "ToneList.h"
#include "base/languagestr.h"
#include <algorithm>
#include <array>
#include <utility>

using namespace languagestr;

namespace {

ColumnSchema Frequency(const QString& started, PasteKeeps kept)
{
    ColumnSchema c;
    c.Kind = ColumnKind::Frequency;
    c.Started = started;
    c.Filter = KeyFilter::Decimal;
    c.KeyLength = 10;
    c.Kept = kept;
    return c;
}

ColumnSchema Tone()
{
    ColumnSchema c;
    c.Kind = ColumnKind::Tone;
    c.Items = ToneList();
    c.Started = c.Clipboard = c.Default = WordOff;
    return c;
}

// A flag column: items with their bits, then started, clipboard and default
// texts.
ColumnSchema Flag(int byte, std::uint8_t keep, const QStringList& items, std::vector<std::uint8_t> values,
                  const QString& started, const QString& clipboard, const QString& fallback)
{
    ColumnSchema c;
    c.Kind = ColumnKind::Choice;
    c.Items = items;
    c.FlagByte = byte;
    c.KeepMask = keep;
    c.Values = std::move(values);
    c.Started = started;
    c.Clipboard = clipboard;
    c.Default = fallback;
    return c;
}

std::array<ColumnSchema, ChannelColumnCount> BuildSchema()
{
    const QString qt = WordQt.toString(), dtmf = WordDtmf.toString();
    std::array<ColumnSchema, ChannelColumnCount> s;
    s[ColChannel].Kind = ColumnKind::ChannelNumber;
    s[ColRx] = Frequency(QString(), PasteKeeps::FixedRows);
    s[ColTx] = Frequency(QString(), PasteKeeps::FixedRows);
    s[ColDecodeTone] = Tone();
    s[ColEncodeTone] = Tone();
    s[ColPower] = Flag(FlagsBByte, 0xDF, {WordHigh, WordLow}, {0x20, 0x00}, WordHigh, WordOff, WordHigh);
    s[ColBandwidth] = Flag(FlagsBByte, 0xEF, {Word25K, Word12_5K}, {0x10, 0x00}, Word25K, Word25K, Word12_5K);
    s[ColBusyLock] = Flag(FlagsCByte, 0xFE, {WordOff, WordOn}, {0x00, 0x01}, WordOff, WordOff, WordOff);
    s[ColOptSignal] = Flag(FlagsAByte, 0xFD, {WordOff, dtmf}, {0x00, 0x02}, WordOff, WordOff, QString());
    s[ColUnmute] = Flag(FlagsAByte, 0x9F, {qt, WordQtPlusDtmf.toString(), WordQtStarDtmf.toString()},
                        {0x00, 0x20, 0x40}, qt, qt, QString());
    s[ColRepeater] = Flag(FlagsAByte, 0xF7, {WordOff, WordOn}, {0x00, 0x08}, WordOff, WordOff, WordOff);
    s[ColRepeater].Kept = PasteKeeps::NonRepeaterRows;
    s[ColScanAdd] = Flag(FlagsBByte, 0xBF, {WordOff, WordOn}, {0x00, 0x40}, WordOn, WordOn, WordOn);
    s[ColName].Filter = KeyFilter::Name;
    s[ColName].KeyLength = 5;
    for (int column : {ColOptSignal, ColUnmute, ColName})
        s[column].Hidden = true;
    return s;
}

} // namespace

const ColumnSchema& SchemaOf(int column)
{
    // Built on first use: the option words are themselves program-wide texts.
    static const std::array<ColumnSchema, ChannelColumnCount> schema = BuildSchema();
    return schema[column >= 0 && column < ChannelColumnCount ? column : ColChannel];
}

const QString& ColumnTitle(int column)
{
    return ColumnTitles[column >= 0 && column < ChannelColumnCount ? column : ColChannel];
}

QStringList ChoiceItems(int column)
{
    return SchemaOf(column).Items;
}

bool IsChoiceColumn(int column)
{
    return !SchemaOf(column).Items.isEmpty();
}

std::optional<QString> ChoiceItem(int column, const QString& text)
{
    const QStringList items = ChoiceItems(column);
    const auto item = std::find_if(items.begin(), items.end(), [&](const QString& i) {
        return i.compare(text.trimmed(), Qt::CaseInsensitive) == 0;
    });
    return item == items.end() ? std::nullopt : std::optional(*item);
}

bool IsFlagColumn(int column)
{
    return SchemaOf(column).FlagByte >= 0;
}

ChannelTexts StartedRowTexts(const QString& rx)
{
    ChannelTexts texts;
    for (int column = ColRx; column <= ColName; ++column)
        TextOf(texts, column) = SchemaOf(column).Started;
    TextOf(texts, ColRx) = rx;
    TextOf(texts, ColTx) = rx;
    return texts;
}

ChannelTexts ClipboardStartRow()
{
    ChannelTexts texts;
    for (int column = ColRx; column <= ColName; ++column)
        TextOf(texts, column) = SchemaOf(column).Clipboard;
    return texts;
}

bool HiddenByDefault(int column)
{
    return SchemaOf(column).Hidden;
}

QString FilterKey(int column, const QString& currentText, QChar& key)
{
    const ColumnSchema& c = SchemaOf(column);
    switch (c.Filter) {
    case KeyFilter::Decimal:
        return FilterDecimalKey(currentText, key, c.KeyLength);
    case KeyFilter::Name:
        return FilterNameKey(currentText, key, c.KeyLength);
    case KeyFilter::None:
        break;
    }
    return currentText;
}

bool PasteKeepsCell(int row, int column)
{
    switch (SchemaOf(column).Kept) {
    case PasteKeeps::FixedRows:
        return IsFixedFrequencyRow(row);
    case PasteKeeps::NonRepeaterRows:
        return !IsRepeaterRow(row);
    case PasteKeeps::Nothing:
        break;
    }
    return false;
}
