// Channel file lines <-> table (all or nothing), whole files on disk, the
// check of every row before a write, and the exchange formats: CSV files
// and clipboard text.
#include "RandomChannels.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelFile.h"
#include "channels/FrequencyCodec.h"
#include "channels/GridRules.h"
#include "channels/RowCheck.h"
#include "channels/ToneList.h"
#include <QtTest>
#include <sys/stat.h>

namespace {

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
QString Line85(const QString& middle, const QString& tail = "FM,5.00,,High")
{
    return QStringLiteral("85,CH1,476.425000,%1,%2,,,,,").arg(middle, tail);
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
    void csvExportRefusals();
    void csvRoundTrip();
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
    const ChannelFileResult result =
        ChannelTableFromLines(ChannelTableToLines(table, rowCount, QStringLiteral("tes")), QStringLiteral("tes"), loaded);
    QVERIFY2(result.Ok, qPrintable(result.Message));
    QCOMPARE(result.RowCount, rowCount);
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
    QVERIFY(ChannelTableFromLines(lines, QStringLiteral("tes"), table).Ok);
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
    const ChannelFileResult result = ChannelTableFromLines(lines, QStringLiteral("tes"), table);
    QVERIFY(!result.Ok);
    QCOMPARE(result.Line, line);
    QCOMPARE(result.Message, message);
    QCOMPARE(result.Describe("a.chnw"), QStringLiteral("a.chnw: line %1: %2").arg(line).arg(message));
    QVERIFY(table == before);
}

void TestChannelFile::fileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("all.chnw");
    QRandomGenerator random(5);
    const ChannelTable table = RandomChannelTable(random);
    QVERIFY(WriteChannelFile(path, table, 129, QStringLiteral("tes")).Ok);
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("tes\r\n129\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 2 + 12 * 128);
    ChannelTable loaded;
    const ChannelFileResult result = ReadChannelFile(path, QStringLiteral("tes"), loaded);
    QVERIFY(result.Ok);
    QCOMPARE(result.RowCount, 129);
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
    const ChannelFileResult result = ReadChannelFile(dir.filePath("f.chnw"), QStringLiteral("tes"), table);
    // Without a final break the empty last line is not there at all.
    if (finalBreak) {
        QVERIFY2(result.Ok, qPrintable(result.Message));
        QCOMPARE(table.Text(1, ColName), QString());
        QCOMPARE(table.Text(1, ColScanAdd), QStringLiteral("On"));
    } else {
        QCOMPARE(result.Line, 14);
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
    QVERIFY(ReadChannelFile(path, QStringLiteral("tes"), table).Ok);
    QCOMPARE(table.Text(1, ColDecodeTone), QString::fromUtf8("\u5173"));
    QVERIFY(CheckRowsForWrite(table, FixedBand).Ok);
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    QCOMPARE(image[8], std::uint8_t(0xFF));
    QCOMPARE(image[9], std::uint8_t(0xFF));
    // Saved again, the word keeps its two bytes.
    QVERIFY(WriteChannelFile(path, table, 2, QStringLiteral("tes")).Ok);
    QVERIFY(ReadAll(path).contains("\r\n\xB9\xD8\r\n"));
}

void TestChannelFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const ChannelFileResult noFolder = WriteChannelFile(dir.filePath("no/such/folder.chnw"), ChannelTable(), 100, "tes");
    QVERIFY(!noFolder.Ok);
    QVERIFY(!noFolder.Message.isEmpty());

    const QString path = dir.filePath("old.chnw");
    QVERIFY(WriteAll(path, "old contents\r\n"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const ChannelFileResult result = WriteChannelFile(path, ChannelTable(), 100, QStringLiteral("tes"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result.Ok)
        QSKIP("this user may write into a read-only folder (root)");
    QCOMPARE(ReadAll(path), QByteArray("old contents\r\n"));
}

void TestChannelFile::missingFile()
{
    ChannelTable table;
    const ChannelFileResult result = ReadChannelFile("/no/such/file.chnw", QStringLiteral("tes"), table);
    QVERIFY(!result.Ok);
    QCOMPARE(result.Line, 0);
    QVERIFY(result.Describe("/no/such/file.chnw").startsWith("/no/such/file.chnw: "));
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
    QTest::newRow("flag words are not checked") << int(ColPower) << "high" << "";
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
    const RowCheckResult result = CheckRowsForWrite(table, FixedBand);
    QCOMPARE(result.Ok, message.isEmpty());
    QCOMPARE(result.Message, message);
    if (!result.Ok) {
        QCOMPARE(result.Row, 7);
        QCOMPARE(result.Column, column);
    }
}

void TestChannelFile::rowCheckNamesFirstBadCell()
{
    ChannelTable table;
    QRandomGenerator random(9);
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        table.SetRowTexts(row, RandomChannelTexts(random));
    QVERIFY(CheckRowsForWrite(table, FixedBand).Ok);
    table.SetText(128, ColRx, QStringLiteral("500"));   // a row the grid does not show: no band
    table.SetText(128, ColDecodeTone, QStringLiteral("x"));
    QCOMPARE(CheckRowsForWrite(table, FixedBand).Row, 128);
    QCOMPARE(CheckRowsForWrite(table, FixedBand).Column, int(ColDecodeTone));
    table.SetText(40, ColEncodeTone, QStringLiteral("x"));
    QCOMPARE(CheckRowsForWrite(table, FixedBand).Row, 40);
}

void TestChannelFile::rowCheckSecondBand()
{
    const BandLimits two{400, 420, 450, 470};
    ChannelTable table = FilledRow(1, ValidRow());
    table.SetText(1, ColTx, QStringLiteral("460.00000"));
    table.SetText(1, ColRx, QStringLiteral("410.00000"));
    QVERIFY(CheckRowsForWrite(table, two).Ok);
    table.SetText(1, ColRx, QStringLiteral("430.00000"));
    QCOMPARE(CheckRowsForWrite(table, two).Message,
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
    const RowCheckResult result = CheckRowsForWrite(table, FixedBand);
    QCOMPARE(result.Message, message);
    QCOMPARE(result.Ok, message.isEmpty());
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
    QVERIFY(ReadChannelFile(dir.filePath("limit.chnw"), QStringLiteral("tes"), table).Ok);
    QCOMPARE(table.Text(1, ColName), QStringLiteral("CH1"));

    QVERIFY(WriteAll(dir.filePath("large.chnw"), padded + '\n'));
    ChannelTable untouched = FilledRow(3, ValidRow());
    const ChannelFileResult large = ReadChannelFile(dir.filePath("large.chnw"), QStringLiteral("tes"), untouched);
    QVERIFY(!large.Ok);
    QCOMPARE(large.Describe("large.chnw"),
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
    QTest::newRow("pipe") << "pipe" << "is not a regular file (a device or a pipe); choose a file";
}

void TestChannelFile::outputMustBeARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("out");
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const ChannelFileResult result = WriteChannelFile(path, ChannelTable(), 100, QStringLiteral("tes"));
    QVERIFY(!result.Ok);
    QCOMPARE(result.Message, message);
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
    QTest::newRow("DTCS NN") << GridRow(f, f, "D754N", "D754N")
                             << Line85(",0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone");
    QTest::newRow("DTCS RR") << GridRow(f, f, "D754I", "D754I")
                             << Line85(",0.000000,DTCS,88.5,88.5,754,RR,023,Tone->Tone");
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
                                              << Line85(",0.000000,," + defaults, "NFM,5.00,S,Low");
}

void TestChannelFile::csvBothWays()
{
    QFETCH(ChannelTexts, row);
    QFETCH(QString, line);
    ChannelTable table;
    table.SetRowTexts(85, row);
    const CsvExport csv = ChannelTableToCsv(table, FixedBand);
    QVERIFY2(csv.Ok, qPrintable(csv.Message));
    QCOMPARE(csv.Text, CsvHeader + line + "\r\n");

    ChannelTable imported;
    const CsvImport result = ChannelTableFromCsv(CsvHeader + line, FixedBand, imported);
    QVERIFY2(result.Ok, qPrintable(result.Message));
    QCOMPARE(imported.RowTexts(85), row);
    QCOMPARE(result.Summary(), QStringLiteral("1 channel imported."));
}

void TestChannelFile::csvImport_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("row");
    QTest::addColumn<ChannelTexts>("texts");
    QTest::addColumn<QString>("summary");
    const QString f = QStringLiteral("476.42500");
    QTest::newRow("TSQL-R") << CsvHeader + "90,,476.425,,0,TSQL-R,71.9,88.5,023,NN,023,Tone->Tone,FM,5.00,,High"
                            << 90 << GridRow(f, f, "71.9", "Off", "High", "25K", "On", "") << "1 channel imported.";
    QTest::newRow("DTCS-R") << CsvHeader + "90,,476.425,,0,DTCS-R,88.5,88.5,131,NR,023,Tone->Tone,FM,5.00,,High"
                            << 90 << GridRow(f, f, "D131I", "Off", "High", "25K", "On", "") << "1 channel imported.";
    QTest::newRow("watts below 2 are Low") << CsvHeader + "90,,476.425,,0,,,,,,,,NFM,,,1.5W"
                                           << 90 << GridRow(f, f, "Off", "Off", "Low", "12.5K", "On", "")
                                           << "1 channel imported.";
    QTest::newRow("other watts are High") << CsvHeader + "90,,476.425,,0,,,,,,,,NFM,,,5.0W"
                                          << 90 << GridRow(f, f, "Off", "Off", "High", "12.5K", "On", "")
                                          << "1 channel imported.";
    QTest::newRow("any order, extra columns, no tone columns")
        << "Frequency,Comment,Name,Location,Mode\n476.425,\"a, b\",CH1,91,FM\n"
        << 91 << GridRow(f, f, "Off", "Off") << "1 channel imported.";
    QTest::newRow("names made typable, frequency snapped")
        << CsvHeader + "92,Rpt-1 North,476.4312,,0,,,,,,,,FM,,,High\r\n93,x,476.425,,0,,,,,,,,FM,,,High\r\n"
        << 92 << GridRow("476.43125", "476.43125", "Off", "Off", "High", "25K", "On", "RPT1NO")
        << "2 channels imported. 2 names were changed to fit the radio (A-Z and 0-9, at most six). "
           "1 channel's frequency was moved to the 5 or 6.25 kHz raster.";
    QTest::newRow("fixed row keeps frequencies")
        << CsvHeader + "5,,470.000000,+,5,Tone,67.0,,,,,,FM,,,High" << 5
        << GridRow("476.52500", "476.52500", "Off", "67.0", "High", "25K", "On", "") << "1 channel imported.";
}

void TestChannelFile::csvImport()
{
    QFETCH(QString, csv);
    QFETCH(int, row);
    QFETCH(ChannelTexts, texts);
    QFETCH(QString, summary);
    ChannelTable table;
    table.SetText(5, ColRx, QStringLiteral("476.52500"));
    table.SetText(5, ColTx, QStringLiteral("476.52500"));
    const CsvImport result = ChannelTableFromCsv(csv, FixedBand, table);
    QVERIFY2(result.Ok, qPrintable(result.Message));
    QCOMPARE(table.RowTexts(row), texts);
    QCOMPARE(result.Summary(), summary);
}

void TestChannelFile::csvImportRefusals_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");   // how the message starts
    QTest::newRow("no such channel") << "100,,476.425,,0,,,,,,,,FM"
                                     << "line 3: Location \"100\" is not a channel from 1 to 99";
    QTest::newRow("channel 0") << "0,,476.425,,0,,,,,,,,FM" << "line 3: Location \"0\" is not a channel from 1 to 99";
    QTest::newRow("twice") << "1,,476.425,,0,,,,,,,,FM" << "line 3: channel 1 is on line 2 already";
    QTest::newRow("mode") << "90,,476.425,,0,,,,,,,,AM" << "line 3: Mode \"AM\" is neither FM nor NFM";
    QTest::newRow("outside the band") << "90,,146.52,,0,,,,,,,,FM"
                                      << "line 3: row 90, RX Frequency(MHZ): \"146.52\" is no channel within "
                                         "400-480.9995 MHz";
    QTest::newRow("TX outside the band") << "90,,476.425,+,10,,,,,,,,FM"
                                         << "line 3: row 90, TX Frequency(MHZ): \"486.42500\" is no channel within "
                                            "400-480.9995 MHz";
    QTest::newRow("duplex") << "90,,476.425,split,470,,,,,,,,FM" << "line 3: Duplex \"split\" is none of \"\", +, -, off";
    QTest::newRow("tone mode") << "90,,476.425,,0,DCS,,,,,,,FM"
                               << "line 3: Tone \"DCS\" is none of Tone, TSQL, DTCS, TSQL-R, DTCS-R, Cross";
    QTest::newRow("cross mode") << "90,,476.425,,0,Cross,,,,,,DCS->Tone,FM"
                                << "line 3: CrossMode \"DCS->Tone\" is not a cross mode";
    QTest::newRow("polarity") << "90,,476.425,,0,DTCS,,,023,NI,,,FM"
                              << "line 3: DtcsPolarity \"NI\" is not two letters N or R";
    QTest::newRow("tone the write refuses") << "90,,476.425,,0,DTCS,,,029,NN,,,FM"
                                            << "line 3: row 90, CTCSS/DCS Dec: \"D029N\"";
}

void TestChannelFile::csvImportRefusals()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    ChannelTable table;
    table.SetRowTexts(90, GridRow("470.00000", "470.00000", "Off", "Off"));
    const ChannelTable before = table;
    const CsvImport result = ChannelTableFromCsv(CsvHeader + "1,,476.425,,0,,,,,,,,FM\r\n" + line, FixedBand, table);
    QVERIFY(!result.Ok);
    QVERIFY2(result.Message.startsWith(message), qPrintable(result.Message));
    QVERIFY(table == before);

    QCOMPARE(ChannelTableFromCsv("Name,Frequency\r\n", FixedBand, table).Message,
             QStringLiteral("line 1: the header has no Location column"));
}

void TestChannelFile::csvExportRefusals()
{
    ChannelTable table;
    table.SetRowTexts(7, GridRow("476.42500", "476.42500", "Off", "D029N"));
    table.SetRowTexts(120, GridRow("", "", "x", "y"));   // beyond the rows CSV carries
    CsvExport csv = ChannelTableToCsv(table, FixedBand);
    QVERIFY(!csv.Ok);
    QCOMPARE(csv.Row, 7);
    QCOMPARE(csv.Column, int(ColEncodeTone));
    QVERIFY(csv.Text.isEmpty());
    table.SetRowTexts(7, GridRow("", "476.42500", "Off", "Off"));
    csv = ChannelTableToCsv(table, FixedBand);
    QCOMPARE(csv.Message, QStringLiteral("row 7, RX Frequency(MHZ): a channel that only transmits has no CSV line"));
}

// What the layout carries comes back; the rest is what a started row gets.
void TestChannelFile::csvRoundTrip()
{
    QRandomGenerator random(31);
    const ChannelTable original = RasterTable(random);
    const CsvExport csv = ChannelTableToCsv(original, FixedBand);
    QVERIFY2(csv.Ok, qPrintable(csv.Message));
    // Fixed rows keep their frequencies: the base holds them, nothing else.
    ChannelTable imported;
    for (int row = 1; row <= 80; ++row)
        for (int column : {ColRx, ColTx})
            imported.SetText(row, column, original.Text(row, column));
    const CsvImport result = ChannelTableFromCsv(csv.Text, FixedBand, imported);
    QVERIFY2(result.Ok, qPrintable(result.Message));
    QCOMPARE(result.Channels, csv.Channels);
    QCOMPARE(result.NamesChanged + result.FrequenciesMoved, 0);
    for (int row = 1; row <= 99; ++row) {
        for (int column : {ColRx, ColTx, ColDecodeTone, ColEncodeTone, ColPower, ColBandwidth, ColScanAdd, ColName})
            QCOMPARE(imported.Text(row, column), original.Text(row, column));
    }
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
    const ClipboardPaste result = PasteClipboardText(text, 90, 98, FixedBand, table);
    QVERIFY2(message.isEmpty() ? result.Ok : result.Message.startsWith(message), qPrintable(result.Message));
    if (!message.isEmpty()) {
        QVERIFY(table == before);
        return;
    }
    QCOMPARE(result.Rows, 2);
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
    QVERIFY(PasteClipboardText(RowsAsClipboardText(table, {90, 91}), 95, 98, FixedBand, again).Ok);
    QCOMPARE(again.RowTexts(95), table.RowTexts(90));
    QCOMPARE(again.RowTexts(96), table.RowTexts(91));
}

QTEST_GUILESS_MAIN(TestChannelFile)
#include "tst_channelfile.moc"
