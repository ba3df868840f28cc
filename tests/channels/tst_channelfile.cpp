// Channel file lines <-> table (all or nothing), whole files on disk, the
// check of every row before a write, and the exchange formats: CSV files
// and clipboard text.
#include "RandomChannels.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelFile.h"
#include "channels/CsvImport.h"
#include "channels/DelimitedText.h"
#include "channels/FrequencyCodec.h"
#include "channels/GridRules.h"
#include "channels/RowCheck.h"
#include "channels/ToneList.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The problem as the user reads it; empty for none.
QString MessageOf(const std::optional<Problem>& problem)
{
    return problem ? problem->Text() : QString();
}

const BandLimits FixedBand{400, 480.9995L, 400, 480.9995L};

ChannelTable FilledRow(int row, const QStringList& texts)
{
    ChannelTable table;
    for (int i = 0; i < texts.size(); ++i)
        table.SetText(row, i + 1, texts[i]);
    return table;
}

QStringList ValidRow()
{
    return {"476.42500", "477.41250", "67.0", "D023N", "High", "25K", "Off", "Off", "QT", "Off", "On", "CH1"};
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A row as the grid holds a channel: the columns CSV has no field for carry
// what a started row gets.
ChannelTexts GridRow(const QString& rx, const QString& tx, const QString& dec, const QString& enc,
                     const QString& power = "High", const QString& width = "25K", const QString& scan = "On",
                     const QString& name = "CH1")
{
    ChannelTexts texts = StartedRowTexts(rx);
    TextOf(texts, ColTx) = tx;
    TextOf(texts, ColDecodeTone) = dec;
    TextOf(texts, ColEncodeTone) = enc;
    TextOf(texts, ColPower) = power;
    TextOf(texts, ColBandwidth) = width;
    TextOf(texts, ColScanAdd) = scan;
    TextOf(texts, ColName) = name;
    return texts;
}

const QString CsvHeader = QStringLiteral(
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n");

// A line of the layout for row 85 with the fields from Duplex to CrossMode.
QString Line85(const QString& middle, const QString& tail = "FM,5.00,,5.0W")
{
    return QStringLiteral("85,CH1,476.425000,%1,%2,,,,,").arg(middle, tail);
}

// A row as a CSV line without a name leaves it.
ChannelTexts Unnamed(const QString& rx, const QString& tx, const QString& dec, const QString& enc,
                     const QString& power = "High", const QString& width = "25K")
{
    return GridRow(rx, tx, dec, enc, power, width, "On", "");
}

// Lines under a header of the fields from Location to Mode, and Power.
QString ShortCsv(const QStringList& lines)
{
    return "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
           "CrossMode,Mode,Power\r\n" + lines.join("\r\n") + "\r\n";
}

// A CSV text read and placed onto a table (nothing when it is refused).
CsvImport Import(const QString& csv, const ChannelTable& table, const CsvPlacement& placement = {})
{
    const CsvFile file = ReadCsvChannels(csv, FixedBand);
    return !file.Failure ? PlaceCsvLines(file, placement, table, FixedBand) : CsvImport{};
}

QStringList Report(const CsvImport& import)
{
    QStringList lines;
    for (const CsvLine& line : import.Lines)
        lines << line.Describe();
    return lines;
}

int RunChirp(const QString& chirp, const QStringList& arguments, QByteArray* out = nullptr)
{
    QProcess process;
    process.start(chirp, arguments);
    process.waitForFinished(-1);
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// What CHIRP reads from a CSV file: one object per channel, then the complaints.
QList<QJsonObject> ChirpLoad(const QString& chirp, const QString& path)
{
    QByteArray out;
    QList<QJsonObject> objects;
    if (RunChirp(chirp, {"load", path}, &out) == 0)
        for (const QByteArray& line : out.split('\n'))
            if (!line.trimmed().isEmpty())
                objects << QJsonDocument::fromJson(line).object();
    return objects;
}

// A channel as CHIRP read it, in the fields of our line from Location to
// Power (CHIRP does not tell the tuning step: ours).
QStringList ChirpFields(const QJsonObject& channel)
{
    const auto text = [&](const char* key) { return channel.value(QLatin1String(key)).toString(); };
    const auto tone = [&](const char* key) { return QString::number(channel.value(QLatin1String(key)).toDouble(), 'f', 1); };
    const auto code = [&](const char* key) {
        return QStringLiteral("%1").arg(channel.value(QLatin1String(key)).toInt(), 3, 10, QChar(u'0'));
    };
    return {QString::number(channel.value("number").toInt()), text("name"), text("freq"), text("duplex"),
            text("offset"), text("tmode"), tone("rtone"), tone("ctone"), code("dtcs"), text("dtcs_polarity"),
            code("rx_dtcs"), text("cross_mode"), text("mode"), QStringLiteral("5.00"), text("skip"), text("power")};
}

// A table on the raster the grid keeps, with channels in rows 1..99 that CSV
// can carry (no channel without RX; no encode tone without TX).
ChannelTable RasterTable(QRandomGenerator& random)
{
    ChannelTable table;
    for (int row = 1; row <= 99; ++row) {
        if (random.bounded(5) == 0)
            continue;
        ChannelTexts texts = RandomChannelTexts(random);
        for (int column : {ColRx, ColTx})
            TextOf(texts, column) = FrequencyText(40000000 + 625 * random.bounded(1, 12960));
        if (random.bounded(6) == 0) {
            TextOf(texts, ColTx).clear();
            TextOf(texts, ColEncodeTone) = QStringLiteral("Off");
        }
        table.SetRowTexts(row, texts);
    }
    return table;
}

} // namespace

class TestChannelFile : public QObject {
    Q_OBJECT
private slots:
    void linesOfHundredRows();
    void linesRoundTrip_data();
    void linesRoundTrip();
    void shortFileFillsItsRows();
    void refusals_data();
    void refusals();
    void fileRoundTrip();
    void lineEndings_data();
    void lineEndings();
    void codePage936OffWord();
    void failedWriteKeepsOldFile();
    void missingFile();
    void rowCheck_data();
    void rowCheck();
    void rowCheckNamesFirstBadCell();
    void rowCheckSecondBand();
    void rowCheckHiddenRows_data();
    void rowCheckHiddenRows();
    void fileLimits();
    void outputMustBeARegularFile_data();
    void outputMustBeARegularFile();
    void csvBothWays_data();
    void csvBothWays();
    void csvImport_data();
    void csvImport();
    void csvImportRefusals_data();
    void csvImportRefusals();
    void csvExportRepeaterAndUnlistedTones();
    void csvExportRefusals();
    void csvRoundTrip();
    void chirpReadsAndWrites();
    void clipboardPaste_data();
    void clipboardPaste();
};

void TestChannelFile::linesOfHundredRows()
{
    ChannelTable table = FilledRow(1, ValidRow());
    table.SetText(99, ColName, QStringLiteral("LAST"));
    table.SetText(100, ColRx, QStringLiteral("not shown, not saved"));
    const QStringList lines = ChannelTableToLines(table, 100, QStringLiteral("tes"));
    QCOMPARE(lines.size(), 1190);
    QCOMPARE(lines[0], QStringLiteral("tes"));
    QCOMPARE(lines[1], QStringLiteral("100"));
    QCOMPARE(lines[2], QStringLiteral("476.42500"));            // column 1, row 1
    QCOMPARE(lines[2 + 99], QStringLiteral("477.41250"));       // column 2, row 1
    QCOMPARE(lines[2 + 11 * 99], QStringLiteral("CH1"));        // column 12, row 1
    QCOMPARE(lines[1189], QStringLiteral("LAST"));              // column 12, row 99
    QVERIFY(!lines.contains(QStringLiteral("not shown, not saved")));
}

void TestChannelFile::linesRoundTrip_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::newRow("smallest") << 2;
    QTest::newRow("grid") << 100;
    QTest::newRow("every channel") << 129;
}

void TestChannelFile::linesRoundTrip()
{
    QFETCH(int, rowCount);
    QRandomGenerator random{quint32(rowCount)};
    const ChannelTable table = RandomChannelTable(random);
    ChannelTable loaded;
    const Outcome<int> result =
        ChannelTableFromLines(ChannelTableToLines(table, rowCount, QStringLiteral("tes")), QStringLiteral("tes"), loaded);
    QVERIFY2(!result.Failure, qPrintable(MessageOf(result.Failure)));
    QCOMPARE(result.Value, rowCount);
    for (int row = 0; row < ChannelTable::RowCount; ++row)
        for (int column = 0; column < ChannelTable::ColumnCount; ++column)
            QCOMPARE(loaded.Text(row, column), row < rowCount ? table.Text(row, column) : ChannelTable().Text(row, column));
}

void TestChannelFile::shortFileFillsItsRows()
{
    ChannelTable source = FilledRow(16, ValidRow());
    QStringList lines = ChannelTableToLines(source, 17, QStringLiteral("tes"));
    QCOMPARE(lines.size(), 2 + 12 * 16);
    lines << QStringLiteral("lines after the last cell are ignored");
    ChannelTable table = FilledRow(17, ValidRow());
    QVERIFY(!ChannelTableFromLines(lines, QStringLiteral("tes"), table).Failure);
    QCOMPARE(table.RowTexts(16), source.RowTexts(16));
    QCOMPARE(table.Text(17, ColRx), QStringLiteral("476.42500"));   // beyond the file: kept
}

void TestChannelFile::refusals_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    const QStringList good = ChannelTableToLines(FilledRow(1, ValidRow()), 100, QStringLiteral("tes"));
    auto with = [&](int index, const QString& text) { QStringList l = good; l[index] = text; return l; };
    QTest::newRow("kind in capitals") << with(0, "TES") << 1 << "Bad read in file type!";
    QTest::newRow("empty file") << QStringList() << 1 << "Bad read in file type!";
    QTest::newRow("kind only") << QStringList{"tes"} << 2 << "the row count is missing";
    QTest::newRow("row count 1") << with(1, "1") << 2 << "\"1\" is not a row count from 2 to 129";
    QTest::newRow("row count 130") << with(1, "130") << 2 << "\"130\" is not a row count from 2 to 129";
    QTest::newRow("row count 1000") << with(1, "1000") << 2 << "\"1000\" is not a row count from 2 to 129";
    QTest::newRow("row count with blank") << with(1, " 100") << 2 << "\" 100\" is not a row count from 2 to 129";
    QTest::newRow("row count not a number") << with(1, "abc") << 2 << "\"abc\" is not a row count from 2 to 129";
    QTest::newRow("long row count line") << with(1, QString(5000, u'7')) << 2
                                         << "\"" + QString(40, u'7') + "...\" is not a row count from 2 to 129";
    QTest::newRow("row count with control characters") << with(1, "1" + QString(QChar(0)) + "\t\x1b") << 2
                                                       << "\"1\\x00\\t\\x1b\" is not a row count from 2 to 129";
    QTest::newRow("one line short") << good.mid(0, 1189) << 1190
                                    << "missing: 100 rows take 1190 lines, the file ends after 1189";
    QTest::newRow("more rows than lines") << with(1, "129") << 1191
                                          << "missing: 129 rows take 1538 lines, the file ends after 1190";
}

void TestChannelFile::refusals()
{
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(QString, message);
    ChannelTable table = FilledRow(5, ValidRow());
    const ChannelTable before = table;
    const Outcome<int> result = ChannelTableFromLines(lines, QStringLiteral("tes"), table);
    QVERIFY(result.Failure);
    QCOMPARE(result.Failure->Line, line);
    QCOMPARE(result.Failure->What, message);
    QCOMPARE(result.Failure->In("a.chnw"), QStringLiteral("a.chnw: line %1: %2").arg(line).arg(message));
    QVERIFY(table == before);
}

void TestChannelFile::fileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("all.chnw");
    QRandomGenerator random(5);
    const ChannelTable table = RandomChannelTable(random);
    QVERIFY(!WriteChannelFile(path, table, 129, QStringLiteral("tes")).Failure);
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("tes\r\n129\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 2 + 12 * 128);
    ChannelTable loaded;
    const Outcome<int> result = ReadChannelFile(path, QStringLiteral("tes"), loaded);
    QVERIFY(!result.Failure);
    QCOMPARE(result.Value, 129);
    QVERIFY(loaded == table);
}

void TestChannelFile::lineEndings_data()
{
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<bool>("finalBreak");
    QTest::newRow("CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("LF") << QByteArray("\n") << true;
    QTest::newRow("CR") << QByteArray("\r") << true;
    QTest::newRow("no final break") << QByteArray("\r\n") << false;
}

void TestChannelFile::lineEndings()
{
    QFETCH(QByteArray, ending);
    QFETCH(bool, finalBreak);
    QStringList lines = ChannelTableToLines(FilledRow(1, ValidRow()), 2, QStringLiteral("tes"));
    lines.replace(2 + 11, QString());   // the name, the last line, empty
    QByteArray bytes = lines.join(QString::fromLatin1(ending)).toLatin1();
    if (finalBreak)
        bytes += ending;
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("f.chnw"), bytes));
    ChannelTable table = FilledRow(1, ValidRow());
    const Outcome<int> result = ReadChannelFile(dir.filePath("f.chnw"), QStringLiteral("tes"), table);
    // Without a final break the empty last line is not there at all.
    if (finalBreak) {
        QVERIFY2(!result.Failure, qPrintable(MessageOf(result.Failure)));
        QCOMPARE(table.Text(1, ColName), QString());
        QCOMPARE(table.Text(1, ColScanAdd), QStringLiteral("On"));
    } else {
        QCOMPARE(result.Failure.value_or(Problem{}).Line, 14);
    }
}

void TestChannelFile::codePage936OffWord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cn.chnw");
    QStringList lines = ChannelTableToLines(FilledRow(1, ValidRow()), 2, QStringLiteral("tes"));
    QByteArray bytes = lines.join("\r\n").toLatin1() + "\r\n";
    bytes.replace("67.0", "\xB9\xD8");   // the decode tone cell
    QVERIFY(WriteAll(path, bytes));
    ChannelTable table;
    QVERIFY(!ReadChannelFile(path, QStringLiteral("tes"), table).Failure);
    QCOMPARE(table.Text(1, ColDecodeTone), QString::fromUtf8("\u5173"));
    QVERIFY(!CheckRowsForWrite(table, FixedBand));
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    QCOMPARE(image[8], std::uint8_t(0xFF));
    QCOMPARE(image[9], std::uint8_t(0xFF));
    // Saved again, the word keeps its two bytes.
    QVERIFY(!WriteChannelFile(path, table, 2, QStringLiteral("tes")).Failure);
    QVERIFY(ReadAll(path).contains("\r\n\xB9\xD8\r\n"));
}

void TestChannelFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const Outcome<int> noFolder = WriteChannelFile(dir.filePath("no/such/folder.chnw"), ChannelTable(), 100, "tes");
    QVERIFY(noFolder.Failure);
    QVERIFY(!noFolder.Failure->What.isEmpty());

    const QString path = dir.filePath("old.chnw");
    QVERIFY(WriteAll(path, "old contents\r\n"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const Outcome<int> result = WriteChannelFile(path, ChannelTable(), 100, QStringLiteral("tes"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!result.Failure)
        QSKIP("this user may write into a read-only folder (root)");
    QCOMPARE(ReadAll(path), QByteArray("old contents\r\n"));
}

void TestChannelFile::missingFile()
{
    ChannelTable table;
    const Outcome<int> result = ReadChannelFile("/no/such/file.chnw", QStringLiteral("tes"), table);
    QVERIFY(result.Failure);
    QCOMPARE(result.Failure->Line, 0);
    QVERIFY(result.Failure->In("/no/such/file.chnw").startsWith("/no/such/file.chnw: "));
}

void TestChannelFile::rowCheck_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");   // empty: the row passes
    QTest::newRow("valid row") << int(ColName) << "CH1" << "";
    QTest::newRow("just above the lower limit") << int(ColRx) << "400.00001" << "";
    QTest::newRow("just below the upper limit") << int(ColTx) << "480.9990" << "";
    QTest::newRow("no TX frequency") << int(ColTx) << "" << "";
    QTest::newRow("no RX frequency") << int(ColRx) << "" << "";
    QTest::newRow("unsnapped but in band") << int(ColRx) << "476.4312" << "";
    QTest::newRow("listed CTCSS") << int(ColEncodeTone) << "254.1" << "";
    QTest::newRow("off in capitals") << int(ColEncodeTone) << "OFF" << "";
    QTest::newRow("flag word in another case") << int(ColPower) << "high"
                                               << "row 7, TX Power: \"high\" is none of High, Low";
    QTest::newRow("another column's flag word") << int(ColOptSignal) << "On"
                                                << "row 7, OptSingal: \"On\" is none of DTMF, Off";
    QTest::newRow("empty flag cell, as default rows leave it") << int(ColUnmute) << "" << "";
    // Tones a radio programmed elsewhere holds: they encode as they read.
    QTest::newRow("unlisted CTCSS 67.3") << int(ColDecodeTone) << "67.3" << "";
    QTest::newRow("unlisted CTCSS 155.1") << int(ColEncodeTone) << "155.1" << "";
    QTest::newRow("inverted DCS") << int(ColDecodeTone) << "D023I" << "";
    QTest::newRow("DCS without polarity") << int(ColDecodeTone) << "D023" << "";
    QTest::newRow("empty tone in a row with a frequency") << int(ColEncodeTone) << "" << "";
    QTest::newRow("lower limit") << int(ColRx) << "400" << "row 7, RX Frequency(MHZ): 400 lies outside 400-480.9995 MHz";
    QTest::newRow("upper limit") << int(ColRx) << "480.9995"
                                 << "row 7, RX Frequency(MHZ): 480.9995 lies outside 400-480.9995 MHz";
    QTest::newRow("below the band") << int(ColTx) << "399.9875"
                                    << "row 7, TX Frequency(MHZ): 399.9875 lies outside 400-480.9995 MHz";
    QTest::newRow("four integer digits") << int(ColRx) << "1476.42500"
                                         << "row 7, RX Frequency(MHZ): 1476.42500 lies outside 400-480.9995 MHz";
    QTest::newRow("far beyond the radio's digits") << int(ColRx) << "47647676250"
                                                   << "row 7, RX Frequency(MHZ): 47647676250 lies outside 400-480.9995 MHz";
    QTest::newRow("not a number") << int(ColRx) << "476,425"
                                  << "row 7, RX Frequency(MHZ): \"476,425\" is not a frequency in MHz";
    const QString notATone = "\" is not Off, a CTCSS tone (0.0 to 1023.9 Hz, one decimal) or a DCS code "
                             "(D, three octal digits, N or I)";
    QTest::newRow("DCS with digit 9") << int(ColEncodeTone) << "D029N" << "row 7, CTCSS/DCS Enc: \"D029N" + notATone;
    QTest::newRow("CTCSS finer than the code") << int(ColDecodeTone) << "67.25"
                                               << "row 7, CTCSS/DCS Dec: \"67.25" + notATone;
    QTest::newRow("CTCSS beyond the code") << int(ColDecodeTone) << "1100.0"
                                           << "row 7, CTCSS/DCS Dec: \"1100.0" + notATone;
    // Messages quote an excerpt: 40 characters, control characters escaped.
    QTest::newRow("huge tone cell") << int(ColEncodeTone) << QString(1 << 20, u'x')
                                    << "row 7, CTCSS/DCS Enc: \"" + QString(40, u'x') + "..." + notATone;
    QTest::newRow("NUL in a frequency") << int(ColRx) << "47" + QString(QChar(0)) + "6.4\r\n"
                                        << "row 7, RX Frequency(MHZ): \"47\\x006.4\\r\\n\" is not a frequency in MHz";
}

void TestChannelFile::rowCheck()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ChannelTable table = FilledRow(7, ValidRow());
    table.SetText(7, column, text);
    // An empty slot passes whatever else it holds.
    table.SetText(120, ColDecodeTone, QStringLiteral("nonsense"));
    const std::optional<Problem> result = CheckRowsForWrite(table, FixedBand);
    QCOMPARE(!result, message.isEmpty());
    QCOMPARE(MessageOf(result), message);
    if (result) {
        QCOMPARE(result->Row, 7);
        QCOMPARE(result->Column, column);
    }
}

void TestChannelFile::rowCheckNamesFirstBadCell()
{
    ChannelTable table;
    QRandomGenerator random(9);
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        table.SetRowTexts(row, RandomChannelTexts(random));
    QVERIFY(!CheckRowsForWrite(table, FixedBand));
    table.SetText(128, ColRx, QStringLiteral("500"));   // a row the grid does not show: no band
    table.SetText(128, ColDecodeTone, QStringLiteral("x"));
    QCOMPARE(CheckRowsForWrite(table, FixedBand).value_or(Problem{}).Row, 128);
    QCOMPARE(CheckRowsForWrite(table, FixedBand).value_or(Problem{}).Column, int(ColDecodeTone));
    table.SetText(40, ColEncodeTone, QStringLiteral("x"));
    QCOMPARE(CheckRowsForWrite(table, FixedBand).value_or(Problem{}).Row, 40);
}

void TestChannelFile::rowCheckSecondBand()
{
    const BandLimits two{400, 420, 450, 470};
    ChannelTable table = FilledRow(1, ValidRow());
    table.SetText(1, ColTx, QStringLiteral("460.00000"));
    table.SetText(1, ColRx, QStringLiteral("410.00000"));
    QVERIFY(!CheckRowsForWrite(table, two));
    table.SetText(1, ColRx, QStringLiteral("430.00000"));
    QCOMPARE(MessageOf(CheckRowsForWrite(table, two)),
             QStringLiteral("row 1, RX Frequency(MHZ): 430.00000 lies outside 400-420 or 450-470 MHz"));
}

// Rows 100..128 are the radio's own: any frequency the radio can hold passes,
// the band is checked in the rows the grid shows.
void TestChannelFile::rowCheckHiddenRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");   // empty: the table passes
    QTest::newRow("out of band in slot 110") << 110 << int(ColRx) << "500.00000" << "";
    QTest::newRow("zero in slot 100") << 100 << int(ColTx) << "000.00000" << "";
    QTest::newRow("highest in slot 128") << 128 << int(ColRx) << "999.99999" << "";
    QTest::newRow("out of band in slot 99") << 99 << int(ColRx) << "500.00000"
                                           << "row 99, RX Frequency(MHZ): 500.00000 lies outside 400-480.9995 MHz";
    QTest::newRow("beyond eight digits in slot 110") << 110 << int(ColRx) << "1476.42500"
                                                    << "row 110, RX Frequency(MHZ): 1476.42500 does not fit the radio "
                                                       "(below 1000 MHz)";
    QTest::newRow("not a number in slot 120") << 120 << int(ColTx) << "4x"
                                             << "row 120, TX Frequency(MHZ): \"4x\" is not a frequency in MHz";
    QTest::newRow("flag word in slot 120") << 120 << int(ColScanAdd) << "Yes"
                                          << "row 120, ScanningAdd: \"Yes\" is none of On, Off";
    QTest::newRow("bad tone in slot 128") << 128 << int(ColDecodeTone) << "D08N"
                                         << "row 128, CTCSS/DCS Dec: \"D08N\" is not Off, a CTCSS tone (0.0 to 1023.9 "
                                            "Hz, one decimal) or a DCS code (D, three octal digits, N or I)";
}

void TestChannelFile::rowCheckHiddenRows()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ChannelTable table = FilledRow(row, ValidRow());
    table.SetText(row, column, text);
    const std::optional<Problem> result = CheckRowsForWrite(table, FixedBand);
    QCOMPARE(MessageOf(result), message);
    QCOMPARE(!result, message.isEmpty());
}

// Files larger than any file of their kind are refused before they are read.
void TestChannelFile::fileLimits()
{
    QTemporaryDir dir;
    const QByteArray good = ChannelTableToLines(FilledRow(1, ValidRow()), 100, QStringLiteral("tes"))
                                .join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    // Lines after the last cell are ignored: a file of exactly the limit loads.
    const QByteArray padded = good + QByteArray(MaxChannelFileBytes - good.size(), '\n');
    QVERIFY(WriteAll(dir.filePath("limit.chnw"), padded));
    ChannelTable table;
    QVERIFY(!ReadChannelFile(dir.filePath("limit.chnw"), QStringLiteral("tes"), table).Failure);
    QCOMPARE(table.Text(1, ColName), QStringLiteral("CH1"));

    QVERIFY(WriteAll(dir.filePath("large.chnw"), padded + '\n'));
    ChannelTable untouched = FilledRow(3, ValidRow());
    const Outcome<int> large = ReadChannelFile(dir.filePath("large.chnw"), QStringLiteral("tes"), untouched);
    QVERIFY(large.Failure);
    QCOMPARE(large.Failure->In("large.chnw"),
             QStringLiteral("large.chnw: is larger than 1048576 bytes, more than a file of this kind can hold"));
    QVERIFY(untouched == FilledRow(3, ValidRow()));

    // The default channel file has the same bound.
    QStringList lines;
    QVERIFY(ReadTextFileLines(dir.filePath("limit.chnw"), lines));
    QVERIFY(!ReadTextFileLines(dir.filePath("large.chnw"), lines));
}

void TestChannelFile::outputMustBeARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder") << "folder" << "is a folder, not a file";
#ifdef Q_OS_UNIX
    QTest::newRow("pipe") << "pipe" << "is not a regular file (a device or a pipe); choose a file";
#endif
}

void TestChannelFile::outputMustBeARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("out");
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    const Outcome<int> result = WriteChannelFile(path, ChannelTable(), 100, QStringLiteral("tes"));
    QVERIFY(result.Failure);
    QCOMPARE(MessageOf(result.Failure), message);
    const QFileInfo after(path);
    QVERIFY(after.exists() && !after.isFile());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{"out"});
}

// Every tone mode and every Duplex case: the row exports as the line, and
// the line imports as the row.
void TestChannelFile::csvBothWays_data()
{
    QTest::addColumn<ChannelTexts>("row");
    QTest::addColumn<QString>("line");
    const QString f = QStringLiteral("476.42500");
    const QString defaults = QStringLiteral("88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("TX = RX, no tones") << GridRow(f, f, "Off", "Off") << Line85(",0.000000,," + defaults);
    QTest::newRow("TX above") << GridRow(f, "477.42500", "Off", "Off") << Line85("+,1.000000,," + defaults);
    QTest::newRow("TX below") << GridRow(f, "471.42500", "Off", "Off") << Line85("-,5.000000,," + defaults);
    QTest::newRow("no TX") << GridRow(f, "", "Off", "Off") << Line85("off,0.000000,," + defaults);
    QTest::newRow("Tone") << GridRow(f, f, "Off", "67.0") << Line85(",0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("TSQL") << GridRow(f, f, "100.0", "100.0")
                          << Line85(",0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone");
    QTest::newRow("DTCS NN, the code in both code columns") << GridRow(f, f, "D754N", "D754N")
                                                            << Line85(",0.000000,DTCS,88.5,88.5,754,NN,754,Tone->Tone");
    QTest::newRow("DTCS RR") << GridRow(f, f, "D754I", "D754I")
                             << Line85(",0.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone");
    QTest::newRow("Tone->Tone") << GridRow(f, f, "100.0", "67.0")
                                << Line85(",0.000000,Cross,67.0,100.0,023,NN,023,Tone->Tone");
    QTest::newRow("->Tone") << GridRow(f, f, "100.0", "Off") << Line85(",0.000000,Cross,88.5,100.0,023,NN,023,->Tone");
    QTest::newRow("DTCS->") << GridRow(f, f, "Off", "D754I") << Line85(",0.000000,Cross,88.5,88.5,754,RN,023,DTCS->");
    QTest::newRow("->DTCS") << GridRow(f, f, "D131I", "Off") << Line85(",0.000000,Cross,88.5,88.5,023,NR,131,->DTCS");
    QTest::newRow("Tone->DTCS") << GridRow(f, f, "D131N", "67.0")
                                << Line85(",0.000000,Cross,67.0,88.5,023,NN,131,Tone->DTCS");
    QTest::newRow("DTCS->Tone") << GridRow(f, f, "100.0", "D754N")
                                << Line85(",0.000000,Cross,88.5,100.0,754,NN,023,DTCS->Tone");
    QTest::newRow("DTCS->DTCS") << GridRow(f, f, "D131I", "D754N")
                                << Line85(",0.000000,Cross,88.5,88.5,754,NR,131,DTCS->DTCS");
    QTest::newRow("DTCS->DTCS, polarity alone differs") << GridRow(f, f, "D023I", "D023N")
                                << Line85(",0.000000,Cross,88.5,88.5,023,NR,023,DTCS->DTCS");
    QTest::newRow("narrow, low, not scanned") << GridRow(f, f, "Off", "Off", "Low", "12.5K", "Off")
                                              << Line85(",0.000000,," + defaults, "NFM,5.00,S,1.0W");
}

void TestChannelFile::csvBothWays()
{
    QFETCH(ChannelTexts, row);
    QFETCH(QString, line);
    ChannelTable table;
    table.SetRowTexts(85, row);
    const CsvExport csv = ChannelTableToCsv(table, FixedBand);
    QVERIFY2(!csv.Failure, qPrintable(MessageOf(csv.Failure)));
    QCOMPARE(csv.Text, CsvHeader + line + "\r\n");
    QCOMPARE(csv.Notice(), QString());

    const CsvImport imported = Import(CsvHeader + line, ChannelTable());
    QCOMPARE(Report(imported), QStringList{"line 2: row 85, placed"});
    QCOMPARE(imported.Table.RowTexts(85), row);
}

// A repeater row with its Repeater column On sends on the repeater input;
// tones outside the standard lists are written and counted.
void TestChannelFile::csvExportRepeaterAndUnlistedTones()
{
    ChannelTable table = DefaultChannelTable();
    ChannelTexts repeater = Unnamed("476.4250", "476.4250", "Off", "0.0", "High", "12.5K");
    TextOf(repeater, ColRepeater) = QStringLiteral("On");
    table.SetRowTexts(1, repeater);
    table.SetRowTexts(85, GridRow("476.42500", "476.42500", "155.1", "67.0"));
    const CsvExport csv = ChannelTableToCsv(table, FixedBand);
    QVERIFY2(!csv.Failure, qPrintable(MessageOf(csv.Failure)));
    QVERIFY(csv.Text.contains("\r\n1,,476.425000,+,0.750000,Tone,0.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,,5.0W,"));
    QCOMPARE(csv.UnlistedTones, 2);
    QVERIFY(csv.Notice().startsWith("2 of 78 lines carry a tone outside the 50 standard CTCSS tones"));
    // And back: the line takes row 1 with its Repeater column On.
    const CsvImport back = Import(csv.Text, DefaultChannelTable());
    QCOMPARE(back.NotPlaced + back.Changed, 0);
    QCOMPARE(back.Table.RowTexts(1), repeater);
}

// Each kind of line and each reason a line is not placed, on the default
// channels (rows 1..80 fixed, 61..63 without frequency).
void TestChannelFile::csvImport_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("from");            // 0: at their Location, else from that row (below 0: replacing)
    QTest::addColumn<QStringList>("report");  // each line described
    QTest::addColumn<int>("row");
    QTest::addColumn<ChannelTexts>("texts");  // what the row then holds
    const QString f = QStringLiteral("476.42500");
    const ChannelTable defaults = DefaultChannelTable();
    const auto with = [](ChannelTexts texts, int column, const QString& text) {
        TextOf(texts, column) = text;
        return texts;
    };
    const QString tones = QStringLiteral("(CTCSS 0.0 to 1023.9 Hz in steps of 0.1 Hz, DCS codes of octal digits)");
    QTest::newRow("a free row") << ShortCsv({"90,AB,476.425,,0,,,,,,,,FM,5.0W"}) << 0
                                << QStringList{"line 2: row 90, placed"} << 90 << GridRow(f, f, "Off", "Off", "High",
                                                                                         "25K", "On", "AB");
    QTest::newRow("changed: name and raster")
        << ShortCsv({"92,Rpt-1 North,476.4312,,0,,,,,,,,NFM,1.5W"}) << 0
        << QStringList{"line 2: row 92, changed: name \"Rpt-1 North\" becomes \"RPT1NO\"; "
                       "476.4312 MHz moved to 476.43125 MHz"}
        << 92 << GridRow("476.43125", "476.43125", "Off", "Off", "Low", "12.5K", "On", "RPT1NO");
    QTest::newRow("a fixed row, its own frequency") << ShortCsv({"5,,476.525,,0,Tone,67.0,,,,,,FM,50W"}) << 0
                                                    << QStringList{"line 2: row 5, placed; replaces 476.5250"} << 5
                                                    << Unnamed("476.5250", "476.5250", "Off", "67.0");
    QTest::newRow("a fixed row, another frequency")
        << ShortCsv({"5,,444.55,+,5,Tone,141.3,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: 444.550 MHz cannot go to row 5, which holds the fixed 476.525 MHz"}
        << 5 << defaults.RowTexts(5);
    QTest::newRow("a fixed row, receive only") << ShortCsv({"31,,477.175,off,0,,,,,,,,FM,5W"}) << 0
                                               << QStringList{"line 2: row 31, placed; replaces 477.1750"} << 31
                                               << Unnamed("477.1750", "", "Off", "Off");
    QTest::newRow("a fixed row, its repeater input")
        << ShortCsv({"1,,476.425,+,0.75,TSQL,,100.0,,,,,NFM,1W"}) << 0
        << QStringList{"line 2: row 1, placed; Repeater On (sends on the input 477.175 MHz); replaces 476.4250"} << 1
        << with(Unnamed("476.4250", "476.4250", "100.0", "100.0", "Low", "12.5K"), ColRepeater, "On");
    QTest::newRow("a fixed row, another TX")
        << ShortCsv({"1,,476.425,-,5,,,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: TX 471.425 MHz cannot go to row 1, which sends on the fixed "
                       "476.425 MHz or its repeater input 477.175 MHz"}
        << 1 << defaults.RowTexts(1);
    QTest::newRow("a fixed row without frequency")
        << ShortCsv({"62,,476.425,,0,,,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: 476.425 MHz cannot go to row 62, which holds no fixed frequency"}
        << 62 << ChannelTexts();
    QTest::newRow("Locations the radio has not")
        << ShortCsv({"0,,470,,0,,,,,,,,FM,5W", "100,,470,,0,,,,,,,,FM,5W", "x,,470,,0,,,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: Location 0 is no row of this radio (1 to 99)",
                       "line 3: not placed: Location 100 is no row of this radio (1 to 99)",
                       "line 4: not placed: Location x is no row of this radio (1 to 99)"}
        << 0 << ChannelTexts();
    QTest::newRow("two lines for one row")
        << ShortCsv({"90,A,470,,0,,,,,,,,FM,5W", "90,B,471,,0,,,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: row 90, placed", "line 3: not placed: row 90 holds line 2 already"} << 90
        << GridRow("470.00000", "470.00000", "Off", "Off", "High", "25K", "On", "A");
    QTest::newRow("out of band")
        << ShortCsv({"90,,146.52,,0,,,,,,,,FM,5W", "91,,476.425,+,10,,,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: 146.520 MHz lies outside 400-480.9995 MHz",
                       "line 3: not placed: TX 486.425 MHz lies outside 400-480.9995 MHz"}
        << 90 << ChannelTexts();
    QTest::newRow("modes") << ShortCsv({"90,,470,,0,,,,,,,,AM,5W", "91,,470,,0,,,,,,,,DV,5W"}) << 0
                           << QStringList{"line 2: not placed: Mode AM: this radio has FM and NFM only",
                                          "line 3: not placed: Mode DV: this radio has FM and NFM only"}
                           << 0 << ChannelTexts();
    QTest::newRow("reverse squelch")
        << ShortCsv({"90,,470,,0,TSQL-R,71.9,,,,,,FM,5W", "91,,470,,0,DTCS-R,,,131,NR,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: Tone TSQL-R is reverse squelch, which this radio does not have",
                       "line 3: not placed: Tone DTCS-R is reverse squelch, which this radio does not have"}
        << 0 << ChannelTexts();
    QTest::newRow("tones the radio cannot use")
        << ShortCsv({"90,,470,,0,DTCS,,,029,NN,,,FM,5W", "91,,470,,0,Tone,67.05,,,,,,FM,5W"}) << 0
        << QStringList{"line 2: not placed: tone D029N is none the radio can use " + tones,
                       "line 3: not placed: tone 67.05 is none the radio can use " + tones}
        << 0 << ChannelTexts();
    QTest::newRow("fields that cannot be read")
        << ShortCsv({"90,,4x0,,0,,,,,,,,FM,5W", "91,,470,x,0,,,,,,,,FM,5W", "92,,470,-,471,,,,,,,,FM,5W",
                     "93,,470,,0,DCS,,,,,,,FM,5W", "94,,470,,0,Cross,,,,,,DCS->Tone,FM,5W",
                     "95,,470,,0,DTCS,,,023,NI,,,FM,5W", "96,,470,,0,,,,,,,,FM"}) << 0
        << QStringList{"line 2: not placed: Frequency \"4x0\" is not a frequency in MHz",
                       "line 3: not placed: Duplex \"x\" is none of \"\", +, -, split, off",
                       "line 4: not placed: Offset \"471\" gives no TX frequency",
                       "line 5: not placed: Tone \"DCS\" is none of Tone, TSQL, DTCS, Cross",
                       "line 6: not placed: CrossMode \"DCS->Tone\" is not a cross mode",
                       "line 7: not placed: DtcsPolarity \"NI\" is not two letters N or R",
                       "line 8: not placed: 13 fields, the header has 14"}
        << 0 << ChannelTexts();
    // Lists that end every line with a comma, as CHIRP reads them.
    QTest::newRow("empty fields past the header")
        << ShortCsv({"90,AB,476.425,,0,,,,,,,,FM,5.0W,", "91,,470,,0,,,,,,,,FM,5W,, ,"}) << 0
        << QStringList{"line 2: row 90, placed", "line 3: row 91, placed"} << 90
        << GridRow(f, f, "Off", "Off", "High", "25K", "On", "AB");
    QTest::newRow("text past the header")
        << ShortCsv({"90,,476.425,,0,,,,,,,,FM,5W,x,,y", "91,Rpt-1,470,,0,,,,,,,,FM,5W,x",
                     "92,,4x0,,0,,,,,,,,FM,5W,x"}) << 0
        << QStringList{"line 2: row 90, changed: 2 fields past the header ignored",
                       "line 3: row 91, changed: name \"Rpt-1\" becomes \"RPT1\"; 1 field past the header ignored",
                       "line 4: not placed: Frequency \"4x0\" is not a frequency in MHz"}
        << 90 << Unnamed(f, f, "Off", "Off");
    QTest::newRow("split") << ShortCsv({"90,,476.425,split,470,,,,,,,,FM,5W"}) << 0
                           << QStringList{"line 2: row 90, placed"} << 90 << Unnamed(f, "470.00000", "Off", "Off");
    QTest::newRow("comments, no Mode column, one tone column")
        << "# saved by CHIRP\r\nLocation,Frequency,Tone,rToneFreq\r\n# more\r\n90,476.425,TSQL,141.3\r\n" << 0
        << QStringList{"line 4: row 90, placed"} << 90 << Unnamed(f, f, "141.3", "141.3");
    QTest::newRow("from row 81: a list numbered from 0")
        << ShortCsv({"0,A,470,,0,,,,,,,,FM,5W", "1,B,471,,0,,,,,,,,FM,5W"}) << 81
        << QStringList{"line 2: row 81, placed", "line 3: row 82, placed"} << 82
        << GridRow("471.00000", "471.00000", "Off", "Off", "High", "25K", "On", "B");
    QTest::newRow("from row 1: only free rows take lines")
        << ShortCsv({"1,,476.45,,0,,,,,,,,FM,5W", "2,,476.425,,0,,,,,,,,FM,5W"}) << 1
        << QStringList{"line 2: row 81, placed", "line 3: row 82, placed"} << 82 << Unnamed(f, f, "Off", "Off");
    QTest::newRow("from row 1, replacing: rows that cannot take a line are skipped")
        << ShortCsv({"1,,476.45,,0,,,,,,,,FM,5W", "2,,476.425,,0,,,,,,,,FM,5W"}) << -1
        << QStringList{"line 2: row 2, placed; replaces 476.4500", "line 3: row 81, placed"} << 81
        << Unnamed(f, f, "Off", "Off");
    QTest::newRow("from row 99: nothing beyond it")
        << ShortCsv({"1,,470,,0,,,,,,,,FM,5W", "2,,471,,0,,,,,,,,FM,5W"}) << 99
        << QStringList{"line 2: row 99, placed", "line 3: not placed: no row left after row 99"} << 99
        << Unnamed("470.00000", "470.00000", "Off", "Off");
}

void TestChannelFile::csvImport()
{
    QFETCH(QString, csv);
    QFETCH(int, from);
    QFETCH(QStringList, report);
    QFETCH(int, row);
    QFETCH(ChannelTexts, texts);
    const CsvImport result =
        Import(csv, DefaultChannelTable(), from != 0 ? CsvPlacement{false, std::abs(from), from < 0} : CsvPlacement{});
    QCOMPARE(Report(result), report);
    if (row > 0)
        QCOMPARE(result.Table.RowTexts(row), texts);
}

// A file that is no such CSV at all is refused whole, naming the line.
void TestChannelFile::csvImportRefusals_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "line 1: no header line with Location and Frequency columns";
    QTest::newRow("no Location") << "Name,Frequency\r\nA,470\r\n"
                                 << "line 1: no header line with Location and Frequency columns";
    QTest::newRow("a quote never closed") << ShortCsv({"90,\"AB,470", "91,,470"}) << "line 2: a quote is never closed";
    QTest::newRow("not text") << "Location,Frequency\r\n90,470\r\n91,4" + QString(QChar(0)) + "7\r\n"
                              << "line 3: holds a control character: this is no text file";
    QTest::newRow("no channel lines") << "# x\r\nLocation,Frequency\r\n\r\n# y\r\n"
                                      << "line 2: no channel lines after the header";
}

void TestChannelFile::csvImportRefusals()
{
    QFETCH(QString, csv);
    QFETCH(QString, message);
    const CsvFile file = ReadCsvChannels(csv, FixedBand);
    QVERIFY(file.Failure);
    QCOMPARE(MessageOf(file.Failure), message);
}

void TestChannelFile::csvExportRefusals()
{
    ChannelTable table;
    table.SetRowTexts(7, GridRow("476.42500", "476.42500", "Off", "D029N"));
    table.SetRowTexts(120, GridRow("", "", "x", "y"));   // beyond the rows CSV carries
    CsvExport csv = ChannelTableToCsv(table, FixedBand);
    QVERIFY(csv.Failure);
    QCOMPARE(csv.Failure->Row, 7);
    QCOMPARE(csv.Failure->Column, int(ColEncodeTone));
    QVERIFY(csv.Text.isEmpty());
    table.SetRowTexts(7, GridRow("", "476.42500", "Off", "Off"));
    csv = ChannelTableToCsv(table, FixedBand);
    QCOMPARE(MessageOf(csv.Failure), QStringLiteral("row 7, RX Frequency(MHZ): a channel that only transmits has no CSV line"));
}

// What the layout carries comes back; the rest is what a started row gets.
void TestChannelFile::csvRoundTrip()
{
    QRandomGenerator random(31);
    const ChannelTable original = RasterTable(random);
    const CsvExport csv = ChannelTableToCsv(original, FixedBand);
    QVERIFY2(!csv.Failure, qPrintable(MessageOf(csv.Failure)));
    // Fixed rows take only their own frequencies: the base holds them.
    ChannelTable base;
    for (int row = 1; row <= 80; ++row)
        for (int column : {ColRx, ColTx})
            base.SetText(row, column, original.Text(row, column));
    const CsvImport result = Import(csv.Text, base);
    QCOMPARE(result.Placed, csv.Channels);
    QCOMPARE(result.Changed + result.NotPlaced, 0);
    for (int row = 1; row <= 99; ++row) {
        for (int column : {ColRx, ColTx, ColDecodeTone, ColEncodeTone, ColPower, ColBandwidth, ColScanAdd, ColName})
            QCOMPARE(result.Table.Text(row, column), original.Text(row, column));
    }
}

// CHIRP's own CSV reader and writer as test equipment: it loads our export
// without a complaint and reads the same fields; its save of that imports
// back to the same export; and a list it wrote from its own channels
// imports to what those channels mean.
void TestChannelFile::chirpReadsAndWrites()
{
    const QString chirp = QDir(QStringLiteral(FANE5_SOURCE_DIR)).filePath(QStringLiteral("../shared/chirp/chirp-csv"));
    if (!QFileInfo(chirp).isExecutable())
        QSKIP(qPrintable(chirp + " is not there: CHIRP's CSV reader is needed for this test"));
    ChannelTable table = DefaultChannelTable();
    // Every tone mode (decode, encode), each with TX = RX, above and below;
    // then receive-only rows; High and Low, FM and NFM, scanned or not.
    const std::pair<QString, QString> tones[] = {
        {"Off", "Off"}, {"Off", "67.0"}, {"100.0", "100.0"}, {"D754N", "D754N"}, {"D131I", "D131I"},
        {"100.0", "67.0"}, {"100.0", "Off"}, {"Off", "D754I"}, {"D131I", "Off"}, {"D131N", "67.0"},
        {"100.0", "D754N"}, {"D131I", "D754N"}, {"Off", "Off"}, {"100.0", "Off"}, {"D023I", "Off"}};
    const QString txs[] = {"476.42500", "477.42500", "471.42500"};
    int row = 81;
    for (const auto& [dec, enc] : tones) {
        const QString tx = row < 93 ? txs[row % 3] : QString();
        table.SetRowTexts(row, GridRow("476.42500", tx, dec, enc, row % 2 ? "High" : "Low", row % 3 ? "25K" : "12.5K",
                                       row % 5 ? "On" : "Off", QStringLiteral("CH%1").arg(row)));
        ++row;
    }
    table.SetText(1, ColRepeater, QStringLiteral("On"));
    const CsvExport ours = ChannelTableToCsv(table, FixedBand);
    QVERIFY2(!ours.Failure, qPrintable(MessageOf(ours.Failure)));
    QTemporaryDir dir;
    const QString oursPath = dir.filePath("ours.csv"), savedPath = dir.filePath("saved.csv");
    QVERIFY(!WriteCsvFile(oursPath, ours.Text));

    const QList<QJsonObject> loaded = ChirpLoad(chirp, oursPath);
    QCOMPARE(loaded.size(), ours.Channels + 1);
    QCOMPARE(loaded.last().value("complaints").toArray(), QJsonArray());
    const std::vector<DelimitedLine> lines = SplitDelimited(ours.Text, u',');
    for (int i = 0; i < ours.Channels; ++i)
        QCOMPARE(ChirpFields(loaded.at(i)), lines.at(i + 1).Fields.mid(0, CsvComment));

    QCOMPARE(RunChirp(chirp, {"save", oursPath, savedPath}), 0);
    Outcome<QString> saved = ReadCsvFile(savedPath);
    QVERIFY(!saved.Failure);
    const CsvImport back = Import(saved.Value, table);
    QCOMPARE(back.Placed, ours.Channels);
    QCOMPARE(ChannelTableToCsv(back.Table, FixedBand).Text.split("\r\n"), ours.Text.split("\r\n"));

    // CHIRP's own channels: numbered from 0, no Mode column, one tone column.
    QVERIFY(!WriteCsvFile(oursPath, QStringLiteral(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Power\r\n"
        "0,SIMPL,446.00625,,0,,88.5,5.0W\r\n"
        "1,RPT,444.55,+,5,Tone,141.3,1.0W\r\n"
        "2,SQL,440.0,split,445.0,TSQL,100.0,50W\r\n"
        "3,LISTEN,441.0,off,0,,88.5,0.5W\r\n")));
    QCOMPARE(RunChirp(chirp, {"save", oursPath, savedPath}), 0);
    saved = ReadCsvFile(savedPath);
    QVERIFY(!saved.Failure);
    const CsvImport theirs = Import(saved.Value, ChannelTable(), {false, 81});
    QCOMPARE(Report(theirs), (QStringList{"line 2: row 81, placed", "line 3: row 82, placed", "line 4: row 83, placed",
                                          "line 5: row 84, placed"}));
    QCOMPARE(theirs.Table.RowTexts(81), GridRow("446.00625", "446.00625", "Off", "Off", "High", "25K", "On", "SIMPL"));
    QCOMPARE(theirs.Table.RowTexts(82), GridRow("444.55000", "449.55000", "Off", "141.3", "Low", "25K", "On", "RPT"));
    QCOMPARE(theirs.Table.RowTexts(83), GridRow("440.00000", "445.00000", "100.0", "100.0", "High", "25K", "On", "SQL"));
    QCOMPARE(theirs.Table.RowTexts(84), GridRow("441.00000", "", "Off", "Off", "Low", "25K", "On", "LISTEN"));
}

void TestChannelFile::clipboardPaste_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");   // how the message starts; empty: pasted
    const QString header = QStringLiteral("RX Frequency(MHZ)\tTX Frequency(MHZ)\tCTCSS/DCS Dec\tCTCSS/DCS Enc\t"
                                          "TX Power\tW/N\tBusy Lock\tOptSingal\tSPUnmute\tRepeater\tScanningAdd\t"
                                          "CH-Name\r\n");
    const QString rows = QStringLiteral("476.425\t476.425\t67\toff\tlow\t12.5k\ton\tDTMF\tqt+dtmf\ton\toff\tab\t\r\n"
                                        "477.1\t\t\t\t\t\t\t\t\t\t\t\r\n");
    QTest::newRow("spreadsheet rows with header") << header + rows << "";
    QTest::newRow("without header, LF") << QString(rows).replace("\r\n", "\n") << "";
    QTest::newRow("bad cell") << header + rows + "476.4\t\t\t\tmedium\r\n"
                              << "line 4: row 92, TX Power: \"medium\" is not one of High, Low";
    QTest::newRow("bad tone") << rows + "476.4\t\t1100\r\n"
                              << "line 3: row 92, CTCSS/DCS Dec: \"1100\"";
    QTest::newRow("more rows than room") << rows + rows + rows + rows + rows
                                         << "1 of the 10 rows does not fit: from row 90 down there is room for 9";
    QTest::newRow("thirteen cells") << "476.4\t\t\t\t\t\t\t\t\t\t\t\tx" << "line 1: 13 cells; a row has 12";
}

void TestChannelFile::clipboardPaste()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    ChannelTable table;
    table.SetRowTexts(91, GridRow("470.00000", "470.00000", "Off", "Off"));
    const ChannelTable before = table;
    const Outcome<int> result = PasteClipboardText(text, 90, 98, FixedBand, table);
    QVERIFY2(message.isEmpty() ? !result.Failure : MessageOf(result.Failure).startsWith(message),
             qPrintable(MessageOf(result.Failure)));
    if (!message.isEmpty()) {
        QVERIFY(table == before);
        return;
    }
    QCOMPARE(result.Value, 2);
    // Typed as a user would: list items, snapped frequencies, a typable name;
    // row 90 is no repeater row, so its repeater cell is not pasted.
    ChannelTexts first = GridRow("476.42500", "476.42500", "67.0", "Off", "Low", "12.5K", "Off", "AB");
    TextOf(first, ColBusyLock) = QStringLiteral("On");
    TextOf(first, ColOptSignal) = QStringLiteral("DTMF");
    TextOf(first, ColUnmute) = QStringLiteral("QT+DTMF");
    QCOMPARE(table.RowTexts(90), first);
    // Empty cells: no TX, encode tone Off, the rest as a started row.
    QCOMPARE(table.RowTexts(91), GridRow("477.10000", "", "Off", "Off", "High", "25K", "On", ""));
    // Copied and pasted again, the rows stay as they are.
    ChannelTable again = table;
    QVERIFY(!PasteClipboardText(RowsAsClipboardText(table, {90, 91}), 95, 98, FixedBand, again).Failure);
    QCOMPARE(again.RowTexts(95), table.RowTexts(90));
    QCOMPARE(again.RowTexts(96), table.RowTexts(91));
}

QTEST_GUILESS_MAIN(TestChannelFile)
#include "tst_channelfile.moc"
