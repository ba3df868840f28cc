#include "GridRules.h"
#include "ChannelFlagTable.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "FrequencyBands.h"
#include "FrequencySnap.h"
#include "base/languagestr.h"

using namespace languagestr;

namespace {

PastedRow Bad(int row, int column, const QString& reason)
{
    return {CellProblem(row, column, reason)};
}

// A frequency cell as leaving it leaves it; false when the grid would refuse it.
bool TakeFrequency(QString& text, const BandLimits& bands, bool& moved)
{
    if (text.isEmpty())
        return true;
    const SnappedFrequency snapped = CheckAndSnapFrequency(text, bands);
    if (snapped.overflow)
        return false;
    moved = moved || ParseFrequency(text.trimmed()) != ParseFrequency(snapped.text);
    text = snapped.text;
    return true;
}

// A choice cell as the list leaves it; false when the text is no item.
bool TakeChoice(QString& text, int column)
{
    const std::optional<QString> item = ChoiceItem(column, text);
    if (item)
        text = *item;
    return item || column == ColDecodeTone || column == ColEncodeTone;
}

// The texts before the check: kept cells, snapped frequencies, list items.
PastedRow Prepare(const ChannelTable& table, int row, ChannelTexts& texts, const BandLimits& bands)
{
    PastedRow result;
    for (int column : {ColRx, ColTx}) {
        if (PasteKeepsCell(row, column))
            TextOf(texts, column) = table.Text(row, column);
        else if (!TakeFrequency(TextOf(texts, column), bands, result.FrequencyMoved))
            return Bad(row, column, QStringLiteral("\"%1\" is no channel within %2 MHz")
                                        .arg(TextOf(texts, column), BandsText(bands)));
    }
    if (PasteKeepsCell(row, ColRepeater))
        TextOf(texts, ColRepeater) = table.Text(row, ColRepeater);
    if (TextOf(texts, ColRx).isEmpty()) {
        texts = {};
        return result;
    }
    if (TextOf(texts, ColTx).isEmpty())
        TextOf(texts, ColEncodeTone) = WordOff;
    const ChannelTexts started = StartedRowTexts(TextOf(texts, ColRx));
    for (int column = ColDecodeTone; column <= ColScanAdd; ++column) {
        QString& text = TextOf(texts, column);
        if (text.trimmed().isEmpty())
            text = TextOf(started, column);
        else if (!TakeChoice(text, column))
            return Bad(row, column, QStringLiteral("\"%1\" is not one of %2").arg(text, ChoiceItems(column).join(u", ")));
    }
    const QString name = GridName(TextOf(texts, ColName));
    result.NameChanged = name != TextOf(texts, ColName);
    TextOf(texts, ColName) = name;
    return result;
}

} // namespace

QString GridName(const QString& text)
{
    QString name;
    for (QChar c : text.toUpper())
        if (name.size() < NameLength && NameAlphabet.contains(c))
            name += c;
    return name;
}

PastedRow PasteRow(ChannelTable& table, int row, const ChannelTexts& texts, const BandLimits& bands)
{
    ChannelTexts prepared = texts;
    PastedRow result = Prepare(table, row, prepared, bands);
    if (result.Failure)
        return result;
    // Prepare leaves a row without RX empty, an empty slot the check passes.
    if (!TextOf(prepared, ColRx).isEmpty()) {
        const Outcome<Channel> read = ReadRowForWrite(prepared, row, bands);
        if (read.Failure)
            return {read.Failure};
        TextOf(prepared, ColDecodeTone) = read.Value.Decode.Text();
        TextOf(prepared, ColEncodeTone) = read.Value.Encode.Text();
    }
    table.SetRowTexts(row, prepared);
    return result;
}
