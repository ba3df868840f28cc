#include "ChannelClipboard.h"
#include "DelimitedText.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "GridRules.h"

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
    if (rx.compare(ColumnTitle(ColRx).trimmed(), Qt::CaseInsensitive) == 0)
        return true;
    return lines.size() > 1 && !rx.isEmpty() && !ParseFrequency(rx);
}

Outcome<int> Failure(Problem problem, int line)
{
    problem.Line = line;
    return {0, problem};
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
        titles << ColumnTitle(column).trimmed();
    QString text = Line(titles);
    for (int row : rows) {
        const ChannelTexts texts = table.RowTexts(row);
        text += Line(QStringList(texts.begin(), texts.end()));
    }
    return text;
}

Outcome<int> PasteClipboardText(const QString& text, int firstRow, int lastRow, const BandLimits& bands,
                          ChannelTable& table)
{
    std::vector<DelimitedLine> lines = SplitDelimited(text, Tab);
    if (!lines.empty() && IsHeader(lines))
        lines.erase(lines.begin());
    if (lines.empty())
        return {0, Problem{0, 0, 0, QStringLiteral("the clipboard holds no rows")}};
    if (auto over = RowsThatDoNotFit(int(lines.size()), firstRow, lastRow))
        return {0, over};
    ChannelTable pasted = table;
    int row = firstRow;
    for (const DelimitedLine& line : lines) {
        ChannelTexts texts;
        if (!RowTexts(line.Fields, texts))
            return Failure({0, 0, 0, QStringLiteral("%1 cells; a row has %2").arg(line.Fields.size()).arg(RowColumns)},
                           line.Line);
        if (const PastedRow result = PasteRow(pasted, row++, texts, bands); result.Failure)
            return Failure(*result.Failure, line.Line);
    }
    table = pasted;
    return {int(lines.size()), std::nullopt};
}

CopiedRows CopyRows(const ChannelTable& table, const std::vector<int>& rows)
{
    CopiedRows copied{{}, RowsAsClipboardText(table, rows)};
    for (int row : rows)
        copied.Rows.push_back(table.RowTexts(row));
    return copied;
}

Outcome<std::vector<int>> PasteRows(ChannelTable& table, const QString& clipboardText, const CopiedRows& copied,
                                    const std::vector<int>& rows, int lastRow, const BandLimits& bands)
{
    const int first = rows.front();
    if (clipboardText.isEmpty() || clipboardText == copied.Text) {
        if (const auto problem = PasteCopiedRows(table, copied.Rows, rows, first))
            return {{}, problem};
        return {copied.Rows.size() == 1 ? rows : RowRun(first, int(copied.Rows.size())), {}};
    }
    const Outcome<int> pasted = PasteClipboardText(clipboardText, first, lastRow, bands, table);
    return {RowRun(first, pasted.Value), pasted.Failure};
}
