#include "ChannelCsv.h"
#include "ChannelCodec.h"
#include "DecimalText.h"
#include "DelimitedText.h"
#include "FrequencyCodec.h"
#include "GridRules.h"
#include "base/FileBytes.h"
#include "base/languagestr.h"
#include <algorithm>
#include <map>

using namespace languagestr;

namespace {

enum CsvField : int {
    Location, Name, Frequency, Duplex, Offset, ToneMode, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity,
    RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode, FieldCount,
};

constexpr int LastCsvRow = 99;              // the rows the grid shows
constexpr qint64 LargestCsvFile = 1 << 20;  // 99 lines take some 10 KB
const QString ModeWide = QStringLiteral("FM");
const QString ModeNarrow = QStringLiteral("NFM");
const QString Arrow = QStringLiteral("->");

QString Mhz6(FrequencyUnits units)
{
    return QStringLiteral("%1.%2").arg(units / UnitsPerMHz).arg(units % UnitsPerMHz * 10, 6, 10, QChar(u'0'));
}

bool Same(const QString& a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// ---- tones --------------------------------------------------------------------
//
//   our TX (encode)   our RX (decode)   Tone    fields used
//   Off               Off               ""
//   CTCSS a           Off               Tone    rToneFreq a
//   CTCSS a           CTCSS a           TSQL    cToneFreq a
//   DCS c p           DCS c p           DTCS    DtcsCode c, DtcsPolarity pp
//   anything else                       Cross   CrossMode X->Y, X and Y each "Tone",
//                                               "DTCS" or nothing (Off); TX CTCSS in
//                                               rToneFreq, TX DCS in DtcsCode, RX CTCSS
//                                               in cToneFreq, RX DCS in RxDtcsCode
//   Import also reads TSQL-R (RX CTCSS only, rToneFreq) and DTCS-R (RX DCS only,
//   DtcsCode). DtcsPolarity: TX letter then RX letter, N normal, R inverted
//   (our N and I). Unused fields carry the layout's defaults.

struct Tone {
    enum Kind { Off, Ctcss, Dcs } kind = Off;
    QString value;       // "88.5", or the three DCS digits "023"
    QChar polarity;      // N or I for DCS
    bool operator==(const Tone&) const = default;
};

struct ToneFields {
    QString mode, rTone = QStringLiteral("88.5"), cTone = QStringLiteral("88.5"), dtcs = QStringLiteral("023"),
                  polarity = QStringLiteral("NN"), rxDtcs = QStringLiteral("023"),
                  cross = QStringLiteral("Tone->Tone");
};

// A tone text as the radio gives it back: "Off", "67.0", "D023N".
Tone ToneOf(const QString& text)
{
    if (text == WordOff)
        return {};
    if (text.startsWith(u'D'))
        return {Tone::Dcs, text.mid(1, 3), text.at(4)};
    return {Tone::Ctcss, text, {}};
}

QString ToneText(const Tone& tone)
{
    switch (tone.kind) {
    case Tone::Ctcss:
        return tone.value;
    case Tone::Dcs:
        return u'D' + tone.value + tone.polarity;
    default:
        return WordOff;
    }
}

QChar CsvPolarity(const Tone& tone)
{
    return tone.kind == Tone::Dcs && tone.polarity == u'I' ? u'R' : u'N';
}

QString CrossName(const Tone& tone)
{
    return tone.kind == Tone::Ctcss ? QStringLiteral("Tone") : tone.kind == Tone::Dcs ? QStringLiteral("DTCS") : QString();
}

ToneFields FieldsOf(const Tone& tx, const Tone& rx)
{
    ToneFields f;
    f.polarity = QString(CsvPolarity(tx)) + CsvPolarity(rx);
    if (tx.kind == Tone::Off && rx.kind == Tone::Off)
        return f;
    if (tx.kind == Tone::Ctcss && rx.kind == Tone::Off) {
        f.mode = QStringLiteral("Tone");
        f.rTone = tx.value;
    } else if (tx.kind == Tone::Ctcss && tx == rx) {
        f.mode = QStringLiteral("TSQL");
        f.cTone = tx.value;
    } else if (tx.kind == Tone::Dcs && tx == rx) {
        f.mode = QStringLiteral("DTCS");
        f.dtcs = tx.value;
    } else {
        f.mode = QStringLiteral("Cross");
        f.cross = CrossName(tx) + Arrow + CrossName(rx);
        if (tx.kind != Tone::Off)
            (tx.kind == Tone::Ctcss ? f.rTone : f.dtcs) = tx.value;
        if (rx.kind != Tone::Off)
            (rx.kind == Tone::Ctcss ? f.cTone : f.rxDtcs) = rx.value;
    }
    return f;
}

// Reading tone fields; `error` names the field that is not what its mode needs.
class ToneReader {
public:
    explicit ToneReader(ToneFields fields) : f_(std::move(fields)) {}
    QString error;

    bool Read(Tone& tx, Tone& rx)
    {
        const QString& mode = f_.mode;
        if (mode.isEmpty())
            return true;
        if (Same(mode, u"Tone"))
            return Ctcss(QStringLiteral("rToneFreq"), f_.rTone, tx);
        if (Same(mode, u"TSQL"))
            return Ctcss(QStringLiteral("cToneFreq"), f_.cTone, tx) && Ctcss(QStringLiteral("cToneFreq"), f_.cTone, rx);
        if (Same(mode, u"DTCS"))
            return Dcs(QStringLiteral("DtcsCode"), f_.dtcs, 0, tx) && Dcs(QStringLiteral("DtcsCode"), f_.dtcs, 1, rx);
        if (Same(mode, u"TSQL-R"))
            return Ctcss(QStringLiteral("rToneFreq"), f_.rTone, rx);
        if (Same(mode, u"DTCS-R"))
            return Dcs(QStringLiteral("DtcsCode"), f_.dtcs, 1, rx);
        if (Same(mode, u"Cross"))
            return Cross(tx, rx);
        return Fail(QStringLiteral("Tone \"%1\" is none of Tone, TSQL, DTCS, TSQL-R, DTCS-R, Cross").arg(mode));
    }

private:
    bool Fail(const QString& text)
    {
        error = text;
        return false;
    }

    bool Ctcss(const QString& field, const QString& value, Tone& tone)
    {
        const auto tenths = ParseScaledDecimal(value, 10);
        if (!tenths)
            return Fail(QStringLiteral("%1 \"%2\" is not a tone in Hz").arg(field, value));
        tone = {Tone::Ctcss, QStringLiteral("%1.%2").arg(*tenths / 10).arg(*tenths % 10), {}};
        return true;
    }

    // side 0: TX, 1: RX (the letter of DtcsPolarity it takes).
    bool Dcs(const QString& field, const QString& code, int side, Tone& tone)
    {
        if (code.isEmpty() || code.size() > 3 || !ParseScaledDecimal(code, 1))
            return Fail(QStringLiteral("%1 \"%2\" is not a DCS code").arg(field, code));
        const QString& p = f_.polarity;
        if (p.size() != 2 || !std::all_of(p.begin(), p.end(), [](QChar c) { return QStringLiteral("NRnr").contains(c); }))
            return Fail(QStringLiteral("DtcsPolarity \"%1\" is not two letters N or R").arg(p));
        tone = {Tone::Dcs, code.rightJustified(3, u'0'), p.at(side).toUpper() == u'R' ? u'I' : u'N'};
        return true;
    }

    bool Side(const QString& name, int side, Tone& tone)
    {
        if (name.isEmpty())
            return true;
        if (Same(name, u"Tone"))
            return side == 0 ? Ctcss(QStringLiteral("rToneFreq"), f_.rTone, tone)
                             : Ctcss(QStringLiteral("cToneFreq"), f_.cTone, tone);
        if (Same(name, u"DTCS"))
            return side == 0 ? Dcs(QStringLiteral("DtcsCode"), f_.dtcs, 0, tone)
                             : Dcs(QStringLiteral("RxDtcsCode"), f_.rxDtcs, 1, tone);
        return false;
    }

    bool Cross(Tone& tx, Tone& rx)
    {
        const QStringList sides = f_.cross.split(Arrow);
        if (sides.size() != 2 || (sides[0].isEmpty() && sides[1].isEmpty()) || !Side(sides[0], 0, tx)
            || !Side(sides[1], 1, rx))
            return error.isEmpty() ? Fail(QStringLiteral("CrossMode \"%1\" is not a cross mode").arg(f_.cross)) : false;
        return true;
    }

    const ToneFields f_;
};

// ---- export -------------------------------------------------------------------

// One line for a row that passed the check, from what the radio would hold.
QStringList CsvLine(int row, const ChannelTexts& texts)
{
    const ChannelTexts radio = DecodeChannel(EncodeChannel(texts), true);
    const FrequencyUnits rx = *ParseFrequency(TextOf(radio, ColRx));
    const auto tx = ParseFrequency(TextOf(radio, ColTx));
    QString duplex = tx ? QString() : QStringLiteral("off");
    if (tx && *tx != rx)
        duplex = *tx > rx ? QStringLiteral("+") : QStringLiteral("-");
    const FrequencyUnits offset = tx ? qAbs(*tx - rx) : 0;
    const ToneFields tones = FieldsOf(ToneOf(TextOf(radio, ColEncodeTone)), ToneOf(TextOf(radio, ColDecodeTone)));
    QStringList line(FieldCount);
    line[Location] = QString::number(row);
    line[Name] = DecodeName(EncodeName(TextOf(texts, ColName)));
    line[Frequency] = Mhz6(rx);
    line[Duplex] = duplex;
    line[Offset] = Mhz6(offset);
    line[ToneMode] = tones.mode;
    line[RToneFreq] = tones.rTone;
    line[CToneFreq] = tones.cTone;
    line[DtcsCode] = tones.dtcs;
    line[DtcsPolarity] = tones.polarity;
    line[RxDtcsCode] = tones.rxDtcs;
    line[CrossMode] = tones.cross;
    line[Mode] = TextOf(radio, ColBandwidth) == Word25K ? ModeWide : ModeNarrow;
    line[TStep] = QStringLiteral("5.00");
    line[Skip] = TextOf(radio, ColScanAdd) == WordOn ? QString() : QStringLiteral("S");
    line[Power] = TextOf(radio, ColPower);
    return line;
}

QString CsvText(const QStringList& fields)
{
    return fields.join(u',') + QStringLiteral("\r\n");
}

// ---- import -------------------------------------------------------------------

// The fields of one line by their meaning, wherever the header put them.
class LineFields {
public:
    LineFields(const std::vector<int>& columns, const QStringList& fields) : columns_(columns), fields_(fields) {}

    QString operator[](CsvField field) const
    {
        const int column = columns_[field];
        return column < 0 ? QString() : fields_.value(column).trimmed();
    }

    ToneFields Tones() const
    {
        ToneFields f;
        f.mode = (*this)[ToneMode];
        const std::pair<CsvField, QString*> defaulted[] = {
            {RToneFreq, &f.rTone}, {CToneFreq, &f.cTone}, {DtcsCode, &f.dtcs},
            {DtcsPolarity, &f.polarity}, {RxDtcsCode, &f.rxDtcs}, {CrossMode, &f.cross},
        };
        for (auto [field, text] : defaulted)
            if (const QString value = (*this)[field]; !value.isEmpty())
                *text = value;
        return f;
    }

private:
    const std::vector<int>& columns_;
    const QStringList& fields_;
};

CsvImport Failure(int line, const QString& reason)
{
    CsvImport result;
    result.Ok = false;
    result.Line = line;
    result.Message = QStringLiteral("line %1: %2").arg(line).arg(reason);
    return result;
}

// The position of each field in the header's columns, -1 when absent.
bool HeaderColumns(const QStringList& header, std::vector<int>& columns, QString& error)
{
    columns.assign(FieldCount, -1);
    for (int i = 0; i < header.size(); ++i) {
        const auto match = std::find_if(CsvColumns().begin(), CsvColumns().end(),
                                        [&](const QString& name) { return Same(name, header.at(i).trimmed()); });
        if (match != CsvColumns().end() && columns[match - CsvColumns().begin()] < 0)
            columns[match - CsvColumns().begin()] = i;
    }
    for (CsvField needed : {Location, Frequency})
        if (columns[needed] < 0) {
            error = QStringLiteral("the header has no %1 column").arg(CsvColumns().at(needed));
            return false;
        }
    return true;
}

bool ParseLocation(const QString& text, int& row)
{
    const auto value = ParseScaledDecimal(text, 1);
    row = value && !text.contains(u'.') ? int(*value) : 0;
    return row >= 1 && row <= LastCsvRow;
}

// TX from the RX frequency, Duplex and Offset; empty for "off".
bool TxText(const LineFields& line, FrequencyUnits rx, QString& tx, QString& error)
{
    const QString duplex = line[Duplex];
    if (duplex.isEmpty()) {
        tx = FrequencyText(rx);
        return true;
    }
    if (Same(duplex, u"off")) {
        tx.clear();
        return true;
    }
    if (duplex != u"+" && duplex != u"-") {
        error = QStringLiteral("Duplex \"%1\" is none of \"\", +, -, off").arg(duplex);
        return false;
    }
    const auto offset = ParseFrequency(line[Offset]);
    const FrequencyUnits units = offset ? (duplex == u"+" ? rx + *offset : rx - *offset) : -1;
    if (units < 0) {
        error = QStringLiteral("Offset \"%1\" gives no TX frequency").arg(line[Offset]);
        return false;
    }
    tx = FrequencyText(units);
    return true;
}

bool IsLowPower(const QString& text)
{
    QString watts = text;
    if (watts.endsWith(u'W', Qt::CaseInsensitive))
        watts.chop(1);
    const auto milliwatts = ParseScaledDecimal(watts.trimmed(), 1000);
    return Same(text, WordLow) || (milliwatts && *milliwatts < 2000);
}

// The texts of a row for one line; false with `error` when a field is bad.
bool RowTexts(const LineFields& line, ChannelTexts& texts, QString& error)
{
    const auto rx = ParseFrequency(line[Frequency]);
    if (!rx) {
        error = QStringLiteral("Frequency \"%1\" is not a frequency in MHz").arg(line[Frequency]);
        return false;
    }
    QString tx;
    if (!TxText(line, *rx, tx, error))
        return false;
    Tone txTone, rxTone;
    ToneReader tones(line.Tones());
    if (!tones.Read(txTone, rxTone)) {
        error = tones.error;
        return false;
    }
    const QString mode = line[Mode];
    if (!Same(mode, ModeWide) && !Same(mode, ModeNarrow)) {
        error = QStringLiteral("Mode \"%1\" is neither FM nor NFM").arg(mode);
        return false;
    }
    texts = StartedRowTexts(line[Frequency]);
    TextOf(texts, ColTx) = tx;
    TextOf(texts, ColDecodeTone) = ToneText(rxTone);
    TextOf(texts, ColEncodeTone) = ToneText(txTone);
    TextOf(texts, ColPower) = IsLowPower(line[Power]) ? WordLow : WordHigh;
    TextOf(texts, ColBandwidth) = Same(mode, ModeWide) ? Word25K : Word12_5K;
    TextOf(texts, ColScanAdd) = Same(line[Skip], u"S") ? WordOff : WordOn;
    TextOf(texts, ColName) = line[Name];
    return true;
}

QString Count(int n, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
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
    if (const RowCheckResult check = CheckRowsForWrite(shown, bands); !check.Ok)
        return {false, check.Row, check.Column, check.Message, {}, 0};
    result.Text = CsvText(CsvColumns());
    for (int row = 1; row <= LastCsvRow; ++row) {
        if (shown.IsEmptySlotRow(row))
            continue;
        if (shown.Text(row, ColRx).isEmpty())
            return {false, row, ColRx,
                    QStringLiteral("row %1, %2: a channel that only transmits has no CSV line")
                        .arg(row).arg(ColumnTitles[ColRx].trimmed()), {}, 0};
        result.Text += CsvText(CsvLine(row, shown.RowTexts(row)));
        ++result.Channels;
    }
    return result;
}

CsvImport ChannelTableFromCsv(const QString& text, const BandLimits& bands, ChannelTable& table)
{
    const std::vector<DelimitedLine> lines = SplitDelimited(text, u',');
    if (lines.empty())
        return Failure(1, QStringLiteral("the header line is missing"));
    std::vector<int> columns;
    QString error;
    if (!HeaderColumns(lines.front().Fields, columns, error))
        return Failure(lines.front().Line, error);
    ChannelTable imported = table;
    CsvImport result;
    std::map<int, int> lineOfRow;
    for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
        if (line->Fields.join(QString()).trimmed().isEmpty())
            continue;
        const LineFields fields(columns, line->Fields);
        int row = 0;
        if (!ParseLocation(fields[Location], row))
            return Failure(line->Line, QStringLiteral("Location \"%1\" is not a channel from 1 to %2")
                                           .arg(fields[Location]).arg(LastCsvRow));
        if (const auto [earlier, fresh] = lineOfRow.emplace(row, line->Line); !fresh)
            return Failure(line->Line, QStringLiteral("channel %1 is on line %2 already").arg(row).arg(earlier->second));
        ChannelTexts texts;
        if (!RowTexts(fields, texts, error))
            return Failure(line->Line, error);
        const PastedRow pasted = PasteRow(imported, row, texts, bands);
        if (!pasted.Ok)
            return Failure(line->Line, pasted.Message);
        ++result.Channels;
        result.NamesChanged += pasted.NameChanged;
        result.FrequenciesMoved += pasted.FrequencyMoved;
    }
    table = imported;
    return result;
}

QString CsvImport::Summary() const
{
    QString text = Count(Channels, QStringLiteral("channel"), QStringLiteral("channels")) + QStringLiteral(" imported.");
    if (NamesChanged > 0)
        text += u' ' + Count(NamesChanged, QStringLiteral("name was"), QStringLiteral("names were"))
              + QStringLiteral(" changed to fit the radio (A-Z and 0-9, at most six).");
    if (FrequenciesMoved > 0)
        text += u' ' + Count(FrequenciesMoved, QStringLiteral("channel's frequency was"),
                             QStringLiteral("channels' frequencies were"))
              + QStringLiteral(" moved to the 5 or 6.25 kHz raster.");
    return text;
}

bool ReadCsvFile(const QString& path, QString& text, QString& error)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, LargestCsvFile, bytes, error))
        return false;
    text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

bool WriteCsvFile(const QString& path, const QString& text, QString& error)
{
    return WriteFileBytes(path, text.toUtf8(), error);
}
