// fane5-cli read-options / write-options as a user runs them: a separate
// process against the simulated radio, option files on disk, exit codes.
#include "base/languagestr.h"
#include "history/RadioHistory.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "sim/SimRadio.h"
#include "tests/TemporaryHome.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CliRun {
    int Exit = -1;
    QString Err;
};

CliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(FANE5_CLI_PATH), arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

OptionValues EveryControlChanged()
{
    OptionValues v;
    v.at = {98, 50, 0, 8, 0, 14, 9, 88, 0, 3, 9, 1, 1, 1};
    return v;
}

} // namespace

class TestOptionCli : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("fane5")); }
    void writeThenRead();
    void refusals_data();
    void refusals();
    void writeVerify();
};

// A file written to the radio comes back, byte for byte, from a read; the
// radio history keeps both frames with their option files.
void TestOptionCli::writeThenRead()
{
    SimRadio radio;
    QVERIFY(radio.Start({}));
    QTemporaryDir dir;
    const QString in = dir.filePath("mine.optw"), out = dir.filePath("radio.optw");
    QString error;
    QVERIFY(WriteOptionFile(in, EveryControlChanged(), error));

    CliRun run = RunCli({"write-options", "--port", radio.DevicePath(), "--in", in});
    QCOMPARE(run.Exit, 0);
    QVERIFY2(run.Err.contains(languagestr::TranslateComplete), qPrintable(run.Err));
    QVERIFY(radio.OptionBytes() == FrameFromOptions(EveryControlChanged()));

    run = RunCli({"read-options", "--port", radio.DevicePath(), "--out", out});
    QCOMPARE(run.Exit, 0);
    QVERIFY2(run.Err.contains(languagestr::ReciveComplete), qPrintable(run.Err));
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), WriteControlLines(EveryControlChanged()));

    const QList<HistoryEntry> entries = HistoryEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].Kind, HistoryKind::ReadOptions);
    QCOMPARE(entries[1].Kind, HistoryKind::WriteOptions);
    const OptionFrame frame = FrameFromOptions(EveryControlChanged());
    for (const HistoryEntry& entry : entries) {
        QFile data(entry.DataPath()), lines(entry.FilePath());
        QVERIFY(data.open(QIODevice::ReadOnly) && lines.open(QIODevice::ReadOnly));
        QCOMPARE(data.readAll(), QByteArray(reinterpret_cast<const char*>(frame.data()), 16));
        QCOMPARE(lines.readAll(), WriteControlLines(EveryControlChanged()));
    }
}

void TestOptionCli::refusals_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QByteArray>("file");  // the --in file; for read-options the --out is made unwritable when set
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("message");
    const QByteArray good = WriteControlLines(DesignOptionValues());
    QByteArray yes = good;
    yes.replace("0\r\n0\r\n0\r\n", "yes\r\n0\r\n0\r\n");  // the first check box
    QTest::newRow("write: bad line, nothing sent") << "write-options" << false << yes << 2
                                                   << "line 12 (LCD Ceiling Mounting)";
    QTest::newRow("write: silent radio") << "write-options" << true << good << 1 << languagestr::DeviceUnconnect;
    QTest::newRow("read: silent radio, no file") << "read-options" << true << QByteArray() << 1
                                                 << languagestr::DeviceUnconnect;
    QTest::newRow("read: unwritable file") << "read-options" << false << QByteArray("x") << 2 << "no/such/dir";
}

void TestOptionCli::refusals()
{
    QFETCH(QString, verb);
    QFETCH(bool, silent);
    QFETCH(QByteArray, file);
    QFETCH(int, exit);
    QFETCH(QString, message);
    SimConfig config;
    config.silent = silent;
    SimRadio radio;
    QVERIFY(radio.Start(config));
    const RadioMemory before = radio.Memory();
    QTemporaryDir dir;
    QString path = dir.filePath("options.optw");
    if (verb == "write-options") {
        QFile in(path);
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file) == file.size());
    } else if (!file.isEmpty()) {
        path = dir.filePath("no/such/dir/options.optw");
    }
    const CliRun run = RunCli({verb, "--port", radio.DevicePath(),
                               verb == "write-options" ? "--in" : "--out", path});
    QCOMPARE(run.Exit, exit);
    QVERIFY2(run.Err.contains(message), qPrintable(run.Err));
    QVERIFY(radio.Memory() == before);
    if (verb == "write-options" && exit == 2)
        QCOMPARE(radio.ReceivedFrames().size(), 0);
    if (verb == "read-options")
        QVERIFY(!QFile::exists(path));
}

// write-options --verify names an option the radio stores changed and fails.
void TestOptionCli::writeVerify()
{
    QDir(HistoryFolder()).removeRecursively();
    QTemporaryDir dir;
    const QString in = dir.filePath("mine.optw");
    QString error;
    QVERIFY(WriteOptionFile(in, EveryControlChanged(), error));
    for (const int alterWriteAt : {-1, 1}) {
        SimConfig config;
        config.alterWriteAt = alterWriteAt;
        SimRadio radio;
        QVERIFY(radio.Start(config));
        const CliRun run = RunCli({"write-options", "--port", radio.DevicePath(), "--in", in, "--verify"});
        const QStringList lines = run.Err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), languagestr::TranslateComplete);
        if (alterWriteAt < 0) {
            QCOMPARE(run.Exit, 0);
            QCOMPARE(lines.value(1), QStringLiteral("Verify after write: the radio holds every option written."));
        } else {
            QCOMPARE(run.Exit, 1);
            QCOMPARE(lines.value(1), QStringLiteral("Verify after write: option byte 0E20h (The Current Channel) "
                                                    "reads back 62h where 63h was written."));
            QCOMPARE(HistoryEntries().first().Kind, HistoryKind::VerifyOptions);
        }
    }
}

QTEST_GUILESS_MAIN(TestOptionCli)
#include "tst_optioncli.moc"
