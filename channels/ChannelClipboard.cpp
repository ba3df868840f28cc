#include "ChannelClipboard.h"
#include "DelimitedText.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "GridRules.h"
#include "base/languagestr.h"

namespace {

constexpr QChar Tab = u'\t';
constexpr int RowColumns = ColName;   // columns 1..12

QString Line(const QStringList& cells)
{
    return cells.join(Tab) + QStringLiteral("\r\n");
}

// This program's header line, or a spreadsheet's own: a first RX cell that
// is no number, above lines that are channels.
bool IsHeader(const std::vector<DelimitedLine>& lines)
{
    const QString rx = lines.front().Fields.value(0).trimmed();
    if (rx.compare(languagestr::ColumnTitles[ColRx].trimmed(), Qt::CaseInsensitive) == 0)
        return true;
    return lines.size() > 1 && !rx.isEmpty() && !ParseFrequency(rx);
}

ClipboardPaste Failure(int line, const QString& reason)
{
    return {false, QStringLiteral("line %1: %2").arg(line).arg(reason), 0};
}

// The twelve cells of a line; false when it holds more.
bool RowTexts(const QStringList& fields, ChannelTexts& texts)
{
    for (int i = RowColumns; i < fields.size(); ++i)
        if (!fields.at(i).trimmed().isEmpty())
            return false;
    for (int i = 0; i < RowColumns; ++i)
        texts[i] = fields.value(i).trimmed();
    return true;
}

} // namespace

QString RowsAsClipboardText(const ChannelTable& table, const std::vector<int>& rows)
{
    QStringList titles;
    for (int column = ColRx; column <= RowColumns; ++column)
        titles << languagestr::ColumnTitles[column].trimmed();
    QString text = Line(titles);
    for (int row : rows) {
        const ChannelTexts texts = table.RowTexts(row);
        text += Line(QStringList(texts.begin(), texts.end()));
    }
    return text;
}

ClipboardPaste PasteClipboardText(const QString& text, int firstRow, int lastRow, const BandLimits& bands,
                                  ChannelTable& table)
{
    std::vector<DelimitedLine> lines = SplitDelimited(text, Tab);
    if (!lines.empty() && IsHeader(lines))
        lines.erase(lines.begin());
    if (lines.empty())
        return {false, QStringLiteral("the clipboard holds no rows"), 0};
    if (const QString over = RowsThatDoNotFit(int(lines.size()), firstRow, lastRow); !over.isEmpty())
        return {false, over, 0};
    ChannelTable pasted = table;
    int row = firstRow;
    for (const DelimitedLine& line : lines) {
        ChannelTexts texts;
        if (!RowTexts(line.Fields, texts))
            return Failure(line.Line, QStringLiteral("%1 cells; a row has %2").arg(line.Fields.size()).arg(RowColumns));
        if (const PastedRow result = PasteRow(pasted, row++, texts, bands); !result.Ok)
            return Failure(line.Line, result.Message);
    }
    table = pasted;
    return {true, {}, int(lines.size())};
}
