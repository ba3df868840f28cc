#include "ChannelCsv.h"
#include "Channel.h"
#include "ChannelCodec.h"
#include "ChannelRows.h"
#include "CsvTones.h"
#include "ToneList.h"
#include "base/FileBytes.h"

namespace {

constexpr qint64 LargestCsvFile = 1 << 20;  // 99 lines take some 10 KB
constexpr int RepeaterInputRows = 30;       // rows 1-8 and 41-48 send on rows 31-38 and 71-78

QString Mhz6(FrequencyUnits units)
{
    return MhzText(units, 6);
}

bool IsListedTone(const QString& text)
{
    return ToneList().contains(text);
}

// One line for a row with RX that passed the check, from its values.
QStringList CsvLine(const ChannelTable& table, int row, bool& unlistedTone)
{
    const ChannelTexts texts = table.RowTexts(row);
    const Channel channel = ParseChannel(texts, row).Value;
    const FrequencyUnits rx = channel.Rx.value_or(0);
    auto tx = channel.Tx;
    if (const auto input = RepeaterInput(table, row); input && tx == rx && channel.Repeater)
        tx = input;
    QString duplex = tx ? QString() : QStringLiteral("off");
    if (tx && *tx != rx)
        duplex = *tx > rx ? QStringLiteral("+") : QStringLiteral("-");
    const QString encode = channel.Encode.Text();
    const QString decode = channel.Decode.Text();
    unlistedTone = !IsListedTone(encode) || !IsListedTone(decode);
    const CsvToneFields tones = ToneFieldsOf(encode, decode);
    QStringList line(CsvFieldCount);
    line[CsvLocation] = QString::number(row);
    line[CsvName] = DecodeName(EncodeName(TextOf(texts, ColName)));
    line[CsvFrequency] = Mhz6(rx);
    line[CsvDuplex] = duplex;
    line[CsvOffset] = Mhz6(tx ? qAbs(*tx - rx) : 0);
    line[CsvToneMode] = tones.Mode;
    line[CsvRToneFreq] = tones.RTone;
    line[CsvCToneFreq] = tones.CTone;
    line[CsvDtcsCode] = tones.Dtcs;
    line[CsvDtcsPolarity] = tones.Polarity;
    line[CsvRxDtcsCode] = tones.RxDtcs;
    line[CsvCrossMode] = tones.Cross;
    line[CsvMode] = channel.Width == Bandwidth::Wide ? QStringLiteral("FM") : QStringLiteral("NFM");
    line[CsvTStep] = QStringLiteral("5.00");
    line[CsvSkip] = channel.ScanAdd ? QString() : QStringLiteral("S");
    line[CsvPower] = channel.TxPower == Power::High ? QStringLiteral("5.0W") : QStringLiteral("1.0W");
    return line;
}

QString CsvText(const QStringList& fields)
{
    return fields.join(u',') + QStringLiteral("\r\n");
}

} // namespace

const QStringList& CsvColumns()
{
    static const QStringList columns = {
        "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
        "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment", "URCALL",
        "RPT1CALL", "RPT2CALL", "DVCODE",
    };
    return columns;
}

CsvExport ChannelTableToCsv(const ChannelTable& table, const BandLimits& bands)
{
    ChannelTable shown;
    for (int row = 1; row <= LastCsvRow; ++row)
        shown.SetRowTexts(row, table.RowTexts(row));
    CsvExport result;
    if (auto problem = CheckRowsForWrite(shown, bands))
        return {problem, {}, 0, 0};
    result.Text = CsvText(CsvColumns());
    for (int row = 1; row <= LastCsvRow; ++row) {
        if (shown.IsEmptySlotRow(row))
            continue;
        if (shown.Text(row, ColRx).isEmpty())
            return {CellProblem(row, ColRx, QStringLiteral("a channel that only transmits has no CSV line")), {}, 0, 0};
        bool unlisted = false;
        result.Text += CsvText(CsvLine(shown, row, unlisted));
        ++result.Channels;
        result.UnlistedTones += unlisted;
    }
    return result;
}

QString CsvExport::Notice() const
{
    if (UnlistedTones == 0)
        return {};
    return QStringLiteral("%1 of %2 lines carry a tone outside the 50 standard CTCSS tones and 105 DCS codes "
                          "(such as 0.0 or 155.1). They are written as they are, but CHIRP may drop those lines "
                          "when it loads the file.").arg(UnlistedTones).arg(Channels);
}

std::optional<FrequencyUnits> RepeaterInput(const ChannelTable& table, int row)
{
    const bool output = (row >= 1 && row <= 8) || (row >= 41 && row <= 48);
    if (!output || !IsRepeaterRow(row + RepeaterInputRows))
        return std::nullopt;
    return ParseFrequency(table.Text(row + RepeaterInputRows, ColRx));
}

Outcome<QString> ReadCsvFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, LargestCsvFile, bytes, error))
        return {{}, Problem{0, 0, 0, error}};
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return {text, std::nullopt};
}

std::optional<Problem> WriteCsvFile(const QString& path, const QString& text)
{
    QString error;
    if (!WriteFileBytes(path, text.toUtf8(), error))
        return Problem{0, 0, 0, error};
    return std::nullopt;
}
