// The fane5-sim program as scripts and other programs use it: start memory
// and option bytes in, memory out on exit, faults from the command line.
#include "LinkTestSupport.h"
#include "channels/DemoChannels.h"
#include "link/Transfers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestSimProgram : public QObject {
    Q_OBJECT
private slots:
    void memoryInAndOut();
    void startMemory_data();
    void startMemory();
    void badArguments_data();
    void badArguments();

private:
    static QString StartSim(QProcess& sim, const QStringList& arguments);
};

QString TestSimProgram::StartSim(QProcess& sim, const QStringList& arguments)
{
    sim.start(QStringLiteral(FANE5_SIM), arguments);
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

void TestSimProgram::memoryInAndOut()
{
    QTemporaryDir dir;
    const QString imagePath = dir.filePath(QStringLiteral("start.bin"));
    const QString savePath = dir.filePath(QStringLiteral("end.bin"));
    QByteArray start(8192, '\0');
    QRandomGenerator random(5);
    for (auto& c : start)
        c = char(random.bounded(256));
    QFile file(imagePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(start);
    file.close();

    QProcess sim;
    const QString device = StartSim(sim, {"--image", imagePath, "--options", "000102030405060708090a0b0c0d0e0f",
                                          "--save", savePath});
    QVERIFY2(device.startsWith(QLatin1Char('/')), qPrintable(device));
    TestLink().Reset();
    ScriptedUi ui;
    MemoryImageBytes image{};
    QVERIFY(ReadChannelMemory(TestLink(), 128, device, image, ui, {}));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), 0x800), start.left(0x800));
    OptionFrame frame{};
    QVERIFY(ReadDovaOptions(TestLink(), device, frame, ui, {}));
    for (int i = 0; i < 16; ++i)
        QCOMPARE(frame[i], std::uint8_t(i));

    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t(~image[i]);
    QVERIFY(WriteChannelMemory(TestLink(), 128, device, image, ui, {}));
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);

    QFile saved(savePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QByteArray expected = start;
    for (int offset : {0, 0x1000})
        for (int i = offset; i < offset + 0x800; ++i)
            expected[i] = char(image[i]);
    for (int i = 0; i < 16; ++i)
        expected[0x0E20 - 0x10 + i] = char(i);
    QCOMPARE(saved.readAll(), expected);
}

// A fresh radio holds the demo radio's channels, so that what is read from
// it can be written back; --blank leaves its memory empty.
void TestSimProgram::startMemory_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("demo");
    QTest::newRow("demo channels") << QStringList{} << true;
    QTest::newRow("blank") << QStringList{"--blank"} << false;
}

void TestSimProgram::startMemory()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, demo);
    QProcess sim;
    const QString device = StartSim(sim, arguments);
    QVERIFY2(device.startsWith(QLatin1Char('/')), qPrintable(device));
    TestLink().Reset();
    ScriptedUi ui;
    MemoryImageBytes image{};
    QVERIFY(ReadChannelMemory(TestLink(), 128, device, image, ui, {}));
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
    MemoryImageBytes expected{};
    if (demo)
        expected = DemoChannelImage();
    for (int offset : {0, 0x1000})
        for (int i = offset; i < offset + 0x800; ++i)
            QCOMPARE(image[i], expected[i]);
}

void TestSimProgram::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("short option bytes") << QStringList{"--options", "0102"} << "--options";
    QTest::newRow("bad block") << QStringList{"--no-ack", "x"} << "--no-ack";
    QTest::newRow("missing image") << QStringList{"--image", "/nonexistent/fane5.bin"} << "/nonexistent/fane5.bin";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
}

void TestSimProgram::badArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess sim;
    sim.start(QStringLiteral(FANE5_SIM), arguments);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 2);
    QVERIFY(sim.readAllStandardOutput().isEmpty());
    QVERIFY(QString::fromLocal8Bit(sim.readAllStandardError()).contains(message));
}

QTEST_GUILESS_MAIN(TestSimProgram)
#include "tst_simprogram.moc"
