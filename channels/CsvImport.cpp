#include "CsvImport.h"
#include "ChannelCsv.h"
#include "ChannelRows.h"
#include "CsvTones.h"
#include "DecimalText.h"
#include "DelimitedText.h"
#include "FrequencyCodec.h"
#include "FrequencySnap.h"
#include "GridRules.h"
#include "Tone.h"
#include "base/Excerpt.h"
#include "base/languagestr.h"
#include <algorithm>
#include <map>
#include <optional>

using namespace languagestr;

namespace {

bool Same(const QString& a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "444.550", "476.43125": at least three decimals, no trailing zeros beyond.
QString Mhz(FrequencyUnits units)
{
    QString text = FrequencyText(units);
    while (text.endsWith(u'0') && text.size() - text.indexOf(u'.') > 4)
        text.chop(1);
    return text;
}

// The line of the first character that no text file holds, 0 when none.
int ControlCharacterLine(const QString& text)
{
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n')))
            ++line;
        else if (c < u' ' && c != u'\t' && c != u'\r')
            return line;
    }
    return 0;
}

bool IsSkipped(const DelimitedLine& line)
{
    return line.Fields.join(QString()).trimmed().isEmpty() || line.Fields.first().trimmed().startsWith(u'#');
}

// The fields of one line by their meaning, wherever the header put them.
class LineFields {
public:
    LineFields(const std::vector<int>& columns, const QStringList& fields) : columns_(columns), fields_(fields) {}

    bool Has(CsvField field) const { return columns_[field] >= 0; }

    QString operator[](CsvField field) const
    {
        return Has(field) ? fields_.value(columns_[field]).trimmed() : QString();
    }

    // Missing or empty fields read as the layout's defaults; a header with
    // only one of the two CTCSS columns uses it for both.
    CsvToneFields Tones() const
    {
        CsvToneFields f;
        f.Mode = (*this)[CsvToneMode];
        const CsvField rTone = Has(CsvRToneFreq) ? CsvRToneFreq : CsvCToneFreq;
        const CsvField cTone = Has(CsvCToneFreq) ? CsvCToneFreq : CsvRToneFreq;
        const std::pair<CsvField, QString*> defaulted[] = {
            {rTone, &f.RTone}, {cTone, &f.CTone}, {CsvDtcsCode, &f.Dtcs},
            {CsvDtcsPolarity, &f.Polarity}, {CsvRxDtcsCode, &f.RxDtcs}, {CsvCrossMode, &f.Cross},
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

// The position of each field in the header's columns, -1 when absent; false
// when Location or Frequency is missing.
bool HeaderColumns(const QStringList& header, std::vector<int>& columns)
{
    columns.assign(CsvFieldCount, -1);
    for (int i = 0; i < header.size(); ++i) {
        const auto match = std::find_if(CsvColumns().begin(), CsvColumns().end(),
                                        [&](const QString& name) { return Same(name, header.at(i).trimmed()); });
        if (match != CsvColumns().end() && columns[match - CsvColumns().begin()] < 0)
            columns[match - CsvColumns().begin()] = i;
    }
    return columns[CsvLocation] >= 0 && columns[CsvFrequency] >= 0;
}

bool IsLowPower(const QString& text)
{
    QString watts = text;
    if (watts.endsWith(u'W', Qt::CaseInsensitive))
        watts.chop(1);
    const auto milliwatts = ParseScaledDecimal(watts.trimmed(), 1000);
    return Same(text, WordLow) || (milliwatts && *milliwatts < 2000);
}

// Reads one channel line into `out`; false with out.Refusal set when no row
// can take it.
class LineReader {
public:
    LineReader(const LineFields& fields, const BandLimits& bands, CsvLine& out)
        : f_(fields), bands_(bands), out_(out)
    {
    }

    bool Read()
    {
        QString& name = TextOf(out_.Texts, ColName);
        if (const QString typable = GridName(name); typable != name) {
            out_.Changes << QStringLiteral("name \"%1\" becomes \"%2\"").arg(Excerpt(name), typable);
            name = typable;
        }
        const auto rx = ParseFrequency(f_[CsvFrequency]);
        if (!rx)
            return Fail(QStringLiteral("Frequency \"%1\" is not a frequency in MHz").arg(Excerpt(f_[CsvFrequency])));
        std::optional<FrequencyUnits> tx;
        if (!Tx(*rx, tx))
            return false;
        TextOf(out_.Texts, ColRx) = FrequencyText(*rx);
        TextOf(out_.Texts, ColTx) = tx ? FrequencyText(*tx) : QString();
        if (!Tones() || !Mode())
            return false;
        TextOf(out_.Texts, ColPower) = IsLowPower(f_[CsvPower]) ? WordLow : WordHigh;
        TextOf(out_.Texts, ColScanAdd) = Same(f_[CsvSkip], u"S") ? WordOff : WordOn;
        return Frequency(ColRx, *rx, true) && (!tx || Frequency(ColTx, *tx, *tx != *rx));
    }

private:
    bool Fail(const QString& problem)
    {
        out_.Refusal = problem;
        return false;
    }

    // TX from the RX frequency, Duplex and Offset; nothing for "off".
    bool Tx(FrequencyUnits rx, std::optional<FrequencyUnits>& tx)
    {
        const QString duplex = f_[CsvDuplex];
        if (duplex.isEmpty()) {
            tx = rx;
            return true;
        }
        if (Same(duplex, u"off"))
            return true;
        const bool split = Same(duplex, u"split");
        if (!split && duplex != u"+" && duplex != u"-")
            return Fail(QStringLiteral("Duplex \"%1\" is none of \"\", +, -, split, off").arg(Excerpt(duplex)));
        const auto offset = ParseFrequency(f_[CsvOffset]);
        const FrequencyUnits units = !offset ? -1 : split ? *offset : duplex == u"+" ? rx + *offset : rx - *offset;
        if (units < 0)
            return Fail(QStringLiteral("Offset \"%1\" gives no TX frequency").arg(Excerpt(f_[CsvOffset])));
        tx = units;
        return true;
    }

    bool Tones()
    {
        QString encode, decode;
        if (auto problem = TonesOfFields(f_.Tones(), encode, decode))
            return Fail(problem->What);
        TextOf(out_.Texts, ColEncodeTone) = encode;
        TextOf(out_.Texts, ColDecodeTone) = decode;
        const std::optional<Tone> tx = Tone::Parse(encode), rx = Tone::Parse(decode);
        if (!tx || !rx)
            return Fail(QStringLiteral("tone %1 is none the radio can use (CTCSS 0.0 to 1023.9 Hz in steps of "
                                       "0.1 Hz, DCS codes of octal digits)").arg(Excerpt(tx ? decode : encode)));
        TextOf(out_.Texts, ColEncodeTone) = tx->Text();
        TextOf(out_.Texts, ColDecodeTone) = rx->Text();
        return true;
    }

    bool Mode()
    {
        const QString mode = f_[CsvMode];
        if (mode.isEmpty() || Same(mode, u"FM") || Same(mode, u"NFM")) {
            TextOf(out_.Texts, ColBandwidth) = Same(mode, u"NFM") ? Word12_5K : Word25K;
            return true;
        }
        return Fail(QStringLiteral("Mode %1: this radio has FM and NFM only").arg(Excerpt(mode)));
    }

    // In the band, then on the raster; a move is named (once when TX = RX).
    bool Frequency(int column, FrequencyUnits units, bool nameMove)
    {
        const SnappedFrequency snapped = CheckAndSnapFrequency(FrequencyText(units), bands_);
        const QString side = column == ColRx ? QString() : QStringLiteral("TX ");
        if (snapped.overflow)
            return Fail(QStringLiteral("%1%2 MHz lies outside %3 MHz").arg(side, Mhz(units), BandsText(bands_)));
        const FrequencyUnits on = *ParseFrequency(snapped.text);
        if (on != units && nameMove)
            out_.Changes << QStringLiteral("%1%2 MHz moved to %3 MHz").arg(side, Mhz(units), Mhz(on));
        TextOf(out_.Texts, column) = snapped.text;
        return true;
    }

    const LineFields& f_;
    const BandLimits& bands_;
    CsvLine& out_;
};

// CHIRP ignores fields past the header (many lists end every line with a
// comma); only text there is worth a word, since it is dropped.
void NamePastHeader(const QStringList& past, CsvLine& out)
{
    const auto withText = std::count_if(past.begin(), past.end(), [](const QString& f) { return !f.trimmed().isEmpty(); });
    if (withText > 0)
        out.Changes << QStringLiteral("%1 field%2 past the header ignored").arg(withText).arg(withText == 1 ? "" : "s");
}

CsvLine ReadLine(const DelimitedLine& line, const std::vector<int>& columns, qsizetype headerSize,
                 const BandLimits& bands)
{
    const LineFields fields(columns, line.Fields);
    CsvLine out;
    out.Line = line.Line;
    out.Location = fields[CsvLocation];
    out.Texts = StartedRowTexts(fields[CsvFrequency]);
    TextOf(out.Texts, ColName) = fields[CsvName];
    if (line.Fields.size() < headerSize)
        out.Refusal = QStringLiteral("%1 fields, the header has %2").arg(line.Fields.size()).arg(headerSize);
    else if (LineReader(fields, bands, out).Read())
        NamePastHeader(line.Fields.mid(headerSize), out);
    if (!out.Refusal.isEmpty())
        out.Changes.clear();
    return out;
}

CsvFile Refused(int line, const QString& reason)
{
    return {Problem{line, 0, 0, reason}, {}};
}

// ---- placing ------------------------------------------------------------------

std::optional<int> LocationRow(const QString& text)
{
    const auto value = ParseScaledDecimal(text, 1);
    if (!value || text.contains(u'.') || *value < 1 || *value > LastCsvRow)
        return std::nullopt;
    return int(*value);
}

// Whether `row` can take the line, and the texts to paste there; `why` when not.
bool FitRow(const ChannelTable& table, int row, CsvLine& line, QString& why)
{
    if (!IsFixedFrequencyRow(row))
        return true;
    const auto rowRx = ParseFrequency(table.Text(row, ColRx));
    const FrequencyUnits rx = *ParseFrequency(TextOf(line.Texts, ColRx));
    if (!rowRx) {
        why = QStringLiteral("%1 MHz cannot go to row %2, which holds no fixed frequency").arg(Mhz(rx)).arg(row);
        return false;
    }
    if (*rowRx != rx) {
        why = QStringLiteral("%1 MHz cannot go to row %2, which holds the fixed %3 MHz")
                  .arg(Mhz(rx)).arg(row).arg(Mhz(*rowRx));
        return false;
    }
    const auto tx = ParseFrequency(TextOf(line.Texts, ColTx));
    const auto rowTx = ParseFrequency(table.Text(row, ColTx));
    const auto input = rowTx == rowRx ? RepeaterInput(table, row) : std::nullopt;
    if (!tx || tx == rowTx) {
        TextOf(line.Texts, ColRepeater) = WordOff;
        return true;
    }
    if (tx == input) {
        TextOf(line.Texts, ColRepeater) = WordOn;
        line.Note = QStringLiteral("Repeater On (sends on the input %1 MHz)").arg(Mhz(*input));
        return true;
    }
    why = QStringLiteral("TX %1 MHz cannot go to row %2, which sends on the fixed %3 MHz")
              .arg(Mhz(*tx)).arg(row).arg(rowTx ? Mhz(*rowTx) : QStringLiteral("(none)"));
    if (input)
        why += QStringLiteral(" or its repeater input %1 MHz").arg(Mhz(*input));
    return false;
}

class Placer {
public:
    Placer(const CsvPlacement& placement, const ChannelTable& table, const BandLimits& bands)
        : placement_(placement), bands_(bands), next_(placement.FirstRow)
    {
        result_.Table = table;
    }

    void Place(CsvLine line)
    {
        if (line.Refusal.isEmpty()) {
            const int row = placement_.AtLocation ? AtLocation(line) : FromRow(line);
            if (row > 0)
                Put(line, row);
        }
        if (line.Row > 0) {
            ++result_.Placed;
            result_.Changed += !line.Changes.isEmpty();
        } else {
            ++result_.NotPlaced;
            line.Changes.clear();
            line.Note.clear();
        }
        result_.Lines.push_back(std::move(line));
    }

    CsvImport Result() { return std::move(result_); }

private:
    int AtLocation(CsvLine& line)
    {
        const auto row = LocationRow(line.Location);
        if (!row)
            line.Refusal = QStringLiteral("Location %1 is no row of this radio (1 to %2)")
                               .arg(Excerpt(line.Location)).arg(LastCsvRow);
        else if (const auto taken = lineOfRow_.find(*row); taken != lineOfRow_.end())
            line.Refusal = QStringLiteral("row %1 holds line %2 already").arg(*row).arg(taken->second);
        else if (FitRow(result_.Table, *row, line, line.Refusal))
            return *row;
        return 0;
    }

    int FromRow(CsvLine& line)
    {
        const int first = next_;
        QString why;
        for (; next_ <= LastCsvRow; ++next_)
            if ((placement_.Replace || IsFreeRow(next_)) && FitRow(result_.Table, next_, line, why))
                return next_++;
        line.Refusal = first > LastCsvRow ? QStringLiteral("no row left after row %1").arg(LastCsvRow)
                                          : QStringLiteral("none of rows %1 to %2 can take it").arg(first).arg(LastCsvRow);
        return 0;
    }

    bool IsFreeRow(int row) const { return result_.Table.Text(row, ColRx).isEmpty(); }

    // "CAMP, 467.71250", or the frequency alone for a channel without a name.
    static QString ChannelOf(const ChannelTexts& texts)
    {
        const QString& name = TextOf(texts, ColName);
        return name.isEmpty() ? TextOf(texts, ColRx) : name + QStringLiteral(", ") + TextOf(texts, ColRx);
    }

    void Put(CsvLine& line, int row)
    {
        ChannelTable next = result_.Table;
        // A fixed row keeps its frequencies when pasted; a line that only
        // receives leaves it without TX.
        if (IsFixedFrequencyRow(row) && TextOf(line.Texts, ColTx).isEmpty())
            next.SetText(row, ColTx, QString());
        if (const PastedRow pasted = PasteRow(next, row, line.Texts, bands_); pasted.Failure) {
            line.Refusal = pasted.Failure->Text();
            return;
        }
        const ChannelTexts before = result_.Table.RowTexts(row);
        result_.Table = next;
        line.Texts = next.RowTexts(row);
        if (!TextOf(before, ColRx).isEmpty() && before != line.Texts)
            line.Replaced = ChannelOf(before);
        line.Row = row;
        lineOfRow_.emplace(row, line.Line);
    }

    const CsvPlacement& placement_;
    const BandLimits& bands_;
    CsvImport result_;
    std::map<int, int> lineOfRow_;
    int next_;
};

} // namespace

CsvFile ReadCsvChannels(const QString& text, const BandLimits& bands)
{
    if (const int line = ControlCharacterLine(text))
        return Refused(line, QStringLiteral("holds a control character: this is no text file"));
    const std::vector<DelimitedLine> lines = SplitDelimited(text, u',');
    if (!lines.empty() && lines.back().Unclosed)
        return Refused(lines.back().Line, QStringLiteral("a quote is never closed"));
    auto line = std::find_if(lines.begin(), lines.end(), [](const DelimitedLine& l) { return !IsSkipped(l); });
    std::vector<int> columns;
    if (line == lines.end() || !HeaderColumns(line->Fields, columns))
        return Refused(line == lines.end() ? 1 : line->Line,
                       QStringLiteral("no header line with Location and Frequency columns"));
    const qsizetype headerSize = line->Fields.size();
    const int headerLine = line->Line;
    CsvFile file;
    for (++line; line != lines.end(); ++line)
        if (!IsSkipped(*line))
            file.Lines.push_back(ReadLine(*line, columns, headerSize, bands));
    if (file.Lines.empty())
        return Refused(headerLine, QStringLiteral("no channel lines after the header"));
    return file;
}

CsvImport PlaceCsvLines(const CsvFile& file, const CsvPlacement& placement, const ChannelTable& table,
                        const BandLimits& bands)
{
    Placer placer(placement, table, bands);
    for (const CsvLine& line : file.Lines)
        placer.Place(line);
    return placer.Result();
}

QString CsvLine::Outcome() const
{
    if (Row == 0)
        return QStringLiteral("not placed: ") + Refusal;
    QString text = Changes.isEmpty() ? QStringLiteral("placed") : QStringLiteral("changed: ") + Changes.join(QStringLiteral("; "));
    if (!Note.isEmpty())
        text += QStringLiteral("; ") + Note;
    if (!Replaced.isEmpty())
        text += QStringLiteral("; replaces ") + Replaced;
    return text;
}

QString CsvLine::Describe() const
{
    return Row == 0 ? QStringLiteral("line %1: %2").arg(Line).arg(Outcome())
                    : QStringLiteral("line %1: row %2, %3").arg(Line).arg(Row).arg(Outcome());
}

QString CsvImport::Counts() const
{
    QString text = QStringLiteral("%1 %2: %3 placed")
                       .arg(Lines.size()).arg(Lines.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                       .arg(Placed);
    if (Changed > 0)
        text += QStringLiteral(", %1 of them changed").arg(Changed);
    if (NotPlaced > 0)
        text += QStringLiteral(", %1 not placed").arg(NotPlaced);
    return text + u'.';
}
