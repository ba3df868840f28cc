#include "Channel.h"
#include "ChannelColumns.h"
#include "ChannelFlagTable.h"
#include "base/Excerpt.h"

namespace {

int ItemOf(bool on) { return on ? 1 : 0; }   // Off, On

std::optional<QString> FrequencyProblem(const QString& text, std::optional<FrequencyUnits>& units,
                                        const FrequencyRule& allowed)
{
    if (text.isEmpty())
        return std::nullopt;
    units = ParseFrequency(text);
    if (!units)
        return QStringLiteral("\"%1\" is not a frequency in MHz").arg(Excerpt(text));
    return allowed ? allowed(*units, text) : std::nullopt;
}

std::optional<QString> ToneProblem(const QString& text, Tone& tone)
{
    if (const auto parsed = Tone::Parse(text)) {
        tone = *parsed;
        return std::nullopt;
    }
    return QStringLiteral("\"%1\" is not Off, a CTCSS tone (0.0 to 1023.9 Hz, one decimal) or a DCS "
                          "code (D, three octal digits, N or I)").arg(Excerpt(text));
}

// The encoder compares flag texts exactly and takes any other text as the
// column's clear word (Off, Low, ...): such a text would change in silence.
// An empty cell is the clear word by design (default rows leave the hidden
// signalling and unmute cells empty).
std::optional<QString> FlagProblem(const QString& text, int column, Channel& channel)
{
    const qsizetype item = text.isEmpty() ? ClearFlagItem(column) : ChoiceItems(column).indexOf(text);
    if (item >= 0) {
        channel.SetFlagItem(column, int(item));
        return std::nullopt;
    }
    QStringList words;
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        if (FlagColumn(entry.Field) == column)
            words << entry.Text;
    return QStringLiteral("\"%1\" is none of %2").arg(Excerpt(text), words.join(QStringLiteral(", ")));
}

std::optional<QString> ReadCell(const ChannelTexts& texts, int column, const FrequencyRule& allowed,
                                Channel& channel)
{
    const QString& text = TextOf(texts, column);
    switch (column) {
    case ColRx:
        return FrequencyProblem(text, channel.Rx, allowed);
    case ColTx:
        return FrequencyProblem(text, channel.Tx, allowed);
    case ColDecodeTone:
        return ToneProblem(text, channel.Decode);
    case ColEncodeTone:
        return ToneProblem(text, channel.Encode);
    default:
        return FlagProblem(text, column, channel);
    }
}

} // namespace

int Channel::FlagItem(int column) const
{
    switch (column) {
    case ColPower: return int(TxPower);
    case ColBandwidth: return int(Width);
    case ColBusyLock: return ItemOf(BusyLock);
    case ColOptSignal: return int(Signal);
    case ColUnmute: return int(UnmuteBy);
    case ColRepeater: return ItemOf(Repeater);
    default: return ItemOf(ScanAdd);
    }
}

void Channel::SetFlagItem(int column, int item)
{
    switch (column) {
    case ColPower: TxPower = Power(item); break;
    case ColBandwidth: Width = Bandwidth(item); break;
    case ColBusyLock: BusyLock = item == 1; break;
    case ColOptSignal: Signal = Signalling(item); break;
    case ColUnmute: UnmuteBy = Unmute(item); break;
    case ColRepeater: Repeater = item == 1; break;
    default: ScanAdd = item == 1; break;
    }
}

Outcome<Channel> ParseChannel(const ChannelTexts& texts, int row, const FrequencyRule& allowed)
{
    Outcome<Channel> result;
    for (int column = ColRx; column <= LastFlagColumn; ++column)
        if (const auto what = ReadCell(texts, column, allowed, result.Value))
            return {{}, CellProblem(row, column, *what)};
    result.Value.Name = TextOf(texts, ColName);
    return result;
}

ChannelTexts ChannelTextsOf(const Channel& channel)
{
    ChannelTexts texts;
    if (channel.Rx)
        TextOf(texts, ColRx) = FrequencyText(*channel.Rx);
    if (channel.Tx)
        TextOf(texts, ColTx) = FrequencyText(*channel.Tx);
    TextOf(texts, ColDecodeTone) = channel.Decode.Text();
    TextOf(texts, ColEncodeTone) = channel.Encode.Text();
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        TextOf(texts, column) = ChoiceItems(column).at(channel.FlagItem(column));
    TextOf(texts, ColName) = channel.Name;
    return texts;
}
