// Channel and option transfers against the simulated radio: whole transfers
// compared with the radio's memory, frame order, and every failure path with
// its message, its result and what it leaves behind.
#include "LinkTestSupport.h"
#include "link/Transfers.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <sys/resource.h>

Q_DECLARE_METATYPE(SimConfig)

namespace {

const QString Handshake = QStringLiteral("QWPRXMVZ5");
const QString Unconnect = QStringLiteral(
    "Device unconnect or device on booting,please wait a minute,then try again!");
const QString OperateOut = QStringLiteral("Error port operate out!");

SimConfig Config(void (*change)(SimConfig&))
{
    SimConfig config;
    change(config);
    return config;
}

// Radio address of read block k (1-based) and of write block k.
int ReadBlockAddress(int k) { return 0x10 + 64 * ((k - 1) / 2) + 0x1000 * ((k - 1) % 2); }
int WriteBlockAddress(int k) { return 0x10 + 16 * ((k - 1) / 2) + 0x1000 * ((k - 1) % 2); }

QStringList Requests(char kind, int blocks, int (*address)(int), const QString& suffix)
{
    QStringList names;
    for (int k = 1; k <= blocks; ++k)
        names << QStringLiteral("%1 %2%3").arg(QLatin1Char(kind)).arg(address(k), 4, 16, QLatin1Char('0')).toUpper().arg(suffix);
    return names;
}

MemoryImageBytes Filled(std::uint8_t value)
{
    MemoryImageBytes image;
    image.fill(value);
    return image;
}

MemoryImageBytes RandomImage(quint32 seed)
{
    MemoryImageBytes image;
    QRandomGenerator random(seed);
    for (auto& byte : image)
        byte = std::uint8_t(random.bounded(256));
    return image;
}

// Records progress and the thread it arrived on.
struct ProgressLog {
    QList<QPair<int, int>> steps;
    bool foreignThread = false;
    ProgressFn Fn()
    {
        return [this](int position, int maximum) {
            foreignThread |= QThread::currentThread() != qApp->thread();
            steps << qMakePair(position, maximum);
        };
    }
};

} // namespace

class TestTransfers : public QObject {
    Q_OBJECT
private slots:
    void workerCannotStart();  // first: no thread stack may be cached for reuse yet
    void fullRead();
    void fullWrite();
    void channelFailures_data();
    void channelFailures();
    void optionRead();
    void optionWrite();
    void optionFailures_data();
    void optionFailures();
    void onWorker_data();
    void onWorker();
};

void TestTransfers::fullRead()
{
    const auto radio = StartRadio({});
    MemoryImageBytes image = Filled(0xEE);
    ScriptedUi ui;
    ProgressLog progress;
    QVERIFY(ReadChannelMemory(TestLink(), 128, radio->DevicePath(), image, ui, progress.Fn()));
    QVERIFY(ui.Texts().isEmpty());

    const QByteArray radioImage = radio->ImageBytes();
    for (int offset = 0; offset < int(image.size()); ++offset) {
        const bool channel = offset < 0x800 || (offset >= 0x1000 && offset < 0x1800);
        QCOMPARE(image[offset], channel ? std::uint8_t(radioImage[offset]) : 0xEE);
    }
    QStringList expected{Handshake, "02", "06"};
    for (const QString& request : Requests('R', 64, ReadBlockAddress, {}))
        expected << request << "06";
    QCOMPARE(FrameNames(radio->ReceivedFrames()), expected);
    QCOMPARE(expected[3], QStringLiteral("R 0010"));
    QCOMPARE(expected[5], QStringLiteral("R 1010"));
    QCOMPARE(expected[7], QStringLiteral("R 0050"));
    QCOMPARE(expected[expected.size() - 2], QStringLiteral("R 17D0"));
    QCOMPARE(progress.steps.size(), 65);
    QCOMPARE(progress.steps.first(), qMakePair(0, 4416));
    QCOMPARE(progress.steps.last(), qMakePair(4416, 4416));
    QVERIFY(PortIsFree(radio->DevicePath()));
}

void TestTransfers::fullWrite()
{
    const auto radio = StartRadio({});
    const RadioMemory before = radio->Memory();
    const MemoryImageBytes image = RandomImage(7);
    ScriptedUi ui;
    ProgressLog progress;
    QVERIFY(WriteChannelMemory(TestLink(), 128, radio->DevicePath(), image, ui, progress.Fn()));
    QVERIFY(ui.Texts().isEmpty());

    const RadioMemory after = radio->Memory();
    for (int address = 0; address < int(after.size()); ++address) {
        const bool channel = (address >= 0x10 && address < 0x810) || (address >= 0x1010 && address < 0x1810);
        QCOMPARE(after[address], channel ? image[address - 0x10] : before[address]);
    }
    const QStringList writes = Only(FrameNames(radio->ReceivedFrames()), QLatin1Char('W'));
    QCOMPARE(writes, Requests('W', 256, WriteBlockAddress, QStringLiteral(" +16")));
    QCOMPARE(writes.first(2), (QStringList{"W 0010 +16", "W 1010 +16"}));
    QCOMPARE(writes.last(), QStringLiteral("W 1800 +16"));
    QCOMPARE(progress.steps.last(), qMakePair(4096, 4096));
    QVERIFY(PortIsFree(radio->DevicePath()));
}

void TestTransfers::channelFailures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<SimConfig>("config");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("blocksDone");  // blocks in the image (read) or in the radio (write)

    const QStringList code1{"Connect Crc faild code:(1)"};
    QTest::newRow("read: block 20 not acknowledged")
        << false << Config([](SimConfig& c) { c.noAckAt = 20; }) << code1 << 19;
    QTest::newRow("read: block 5 short")
        << false << Config([](SimConfig& c) { c.shortReplyAt = 5; }) << QStringList{OperateOut} << 4;
    QTest::newRow("read: radio vanishes at block 10")
        << false << Config([](SimConfig& c) { c.vanishAt = 10; }) << QStringList{OperateOut} << 9;
    QTest::newRow("read: endless foreign bytes from block 3")
        << false << Config([](SimConfig& c) { c.endlessGarbageAt = 3; }) << code1 << 2;
    QTest::newRow("read: silent radio")
        << false << Config([](SimConfig& c) { c.silent = true; }) << QStringList{Unconnect} << 0;
    QTest::newRow("read: block 7 stalls")
        << false << Config([](SimConfig& c) { c.stallAt = 7; }) << QStringList{} << 64;
    QTest::newRow("read: foreign bytes before each 06")
        << false << Config([](SimConfig& c) { c.garbage = 4; }) << QStringList{} << 64;
    QTest::newRow("write: block 9 not acknowledged")
        << true << Config([](SimConfig& c) { c.noAckAt = 9; }) << code1 << 8;
    QTest::newRow("write: radio vanishes at block 9")
        << true << Config([](SimConfig& c) { c.vanishAt = 9; }) << code1 << 8;
    QTest::newRow("write: endless foreign bytes from block 12")
        << true << Config([](SimConfig& c) { c.endlessGarbageAt = 12; }) << code1 << 11;
}

void TestTransfers::channelFailures()
{
    QFETCH(bool, write);
    QFETCH(SimConfig, config);
    QFETCH(QStringList, texts);
    QFETCH(int, blocksDone);

    const auto radio = StartRadio(config);
    const RadioMemory before = radio->Memory();
    const QByteArray radioImage = radio->ImageBytes();
    MemoryImageBytes image = write ? RandomImage(7) : Filled(0xEE);
    const MemoryImageBytes imageBefore = image;
    ScriptedUi ui;
    const bool ok = write ? WriteChannelMemory(TestLink(), 128, radio->DevicePath(), image, ui, {})
                          : ReadChannelMemory(TestLink(), 128, radio->DevicePath(), image, ui, {});
    QCOMPARE(ok, texts.isEmpty());
    QCOMPARE(ui.Texts(), texts);
    QVERIFY(!TestLink().IsOpen());
    if (radio->Running())
        QVERIFY(PortIsFree(radio->DevicePath()));

    if (write) {
        RadioMemory expected = before;
        for (int k = 1; k <= blocksDone; ++k)
            for (int i = 0; i < 16; ++i)
                expected[WriteBlockAddress(k) + i] = image[WriteBlockAddress(k) - 0x10 + i];
        QVERIFY(radio->Memory() == expected);
    } else {
        MemoryImageBytes expected = imageBefore;
        for (int k = 1; k <= blocksDone; ++k)
            for (int i = 0; i < 64; ++i)
                expected[ReadBlockAddress(k) - 0x10 + i] = std::uint8_t(radioImage[ReadBlockAddress(k) - 0x10 + i]);
        QVERIFY(image == expected);
    }
}

void TestTransfers::optionRead()
{
    const auto radio = StartRadio({});
    RadioMemory memory = radio->Memory();
    for (int i = 0; i < 16; ++i)
        memory[0x0E20 + i] = std::uint8_t(i + 1);
    radio->SetMemory(memory);
    OptionFrame frame;
    frame.fill(0xCC);
    ScriptedUi ui;
    ProgressLog progress;
    QVERIFY(ReadDovaOptions(TestLink(), radio->DevicePath(), frame, ui, progress.Fn()));
    QVERIFY(ui.Texts().isEmpty());
    for (int i = 0; i < 16; ++i)
        QCOMPARE(frame[i], std::uint8_t(i + 1));
    QCOMPARE(FrameNames(radio->ReceivedFrames()), (QStringList{Handshake, "02", "06", "R 0E00", "06"}));
    QCOMPARE(progress.steps.last(), qMakePair(6, 6));
    QVERIFY(!progress.foreignThread);
    QVERIFY(PortIsFree(radio->DevicePath()));
}

void TestTransfers::optionWrite()
{
    const auto radio = StartRadio({});
    const RadioMemory before = radio->Memory();
    OptionFrame frame;
    for (int i = 0; i < 16; ++i)
        frame[i] = std::uint8_t(0xA0 + i);
    ScriptedUi ui;
    ProgressLog progress;
    QVERIFY(WriteDovaOptions(TestLink(), radio->DevicePath(), frame, ui, progress.Fn()));
    QVERIFY(ui.Texts().isEmpty());
    RadioMemory expected = before;
    std::copy(frame.begin(), frame.end(), expected.begin() + 0x0E20);
    QVERIFY(radio->Memory() == expected);
    QCOMPARE(FrameNames(radio->ReceivedFrames()), (QStringList{Handshake, "02", "06", "W 0E20 +16"}));
    QCOMPARE(progress.steps.first(), qMakePair(1, 6));
    QCOMPARE(progress.steps.last(), qMakePair(6, 6));
    QVERIFY(PortIsFree(radio->DevicePath()));
}

void TestTransfers::optionFailures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<SimConfig>("config");
    QTest::addColumn<bool>("ackMode");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("handshakes");
    QTest::addColumn<bool>("ackModeAfter");

    QTest::newRow("read: other ending found by the switch")
        << false << Config([](SimConfig& c) { c.otherEnding = true; }) << true
        << QStringList{OperateOut} << true << 2 << false;
    QTest::newRow("read: switch back to the confirm")
        << false << SimConfig{} << false << QStringList{} << true << 1 << true;
    QTest::newRow("read: reply short, switched once only")
        << false << Config([](SimConfig& c) { c.shortReplyAt = 1; }) << true
        << QStringList{OperateOut, OperateOut} << false << 2 << true;
    QTest::newRow("read: not acknowledged")
        << false << Config([](SimConfig& c) { c.noAckAt = 1; }) << true
        << QStringList{"Connect Crc faild code:(3)"} << false << 1 << true;
    QTest::newRow("write: not acknowledged")
        << true << Config([](SimConfig& c) { c.noAckAt = 1; }) << true
        << QStringList{"Connect Crc faild code:(3)"} << false << 1 << true;
    QTest::newRow("write: silent radio")
        << true << Config([](SimConfig& c) { c.silent = true; }) << true
        << QStringList{Unconnect} << false << 1 << true;
}

void TestTransfers::optionFailures()
{
    QFETCH(bool, write);
    QFETCH(SimConfig, config);
    QFETCH(bool, ackMode);
    QFETCH(QStringList, texts);
    QFETCH(bool, result);
    QFETCH(int, handshakes);
    QFETCH(bool, ackModeAfter);

    const auto radio = StartRadio(config);
    const RadioMemory before = radio->Memory();
    TestLink().HandshakeAckMode = ackMode;
    OptionFrame frame;
    frame.fill(0xCC);
    ScriptedUi ui;
    const bool ok = write ? WriteDovaOptions(TestLink(), radio->DevicePath(), frame, ui, {})
                          : ReadDovaOptions(TestLink(), radio->DevicePath(), frame, ui, {});
    QCOMPARE(ok, result);
    QCOMPARE(ui.Texts(), texts);
    QCOMPARE(radio->Handshakes(), handshakes);
    QCOMPARE(TestLink().HandshakeAckMode, ackModeAfter);
    QVERIFY(PortIsFree(radio->DevicePath()));
    if (!write) {
        OptionFrame expected;
        if (result)
            std::copy(before.begin() + 0x0E20, before.begin() + 0x0E30, expected.begin());
        else
            expected.fill(0xCC);  // a failed read leaves the frame alone
        QVERIFY(frame == expected);
    } else if (!result) {
        QVERIFY(radio->Memory() == before);
    }
}

void TestTransfers::onWorker_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<SimConfig>("config");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("read") << false << SimConfig{} << QStringList{};
    QTest::newRow("write") << true << SimConfig{} << QStringList{};
    QTest::newRow("read fails on the worker")
        << false << Config([](SimConfig& c) { c.noAckAt = 2; }) << QStringList{"Connect Crc faild code:(1)"};
}

void TestTransfers::onWorker()
{
    QFETCH(bool, write);
    QFETCH(SimConfig, config);
    QFETCH(QStringList, texts);
    const auto radio = StartRadio(config);
    MemoryImageBytes image = RandomImage(3);
    ScriptedUi ui;
    ProgressLog progress;
    const QString port = radio->DevicePath();
    const bool ok = RunOnWorker(
        [&](const ProgressFn& report) {
            return write ? WriteChannelMemory(TestLink(), 128, port, image, ui, report)
                         : ReadChannelMemory(TestLink(), 128, port, image, ui, report);
        },
        progress.Fn());
    QCOMPARE(ok, texts.isEmpty());
    QCOMPARE(ui.Texts(), texts);
    QVERIFY(!progress.foreignThread);
    QVERIFY(!progress.steps.isEmpty());
    for (qsizetype i = 1; i < progress.steps.size(); ++i)
        QVERIFY(progress.steps[i].first >= progress.steps[i - 1].first);
    if (ok) {
        QCOMPARE(progress.steps.last().first, progress.steps.last().second);
        const QByteArray radioImage = radio->ImageBytes();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), 0x800), radioImage.left(0x800));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()) + 0x1000, 0x800), radioImage.mid(0x1000, 0x800));
    }
    QVERIFY(!TestLink().IsOpen());
}

// A worker that cannot start (no room for its stack) is reported, not awaited.
void TestTransfers::workerCannotStart()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("address-space limits do not work with AddressSanitizer");
#endif
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        QSKIP("no /proc/self/statm");
    const qint64 used = statm.readAll().split(' ').first().toLongLong() * ::sysconf(_SC_PAGESIZE);
    rlimit old{};
    QVERIFY(::getrlimit(RLIMIT_AS, &old) == 0);
    const rlimit tight{rlim_t(used + (1 << 20)), old.rlim_max};
    bool ran = false;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^QThread::start: Thread creation error")));
    QVERIFY(::setrlimit(RLIMIT_AS, &tight) == 0);
    const bool ok = RunOnWorker([&ran](const ProgressFn&) { return ran = true; }, {});
    ::setrlimit(RLIMIT_AS, &old);
    QVERIFY(!ok);
    QVERIFY(!ran);
}

QTEST_GUILESS_MAIN(TestTransfers)
#include "tst_transfers.moc"
