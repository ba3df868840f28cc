// fane5-cli as a user runs it: a separate process talking to the simulated
// radio over a pseudo-terminal, files on disk, messages on stderr, exit codes.
#include "base/ProgramVersion.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelFile.h"
#include "history/RadioHistory.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "sim/SimRadio.h"
#include "tests/TemporaryHome.h"
#include "tests/channels/RandomChannels.h"
#include <QtTest>
#include <sys/stat.h>

namespace {

struct CliRun {
    int Exit = -1;
    QString Out;
    QStringList ErrLines;
};

// `input` is all the program gets on stdin, which then ends.
CliRun RunCli(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(FANE5_CLI_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        process.kill();
    CliRun run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.ErrLines = QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

QByteArray ImageBytes(const MemoryImageBytes& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

// The two regions a channel transfer moves.
QByteArray ChannelRegions(const QByteArray& image)
{
    return image.mid(0x0000, 0x800) + image.mid(0x1000, 0x800);
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

QByteArray RandomBytes(QRandomGenerator& random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

const QByteArray CsvHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                             "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// A channel file for the table, as the CLI writes it.
QByteArray ChannelFileBytes(const ChannelTable& table, int rowCount)
{
    return ChannelTableToLines(table, rowCount, QStringLiteral("tes")).join(QStringLiteral("\r\n")).toLatin1()
         + "\r\n";
}

class Sim {
public:
    explicit Sim(const SimConfig& config = {})
    {
        QString error;
        started_ = radio_.Start(config, &error);
        if (!started_)
            qWarning("simulated radio: %s", qPrintable(error));
    }
    bool Started() const { return started_; }
    SimRadio& Radio() { return radio_; }
    QString Port() const { return radio_.DevicePath(); }

private:
    SimRadio radio_;
    bool started_ = false;
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    void initTestCase();
    void init();
    void help();
    void usageErrors_data();
    void usageErrors();
    void readWriteRoundTripOfRandomImage();
    void readKeepsAllRows();
    void readThenWriteKeepsWhatTheRadioHolds();
    void writeFileWithFewerRows();
    void dump();
    void offlineRoundTrip();
    void badCellIsNamedAndNothingSent_data();
    void badCellIsNamedAndNothingSent();
    void fileErrors_data();
    void fileErrors();
    void boundedInputsAndOutputs_data();
    void boundedInputsAndOutputs();
    void radioFailures_data();
    void radioFailures();
    void retriesAnswerYes();
    void csvRoundTrip();
    void csvImportReports_data();
    void csvImportReports();
    void csvRefusals_data();
    void csvRefusals();
    void writeImage();
    void writeImageRefusesBadContent();
    void diff();
    void historyOfTransfers();
    void historyThatCannotBeKept();
    void historyKeepsTheNewest100();
    void writeVerify_data();
    void writeVerify();
    void compare_data();
    void compare();
    void program_data();
    void program();
};

void TestCli::initTestCase()
{
    // The history this program keeps itself lies where fane5-cli's does.
    QCoreApplication::setApplicationName(QStringLiteral("fane5"));
}

void TestCli::init()
{
    QDir(HistoryFolder()).removeRecursively();
}

void TestCli::help()
{
    const CliRun run = RunCli({"--help"});
    QCOMPARE(run.Exit, 0);
    for (const char* text : {"read --port DEV --out FILE.chnw", "write --port DEV --in FILE.chnw",
                             "dump --port DEV --out IMAGE.bin", "decode IMAGE.bin --out FILE.chnw",
                             "encode FILE.chnw --out IMAGE.bin", "--retries N", "Exit status",
                             "export-csv FILE.chnw --out FILE.csv",
                             "import-csv FILE.csv --out FILE.chnw [--base FILE.chnw] [--at N [--replace]] [--skip]", "--at N",
                             "--skip",
                             "write-image --port DEV --in IMAGE.img", "diff A B", "--base FILE",
                             "compare --port DEV --in FILE.chnw | --options FILE.optw",
                             "program --port DEV --in FILE.chnw [--options FILE.optw] [--backup] [--log FILE.csv]"})
        QVERIFY2(run.Out.contains(QLatin1String(text)), text);
    QCOMPARE(RunCli({"read", "--help"}).Out, run.Out);
    QCOMPARE(RunCli({"-h"}).Out, run.Out);
    const CliRun version = RunCli({"--version"});
    QCOMPARE(version.Exit, 0);
    QCOMPARE(version.Out, QStringLiteral("fane5-cli %1\n").arg(ProgramVersion()));
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList{} << "fane5-cli: no verb given";
    QTest::newRow("unknown verb") << QStringList{"erase"} << "fane5-cli: unknown verb \"erase\"";
    QTest::newRow("read without port") << QStringList{"read", "--out", "a.chnw"} << "fane5-cli: read needs --port";
    QTest::newRow("read with in") << QStringList{"read", "--port", "com1", "--out", "a", "--in", "b"}
                                  << "fane5-cli: read takes no --in";
    QTest::newRow("option without value") << QStringList{"dump", "--port"} << "fane5-cli: --port needs a value";
    QTest::newRow("unknown option") << QStringList{"dump", "--speed", "9600"} << "fane5-cli: unknown option --speed";
    QTest::newRow("bad retries") << QStringList{"read", "--port", "com1", "--out", "a", "--retries", "x"}
                                 << "fane5-cli: --retries needs a whole number of 0 or more";
    QTest::newRow("decode without input") << QStringList{"decode", "--out", "a.chnw"}
                                          << "fane5-cli: decode needs a file to convert";
    QTest::newRow("encode with two inputs") << QStringList{"encode", "a", "b", "--out", "c"}
                                            << "fane5-cli: encode: unexpected argument \"b\"";
    QTest::newRow("retries offline") << QStringList{"encode", "a", "--out", "c", "--retries", "2"}
                                     << "fane5-cli: encode takes no --retries";
    QTest::newRow("diff with one file") << QStringList{"diff", "a"} << "fane5-cli: diff needs two files to compare";
    QTest::newRow("base for export") << QStringList{"export-csv", "a", "--out", "b", "--base", "c"}
                                     << "fane5-cli: export-csv takes no --base";
    QTest::newRow("import without out") << QStringList{"import-csv", "a"} << "fane5-cli: import-csv needs --out";
    QTest::newRow("import at row 0") << QStringList{"import-csv", "a", "--out", "b", "--at", "0"}
                                     << "fane5-cli: --at needs a row from 1 to 99";
    QTest::newRow("skip for export") << QStringList{"export-csv", "a", "--out", "b", "--skip"}
                                     << "fane5-cli: export-csv takes no --skip";
    QTest::newRow("verify a read") << QStringList{"read", "--port", "com1", "--out", "a", "--verify"}
                                   << "fane5-cli: read takes no --verify";
    QTest::newRow("log for compare") << QStringList{"compare", "--port", "com1", "--in", "a", "--log", "b"}
                                     << "fane5-cli: compare takes no --log";
    QTest::newRow("backup for write") << QStringList{"write", "--port", "com1", "--in", "a", "--backup"}
                                      << "fane5-cli: write takes no --backup";
    QTest::newRow("program without in") << QStringList{"program", "--port", "com1"}
                                        << "fane5-cli: program needs --in";
    QTest::newRow("options for read") << QStringList{"read", "--port", "com1", "--out", "a", "--options", "b"}
                                      << "fane5-cli: read takes no --options";
    QTest::newRow("no history offline") << QStringList{"decode", "a", "--out", "c", "--no-history"}
                                        << "fane5-cli: decode takes no --no-history";
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliRun run = RunCli(arguments);
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.ErrLines.value(0), message);
    QVERIFY(run.ErrLines.value(1).startsWith("usage: fane5-cli ") || run.ErrLines.value(1) == "see fane5-cli --help");
}

// The acceptance case: a random image moves radio -> file -> another radio
// exactly.
void TestCli::readWriteRoundTripOfRandomImage()
{
    QRandomGenerator random(4242);
    const QByteArray original = ImageBytes(RandomChannelImage(random));
    Sim source, target;
    QVERIFY(source.Started() && target.Started());
    source.Radio().SetImageBytes(original);
    target.Radio().SetImageBytes(RandomBytes(random, 8192));

    QTemporaryDir dir;
    const QString file = dir.filePath("radio.chnw");
    const CliRun read = RunCli({"read", "--port", source.Port(), "--out", file});
    QCOMPARE(read.Exit, 0);
    QCOMPARE(read.ErrLines, QStringList{"Recive data complete!"});   // no progress line off a terminal

    const CliRun write = RunCli({"write", "--port", target.Port(), "--in", file});
    QCOMPARE(write.Exit, 0);
    QCOMPARE(write.ErrLines, QStringList{"Translate data complete!"});
    QCOMPARE(ChannelRegions(target.Radio().ImageBytes()), ChannelRegions(original));
}

void TestCli::readKeepsAllRows()
{
    QRandomGenerator random(7);
    const ChannelTable table = RandomChannelTable(random);
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(ImageBytes(image));
    QTemporaryDir dir;
    QCOMPARE(RunCli({"read", "--port", sim.Port(), "--out", dir.filePath("r.chnw")}).Exit, 0);
    QCOMPARE(ReadAll(dir.filePath("r.chnw")), ChannelFileBytes(table, 129));
}

// A radio programmed elsewhere: unlisted CTCSS tones, inverted DCS codes and
// an out-of-band frequency in a slot the grid does not show. Read, write
// back, read again: the same file, and the radio holds what the codec
// encodes for the texts it read.
void TestCli::readThenWriteKeepsWhatTheRadioHolds()
{
    QRandomGenerator random(2718);
    MemoryImageBytes held = RandomRadioImage(random, 100);
    auto setSlot = [&](int slot, const char* record) {
        const QByteArray bytes = QByteArray::fromHex(record);
        std::copy(bytes.begin(), bytes.end(), held.begin() + (slot - 1) * 16);
    };
    setSlot(2, "0025644700256447" "a102" "0f06" "958ffeff");     // decode 67.3, encode 155.1
    setSlot(3, "0025644700256447" "13a8" "eca9" "958ffeff");   // D023I, D754I
    setSlot(110, "00000050000000501328ffff958ffeff");   // 500.00000 MHz
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(ImageBytes(held));

    QTemporaryDir dir;
    const QString first = dir.filePath("first.chnw"), second = dir.filePath("second.chnw");
    QCOMPARE(RunCli({"read", "--port", sim.Port(), "--out", first}).Exit, 0);
    const QByteArray firstBytes = ReadAll(first);
    for (const char* text : {"\r\n67.3\r\n", "\r\n155.1\r\n", "\r\nD023I\r\n", "\r\n500.00000\r\n"})
        QVERIFY2(firstBytes.contains(text), text);

    const CliRun write = RunCli({"write", "--port", sim.Port(), "--in", first});
    QCOMPARE(write.Exit, 0);
    QCOMPARE(write.ErrLines, QStringList{"Translate data complete!"});
    ChannelTable read;
    LoadChannelsFromImage(held, read);
    MemoryImageBytes encoded;
    StoreChannelsToImage(read, encoded);
    QCOMPARE(ChannelRegions(sim.Radio().ImageBytes()), ChannelRegions(ImageBytes(encoded)));

    QCOMPARE(RunCli({"read", "--port", sim.Port(), "--out", second}).Exit, 0);
    QCOMPARE(ReadAll(second), firstBytes);
}

void TestCli::writeFileWithFewerRows()
{
    QRandomGenerator random(11);
    const ChannelTable table = RandomChannelTable(random);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("grid.chnw"), ChannelFileBytes(table, 100)));
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(RandomBytes(random, 8192));
    QCOMPARE(RunCli({"write", "--port", sim.Port(), "--in", dir.filePath("grid.chnw")}).Exit, 0);

    // Rows 100..128 are not in the file: they go out as empty slots.
    ChannelTable expected;
    for (int row = 1; row < 100; ++row)
        expected.SetRowTexts(row, table.RowTexts(row));
    MemoryImageBytes image;
    StoreChannelsToImage(expected, image);
    QCOMPARE(ChannelRegions(sim.Radio().ImageBytes()), ChannelRegions(ImageBytes(image)));
}

void TestCli::dump()
{
    QRandomGenerator random(13);
    const QByteArray original = RandomBytes(random, 8192);
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(original);
    QTemporaryDir dir;
    const CliRun run = RunCli({"dump", "--port", sim.Port(), "--out", dir.filePath("i.bin")});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.ErrLines, QStringList{"Recive data complete!"});
    const QByteArray dumped = ReadAll(dir.filePath("i.bin"));
    QCOMPARE(dumped.size(), 8192);
    QCOMPARE(ChannelRegions(dumped), ChannelRegions(original));
    QCOMPARE(dumped.mid(0x800, 0x800), QByteArray(0x800, char(0xFF)));   // never read: left FFh
}

void TestCli::offlineRoundTrip()
{
    QRandomGenerator random(17);
    const MemoryImageBytes image = RandomChannelImage(random);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("in.bin"), ImageBytes(image)));
    const CliRun decode = RunCli({"decode", dir.filePath("in.bin"), "--out", dir.filePath("t.chnw")});
    QCOMPARE(decode.Exit, 0);
    QCOMPARE(decode.ErrLines, QStringList());
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    QCOMPARE(ReadAll(dir.filePath("t.chnw")), ChannelFileBytes(table, 129));

    const CliRun encode = RunCli({"encode", dir.filePath("t.chnw"), "--out", dir.filePath("out.bin")});
    QCOMPARE(encode.Exit, 0);
    QCOMPARE(ReadAll(dir.filePath("out.bin")), ImageBytes(image));
}

void TestCli::badCellIsNamedAndNothingSent_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    // The file holds 100 rows: line = 3 + (column - 1) * 99 + (row - 1).
    QTest::newRow("out of band") << 7 << int(ColRx) << "481.00000"
                                 << "line 9: row 7, RX Frequency(MHZ): 481.00000 lies outside 400-480.9995 MHz";
    QTest::newRow("not a number") << 99 << int(ColTx) << "4x6"
                                  << "line 200: row 99, TX Frequency(MHZ): \"4x6\" is not a frequency in MHz";
    QTest::newRow("bad tone") << 1 << int(ColEncodeTone) << "D08N"
                              << "line 300: row 1, CTCSS/DCS Enc: \"D08N\" is not Off, a CTCSS tone (0.0 to 1023.9 "
                                 "Hz, one decimal) or a DCS code (D, three octal digits, N or I)";
}

void TestCli::badCellIsNamedAndNothingSent()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QRandomGenerator random(19);
    ChannelTable table = RandomChannelTable(random);
    table.SetRowTexts(row, RandomChannelTexts(random));
    table.SetText(row, column, text);
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.chnw");
    QVERIFY(WriteAll(file, ChannelFileBytes(table, 100)));

    Sim sim;
    QVERIFY(sim.Started());
    const CliRun write = RunCli({"write", "--port", sim.Port(), "--in", file});
    QCOMPARE(write.Exit, 2);
    QCOMPARE(write.ErrLines, QStringList{file + ": " + message});
    QCOMPARE(sim.Radio().Handshakes(), 0);

    const CliRun encode = RunCli({"encode", file, "--out", dir.filePath("x.bin")});
    QCOMPARE(encode.Exit, 2);
    QCOMPARE(encode.ErrLines, write.ErrLines);
    QVERIFY(!QFile::exists(dir.filePath("x.bin")));
}

void TestCli::fileErrors_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QByteArray>("contents");   // of the input file; empty: no such file
    QTest::addColumn<QString>("message");       // after "FILE: "
    QTest::newRow("wrong kind") << "encode" << QByteArray("TES\r\n2\r\n") << "line 1: Bad read in file type!";
    QTest::newRow("bad row count") << "encode" << QByteArray("tes\r\n200\r\n")
                                   << "line 2: \"200\" is not a row count from 2 to 129";
    QTest::newRow("too few lines") << "encode" << QByteArray("tes\r\n3\r\n\r\n")
                                   << "line 4: missing: 3 rows take 26 lines, the file ends after 3";
    QTest::newRow("image too short") << "decode" << QByteArray(100, 'x') << "holds 100 bytes; an image has 8192";
}

void TestCli::fileErrors()
{
    QFETCH(QString, verb);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString input = dir.filePath("input");
    QVERIFY(WriteAll(input, contents));
    const CliRun run = RunCli({verb, input, "--out", dir.filePath("output")});
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.ErrLines, QStringList{input + ": " + message});
    QVERIFY(!QFile::exists(dir.filePath("output")));

    const CliRun missing = RunCli({verb, dir.filePath("none"), "--out", dir.filePath("output")});
    QCOMPARE(missing.Exit, 2);
    QVERIFY(missing.ErrLines.value(0).startsWith(dir.filePath("none") + ": "));
}

// Inputs are read with a bound, outputs go only to regular files; nothing is
// asked of the radio when the output cannot be written.
void TestCli::boundedInputsAndOutputs_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("input");    // "image": a good image, "large": a 2 MiB channel file
    QTest::addColumn<QString>("output");   // "file", "folder" or "pipe"
    QTest::addColumn<QString>("message");  // after the file's name and ": "
    const QString device = "is not a regular file (a device or a pipe); choose a file";
    QTest::newRow("endless image") << "decode" << "/dev/zero" << "file"
                                   << "is larger than 8192 bytes, more than a file of this kind can hold";
    QTest::newRow("channel file too large") << "encode" << "large" << "file"
                                            << "is larger than 1048576 bytes, more than a file of this kind can hold";
    QTest::newRow("decode into a folder") << "decode" << "image" << "folder" << "is a folder, not a file";
    QTest::newRow("decode into a pipe") << "decode" << "image" << "pipe" << device;
    QTest::newRow("read into a pipe") << "read" << "" << "pipe" << device;
    QTest::newRow("dump into a folder") << "dump" << "" << "folder" << "is a folder, not a file";
}

void TestCli::boundedInputsAndOutputs()
{
    QFETCH(QString, verb);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString in = input;
    if (input == "image") {
        in = dir.filePath("in.bin");
        QVERIFY(WriteAll(in, QByteArray(8192, char(0xFF))));
    } else if (input == "large") {
        in = dir.filePath("large.chnw");
        QVERIFY(WriteAll(in, ChannelFileBytes(ChannelTable(), 100) + QByteArray(2 << 20, '\n')));
    }
    const QString out = dir.filePath("out");
    if (output == "folder")
        QVERIFY(QDir().mkdir(out));
    else if (output == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(out).constData(), 0600), 0);
    Sim sim;
    QVERIFY(sim.Started());
    QStringList arguments{verb};
    if (in.isEmpty())
        arguments << "--port" << sim.Port();
    else
        arguments << in;
    const CliRun run = RunCli(arguments + QStringList{"--out", out});
    QCOMPARE(run.Exit, 2);
    const QString named = message.startsWith("is larger") ? in : out;
    QCOMPARE(run.ErrLines, QStringList{named + ": " + message});
    QCOMPARE(sim.Radio().Handshakes(), 0);
    QVERIFY(!QFileInfo(out).isFile());   // nothing was put in its place
}

void TestCli::radioFailures_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("silent radio, read") << "read" << "silent"
                                        << "Device unconnect or device on booting,please wait a minute,then try again!";
    QTest::newRow("short reply block, dump") << "dump" << "short" << "Error port operate out!";
    QTest::newRow("missing acknowledgement, write") << "write" << "noack" << "Connect Crc faild code:(1)";
}

void TestCli::radioFailures()
{
    QFETCH(QString, verb);
    QFETCH(QString, fault);
    QFETCH(QString, message);
    SimConfig config;
    config.silent = fault == "silent";
    config.shortReplyAt = fault == "short" ? 5 : -1;
    config.noAckAt = fault == "noack" ? 9 : -1;
    Sim sim(config);
    QVERIFY(sim.Started());
    QTemporaryDir dir;
    const QString file = dir.filePath("f");
    if (verb == "write")
        QVERIFY(WriteAll(file, ChannelFileBytes(ChannelTable(), 2)));
    const CliRun run = RunCli({verb, "--port", sim.Port(), verb == "write" ? "--in" : "--out", file});
    QCOMPARE(run.Exit, 1);
    QVERIFY2(run.ErrLines.contains(message), qPrintable(run.ErrLines.join(" | ")));
    QVERIFY(!run.ErrLines.contains("Recive data complete!") && !run.ErrLines.contains("Translate data complete!"));
    if (verb != "write")
        QVERIFY(!QFile::exists(file));
}

void TestCli::retriesAnswerYes()
{
    QTemporaryDir dir;
    const QStringList read = {"read", "--port", dir.filePath("no-such-port"), "--out", dir.filePath("f")};
    const CliRun no = RunCli(read);
    QCOMPARE(no.Exit, 1);
    QCOMPARE(no.ErrLines.count("Open port faild!"), 1);
    const CliRun yes = RunCli(read + QStringList{"--retries", "2"});
    QCOMPARE(yes.Exit, 1);
    QCOMPARE(yes.ErrLines.count("Open port faild!"), 3);
}

// chnw -> csv -> chnw: every text the layout carries comes back.
void TestCli::csvRoundTrip()
{
    ChannelTable table;
    const QStringList rows[] = {
        {"476.42500", "471.42500", "D131I", "67.0", "Low", "12.5K", "Off", "Off", "QT", "Off", "Off", "AB1"},
        {"476.43125", "", "100.0", "Off", "High", "25K", "Off", "Off", "QT", "Off", "On", ""},
        {"476.52500", "476.52500", "Off", "Off", "Low", "25K", "Off", "Off", "QT", "Off", "Off", ""},
    };
    const int rowNumbers[] = {90, 91, 5};
    for (int i = 0; i < 3; ++i)
        for (int column = 1; column <= 12; ++column)
            table.SetText(rowNumbers[i], column, rows[i].at(column - 1));
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("a.chnw"), ChannelFileBytes(table, 100)));
    const CliRun exported = RunCli({"export-csv", dir.filePath("a.chnw"), "--out", dir.filePath("a.csv")});
    QCOMPARE(exported.Exit, 0);
    QCOMPARE(exported.ErrLines, QStringList());
    const QByteArray csv = ReadAll(dir.filePath("a.csv"));
    QVERIFY(csv.startsWith("Location,Name,Frequency,Duplex,"));
    QVERIFY(csv.contains("\r\n5,,476.525000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,1.0W,,,,,\r\n"));
    QCOMPARE(csv.count("\r\n"), 4);

    const CliRun imported = RunCli({"import-csv", dir.filePath("a.csv"), "--out", dir.filePath("b.chnw"),
                                    "--base", dir.filePath("a.chnw")});
    QCOMPARE(imported.Exit, 0);
    QCOMPARE(imported.ErrLines, QStringList{"3 lines: 3 placed."});
    ChannelTable back;
    QVERIFY(!ReadChannelFile(dir.filePath("b.chnw"), QStringLiteral("tes"), back).Failure);
    for (int row : {5, 90, 91})
        QCOMPARE(back.RowTexts(row), table.RowTexts(row));
}

// What import-csv says about each line, and when it writes: onto the
// default channels, whose rows 1..80 hold fixed frequencies.
void TestCli::csvImportReports_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QStringList>("report");   // how each line on stderr starts; IN and OUT: the files
    QTest::addColumn<int>("row");               // a row written, when the exit is 0
    QTest::addColumn<QString>("name");          // and its name
    const QByteArray mixed = "Location,Frequency,Mode,Name\n1,470.0,NFM,one\n95,470.0,FM,x-1\n";
    const QString fixedOne = "IN: line 2: not placed: 470.000 MHz cannot go to row 1, which holds the fixed 476.425 MHz";
    QTest::newRow("a line not placed: nothing written")
        << mixed << QStringList{} << 2
        << QStringList{fixedOne, "IN: line 3: row 95, changed: name \"x-1\" becomes \"X1\"",
                       "2 lines: 1 placed, 1 of them changed, 1 not placed.",
                       "OUT: not written: 1 not placed (--skip writes the 1 placed)"} << 0 << "";
    QTest::newRow("--skip writes what was placed")
        << mixed << QStringList{"--skip"} << 0
        << QStringList{fixedOne, "IN: line 3: row 95, changed", "2 lines: 1 placed, 1 of them changed, 1 not placed."}
        << 95 << "X1";
    const QByteArray fixed = "Location,Frequency,Name\n1,476.425,one\n";
    const QString counts1 = "1 line: 1 placed, 1 of them changed.";
    QTest::newRow("--at 1 fills free rows") << fixed << QStringList{"--at", "1"} << 0
                                            << QStringList{"IN: line 2: row 81, changed", counts1} << 81 << "ONE";
    QTest::newRow("--at 1 --replace") << fixed << QStringList{"--at", "1", "--replace"} << 0
                                      << QStringList{"IN: line 2: row 1, changed: name \"one\" becomes \"ONE\"; replaces 476.4250",
                                                     counts1} << 1 << "ONE";
    QTest::newRow("a file that is no such CSV") << QByteArray("Location,Frequency\n\"90,470\n") << QStringList{"--skip"}
                                                << 2 << QStringList{"IN: line 2: a quote is never closed"} << 0 << "";

    QByteArray list = CsvHeader;
    QStringList beyond;
    for (int i = 0; i < 128; ++i) {
        list += QStringLiteral("%1,CH%1,%2,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,5.0W,,,,,\r\n")
                    .arg(i).arg(440 + i * 0.05, 0, 'f', 6).toLatin1();
        if (i >= 19)
            beyond << QStringLiteral("IN: line %1: not placed: no row left after row 99").arg(i + 2);
    }
    const QStringList counts = {"128 lines: 19 placed, 109 not placed."};
    QTest::newRow("128 lines numbered from 0, --at 81")
        << list << QStringList{"--at", "81"} << 2
        << beyond + counts + QStringList{"OUT: not written: 109 not placed (--skip writes the 19 placed)"} << 0 << "";
    QTest::newRow("128 lines numbered from 0, --at 81 --skip")
        << list << QStringList{"--at", "81", "--skip"} << 0 << beyond + counts << 99 << "CH18";

    QByteArray repeaters = "# 70 cm repeaters\r\n" + CsvHeader;
    QStringList refused;
    for (int row = 1; row <= 68; ++row) {
        const double rx = 442 + row * 0.025;
        repeaters += QStringLiteral("%1,RPT%1,%2,+,5.000000,Tone,141.3,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\r\n")
                         .arg(row).arg(rx, 0, 'f', 6).toLatin1();
        refused << QStringLiteral("IN: line %1: not placed: %2 MHz cannot go to row %3, which holds ")
                       .arg(row + 2).arg(rx, 0, 'f', 3).arg(row);
    }
    QTest::newRow("a 70 cm repeater list at Locations 1 to 68")
        << repeaters << QStringList{"--skip"} << 2
        << refused + QStringList{"68 lines: 0 placed, 68 not placed.", "OUT: not written: no line could be placed"}
        << 0 << "";
}

void TestCli::csvImportReports()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, options);
    QFETCH(int, exit);
    QFETCH(QStringList, report);
    QFETCH(int, row);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString in = dir.filePath("in.csv"), out = dir.filePath("out.chnw");
    QVERIFY(WriteAll(in, csv));
    const CliRun run = RunCli(QStringList{"import-csv", in, "--out", out} + options);
    QCOMPARE(run.Exit, exit);
    QCOMPARE(run.ErrLines.size(), report.size());
    for (int i = 0; i < report.size(); ++i) {
        const QString expected = QString(report.at(i)).replace("IN: ", in + ": ").replace("OUT: ", out + ": ");
        QVERIFY2(run.ErrLines.at(i).startsWith(expected), qPrintable(run.ErrLines.at(i)));
    }
    QCOMPARE(QFile::exists(out), exit == 0);
    if (exit != 0)
        return;
    ChannelTable table;
    QVERIFY(!ReadChannelFile(out, QStringLiteral("tes"), table).Failure);
    QCOMPARE(table.Text(row, ColName), name);
    if (row != 1)
        QCOMPARE(table.RowTexts(1), DefaultChannelTable().RowTexts(1));   // the default row keeps what it had
}

void TestCli::csvRefusals_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");   // after "FILE: "
    ChannelTable bad;
    bad.SetText(7, ColRx, QStringLiteral("476.42500"));
    bad.SetText(7, ColDecodeTone, QStringLiteral("D029N"));
    QTest::newRow("export of a bad cell") << "export-csv" << ChannelFileBytes(bad, 100)
                                          << "line 207: row 7, CTCSS/DCS Dec: \"D029N\"";
}

void TestCli::csvRefusals()
{
    QFETCH(QString, verb);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("in"), contents));
    const CliRun run = RunCli({verb, dir.filePath("in"), "--out", dir.filePath("out")});
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.ErrLines.size(), 1);
    QVERIFY2(run.ErrLines.value(0).startsWith(dir.filePath("in") + ": " + message), qPrintable(run.ErrLines.value(0)));
    QVERIFY(!QFile::exists(dir.filePath("out")));
}

void TestCli::writeImage()
{
    QRandomGenerator random(23);
    const QByteArray image = ImageBytes(RandomChannelImage(random));
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("radio.img"), image));
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(RandomBytes(random, 8192));
    const CliRun run = RunCli({"write-image", "--port", sim.Port(), "--in", dir.filePath("radio.img")});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.ErrLines, QStringList{"Translate data complete!"});
    QCOMPARE(ChannelRegions(sim.Radio().ImageBytes()), ChannelRegions(image));
}

void TestCli::writeImageRefusesBadContent()
{
    QRandomGenerator random(29);
    ChannelTable table = RandomChannelTable(random);
    table.SetText(42, ColRx, QStringLiteral("481.00000"));
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("bad.img"), ImageBytes(image)));
    QVERIFY(WriteAll(dir.filePath("short.img"), ImageBytes(image).left(8000)));
    Sim sim;
    QVERIFY(sim.Started());
    const CliRun bad = RunCli({"write-image", "--port", sim.Port(), "--in", dir.filePath("bad.img")});
    QCOMPARE(bad.Exit, 2);
    QCOMPARE(bad.ErrLines.size(), 1);
    QVERIFY(bad.ErrLines.value(0).startsWith(dir.filePath("bad.img") + ": row 42, RX Frequency(MHZ): 481.00000 "));
    const CliRun shortImage = RunCli({"write-image", "--port", sim.Port(), "--in", dir.filePath("short.img")});
    QCOMPARE(shortImage.ErrLines, QStringList{dir.filePath("short.img") + ": holds 8000 bytes; an image has 8192"});
    QCOMPARE(sim.Radio().Handshakes(), 0);
}

void TestCli::diff()
{
    QRandomGenerator random(37);
    ChannelTable table = RandomChannelTable(random);
    table.SetText(3, ColRx, QStringLiteral("476.42500"));
    table.SetText(3, ColName, QStringLiteral("ABC"));
    table.SetRowTexts(128, RandomChannelTexts(random));
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("a.img"), ImageBytes(image)));
    QVERIFY(WriteAll(dir.filePath("a.chnw"), ChannelFileBytes(table, 129)));
    const CliRun same = RunCli({"diff", dir.filePath("a.chnw"), dir.filePath("a.img")});
    QCOMPARE(same.Exit, 0);
    QCOMPARE(same.Out, QString());

    table.SetText(3, ColRx, QStringLiteral("476.4500"));   // the same as 476.45000 on the radio
    table.SetText(3, ColName, QStringLiteral("ABD"));
    table.SetRowTexts(128, ChannelTexts());
    QVERIFY(WriteAll(dir.filePath("b.chnw"), ChannelFileBytes(table, 129)));
    const CliRun different = RunCli({"diff", dir.filePath("a.img"), dir.filePath("b.chnw")});
    QCOMPARE(different.Exit, 1);
    const QStringList lines = different.Out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("channel 3, RX Frequency(MHZ): \"476.42500\" -> \"476.45000\""));
    QCOMPARE(lines.value(1), QStringLiteral("channel 3, CH-Name: \"ABC\" -> \"ABD\""));
    QVERIFY(lines.value(2).startsWith("channel 128, "));
    QCOMPARE(RunCli({"diff", dir.filePath("a.img"), dir.filePath("none")}).Exit, 2);
}

// Each read and write keeps its image and channel file; --no-history keeps
// nothing; the history verb lists the entries newest first.
void TestCli::historyOfTransfers()
{
    QRandomGenerator random(23);
    const MemoryImageBytes image = RandomChannelImage(random);
    int inUse = 0;
    for (int slot = 0; slot < 128; ++slot)
        inUse += image[slot * 16 + 3] != 0xFF || image[slot * 16 + 7] != 0xFF ? 1 : 0;
    Sim sim;
    QVERIFY(sim.Started());
    sim.Radio().SetImageBytes(ImageBytes(image));
    QTemporaryDir dir;
    const QString file = dir.filePath("radio.chnw");
    QCOMPARE(RunCli({"read", "--port", sim.Port(), "--out", file}).Exit, 0);
    QCOMPARE(RunCli({"write", "--port", sim.Port(), "--in", file}).Exit, 0);
    QCOMPARE(RunCli({"read", "--port", sim.Port(), "--out", file, "--no-history"}).Exit, 0);

    const QList<HistoryEntry> entries = HistoryEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].Kind, HistoryKind::Write);
    QCOMPARE(entries[1].Kind, HistoryKind::Read);
    for (const HistoryEntry& entry : entries) {
        QCOMPARE(ChannelRegions(ReadAll(entry.DataPath())), ChannelRegions(ImageBytes(image)));
        QCOMPARE(ReadAll(entry.FilePath()), ReadAll(file));
        QCOMPARE(entry.ChannelsInUse, inUse);
    }
    QVERIFY(QFileInfo(entries[1].FilePath()).fileName().contains(
        QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d-read\\.chnw$"))));

    const CliRun list = RunCli({"history"});
    QCOMPARE(list.Exit, 0);
    const QStringList lines = list.Out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].contains("channel write") && lines[0].endsWith(entries[0].FilePath()));
    QVERIFY(lines[1].contains("channel read") && lines[1].contains(QStringLiteral("%1 channels").arg(inUse)));
}

// A history folder that cannot be made is said on stderr; the read stands.
void TestCli::historyThatCannotBeKept()
{
    QVERIFY(QDir().mkpath(QFileInfo(HistoryFolder()).path()));
    QVERIFY(WriteAll(HistoryFolder(), "a file where the folder belongs"));
    Sim sim;
    QVERIFY(sim.Started());
    QTemporaryDir dir;
    const CliRun run = RunCli({"read", "--port", sim.Port(), "--out", dir.filePath("r.chnw")});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.ErrLines.size(), 2);
    QVERIFY2(run.ErrLines[0].startsWith("The radio history could not be kept: "), qPrintable(run.ErrLines[0]));
    QCOMPARE(run.ErrLines[1], QStringLiteral("Recive data complete!"));
    QVERIFY(QFile::exists(dir.filePath("r.chnw")));
    QFile::remove(HistoryFolder());
}

// The newest 100 entries of a kind stay, also within one second.
void TestCli::historyKeepsTheNewest100()
{
    MemoryImageBytes image;
    image.fill(0xFF);
    QString error;
    QVERIFY(KeepChannelImage(HistoryKind::Read, image, error));
    const HistoryEntry oldest = HistoryEntries().first();
    for (int i = 0; i < HistoryKeptPerKind; ++i)
        QVERIFY(KeepChannelImage(HistoryKind::Read, image, error));
    QVERIFY(KeepOptionFrame(HistoryKind::WriteOptions, OptionFrame{}, error));
    const QList<HistoryEntry> entries = HistoryEntries();
    QCOMPARE(entries.size(), HistoryKeptPerKind + 1);
    QCOMPARE(entries.first().Kind, HistoryKind::WriteOptions);
    QCOMPARE(entries.first().ChannelsInUse, -1);
    QVERIFY(!QFile::exists(oldest.DataPath()) && !QFile::exists(oldest.FilePath()));
    for (const HistoryEntry& entry : entries)
        QVERIFY(QFile::exists(entry.DataPath()) && QFile::exists(entry.FilePath()));
    QCOMPARE(entries.last().ChannelsInUse, 0);
}

void TestCli::writeVerify_data()
{
    QTest::addColumn<int>("alterWriteAt");  // the write block the radio stores changed; -1: none
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("said");
    QTest::newRow("the radio holds what was written") << -1 << 0
                                                      << "Verify after write: the radio holds every byte written.";
    QTest::newRow("a record byte changed") << 5 << 1 << "Verify after write: channel 3, RX frequency reads back ";
    QTest::newRow("a name byte changed") << 6 << 1 << "Verify after write: channel 3, name reads back ";
}

// write --verify reads the radio back: a byte it stores changed is named by
// channel and field, its image kept in the history, and the run fails.
void TestCli::writeVerify()
{
    QFETCH(int, alterWriteAt);
    QFETCH(int, exit);
    QFETCH(QString, said);
    QRandomGenerator random(29);
    ChannelTable table = RandomChannelTable(random);
    table.SetText(3, ColRx, QStringLiteral("430.00000"));
    table.SetText(3, ColName, QStringLiteral("ABC"));
    QTemporaryDir dir;
    const QString file = dir.filePath("w.chnw");
    QVERIFY(WriteAll(file, ChannelFileBytes(table, 129)));
    SimConfig config;
    config.alterWriteAt = alterWriteAt;
    Sim sim(config);
    QVERIFY(sim.Started());

    const CliRun run = RunCli({"write", "--port", sim.Port(), "--in", file, "--verify"});
    QCOMPARE(run.Exit, exit);
    QCOMPARE(run.ErrLines.size(), 2);
    QCOMPARE(run.ErrLines[0], QStringLiteral("Translate data complete!"));
    QVERIFY2(run.ErrLines[1].startsWith(said), qPrintable(run.ErrLines[1]));
    QCOMPARE(sim.Radio().Handshakes(), 2);
    const QList<HistoryEntry> entries = HistoryEntries();
    QCOMPARE(entries.size(), exit == 0 ? 1 : 2);
    if (exit != 0) {
        QCOMPARE(entries[0].Kind, HistoryKind::Verify);
        QCOMPARE(ChannelRegions(ReadAll(entries[0].DataPath())), ChannelRegions(sim.Radio().ImageBytes()));
    }
}

void TestCli::compare_data()
{
    QTest::addColumn<bool>("channels");
    QTest::addColumn<bool>("changeOne");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("out");
    QTest::newRow("channels, the same") << true << false << false << 0 << QString();
    QTest::newRow("channels, one field") << true << true << false << 1
                                         << "channel 3, TX Power: Low here, High in the radio\n";
    QTest::newRow("options, the same") << false << false << false << 0 << QString();
    QTest::newRow("options, one option") << false << true << false << 1 << "Ssquelch Leverl: 3 here, 5 in the radio\n";
    QTest::newRow("no radio") << true << false << true << 2 << QString();
}

// compare reads the radio into the history, writes nothing, and prints each
// difference on stdout; the same radio is said on stderr.
void TestCli::compare()
{
    QFETCH(bool, channels);
    QFETCH(bool, changeOne);
    QFETCH(bool, silent);
    QFETCH(int, exit);
    QFETCH(QString, out);
    ChannelTable table = DefaultChannelTable();
    table.SetText(3, ColPower, QStringLiteral("Low"));
    OptionValues options = DesignOptionValues();
    options[OptionSlot::Squelch] = 3;
    QTemporaryDir dir;
    QString error;
    QVERIFY(WriteAll(dir.filePath("c.chnw"), ChannelFileBytes(table, 129)));
    QVERIFY(WriteOptionFile(dir.filePath("c.optw"), options, error));
    SimConfig config;
    config.silent = silent;
    Sim sim(config);
    QVERIFY(sim.Started());
    if (changeOne) {
        table.SetText(3, ColPower, QStringLiteral("High"));
        options[OptionSlot::Squelch] = 5;
    }
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    sim.Radio().SetImageBytes(ImageBytes(image));
    sim.Radio().SetOptionBytes(FrameFromOptions(options));

    const QString file = dir.filePath(channels ? "c.chnw" : "c.optw");
    const CliRun run = RunCli({"compare", "--port", sim.Port(), channels ? "--in" : "--options", file});
    QCOMPARE(run.Exit, exit);
    QCOMPARE(run.Out, out);
    QCOMPARE(run.ErrLines.contains(QStringLiteral("The radio holds exactly what %1 holds.").arg(file)), exit == 0);
    QCOMPARE(HistoryEntries().size(), exit == 2 ? 0 : 1);
    QCOMPARE(ChannelRegions(sim.Radio().ImageBytes()), ChannelRegions(ImageBytes(image)));  // nothing written
    QCOMPARE(RunCli({"compare", "--port", sim.Port()}).Exit, 2);
}

void TestCli::program_data()
{
    QTest::addColumn<int>("alterWriteAt");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("backupAndOptions");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QStringList>("prompts");   // radio numbers; "2 again" after a failure
    QTest::addColumn<QStringList>("results");   // one per radio programmed
    QTest::addColumn<int>("entries");           // kept in the history
    QTest::addColumn<QString>("counts");
    QTest::newRow("two radios, then the input ends")
        << -1 << QByteArray("\n\n") << false << 0 << QStringList{"1", "2", "3"}
        << QStringList{"radio 1, verified", "radio 2, verified"} << 2 << "2 verified, 0 failed";
    QTest::newRow("q before the first") << -1 << QByteArray("q\n") << false << 2 << QStringList{"1"}
                                        << QStringList() << 0 << "0 verified, 0 failed";
    QTest::newRow("a failed radio retried, then passed over")
        << 5 << QByteArray("\n\nn\nq\n") << false << 1 << QStringList{"1", "1 again", "1 again", "2"}
        << QStringList{"radio 1, failed: Verify after write: channel 3, RX frequency",
                       "radio 1, failed: Verify after write: channel 3, RX frequency"}
        << 4 << "0 verified, 1 failed";
    QTest::newRow("kept first, with options") << -1 << QByteArray("\n") << true << 0 << QStringList{"1", "2"}
                                              << QStringList{"radio 1, verified"} << 4 << "1 verified, 0 failed";
}

// program: a prompt on stderr for each radio, one line per radio and the
// counts on stdout, the log rewritten after each radio, the exit code.
void TestCli::program()
{
    QFETCH(int, alterWriteAt);
    QFETCH(QByteArray, input);
    QFETCH(bool, backupAndOptions);
    QFETCH(int, exit);
    QFETCH(QStringList, prompts);
    QFETCH(QStringList, results);
    QFETCH(int, entries);
    QFETCH(QString, counts);
    QTemporaryDir dir;
    QString error;
    QVERIFY(WriteAll(dir.filePath("p.chnw"), ChannelFileBytes(DefaultChannelTable(), 129)));
    QVERIFY(WriteOptionFile(dir.filePath("p.optw"), DesignOptionValues(), error));
    SimConfig config;
    config.alterWriteAt = alterWriteAt;
    Sim sim(config);
    QVERIFY(sim.Started());
    QStringList arguments{"program", "--port", sim.Port(), "--in", dir.filePath("p.chnw"),
                          "--log", dir.filePath("p.csv")};
    if (backupAndOptions)
        arguments << "--backup" << "--options" << dir.filePath("p.optw");

    const CliRun run = RunCli(arguments, input);
    QCOMPARE(run.Exit, exit);
    QStringList asked;
    for (const QString& line : run.ErrLines)
        if (line.startsWith("Connect radio "))
            asked << line;
    QCOMPARE(asked.size(), prompts.size());
    for (int i = 0; i < prompts.size(); ++i) {
        const QString number = prompts[i].section(u' ', 0, 0);
        QCOMPARE(asked[i], prompts[i].endsWith("again")
                     ? QStringLiteral("Connect radio %1 again and press Enter (n for radio %2, q to stop)")
                           .arg(number).arg(number.toInt() + 1)
                     : QStringLiteral("Connect radio %1 and press Enter (q to stop)").arg(number));
    }
    const QStringList out = run.Out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(out.size(), results.size() + 1);
    const QRegularExpression line(QStringLiteral("^(radio [0-9]+), [0-9:]{8}, [0-9]+\\.[0-9] s, (.*)$"));
    for (int i = 0; i < results.size(); ++i) {
        const QRegularExpressionMatch match = line.match(out[i]);
        QVERIFY2(match.hasMatch(), qPrintable(out[i]));
        QVERIFY2((match.captured(1) + ", " + match.captured(2)).startsWith(results[i]), qPrintable(out[i]));
    }
    QCOMPARE(out.last(), counts);
    QCOMPARE(HistoryEntries().size(), entries);
    const QStringList log = QString::fromUtf8(ReadAll(dir.filePath("p.csv"))).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(log.size(), results.isEmpty() ? 0 : results.size() + 1);
    for (int i = 0; i < results.size(); ++i)
        QVERIFY(log[i + 1].startsWith(results[i].section(u',', 0, 0).mid(6) + u','));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
