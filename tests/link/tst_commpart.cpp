// The serial port primitives over a raw pseudo-terminal the test drives
// itself, and the mapping of Port items to devices.
#include "LinkTestSupport.h"
#include "link/LineProbe.h"
#include "link/PortNames.h"
#include "link/SerialLine.h"

#include <future>
#include <thread>
#include <unistd.h>

namespace {

// A line whose open or close returns only when the test lets it; it says
// when its probe is over, so that no case outlives its own test.
class HeldLine final : public RadioLine {
public:
    enum Hold { None, AtOpen, AtClose };
    HeldLine(Hold hold, bool opens, std::shared_future<void> release, std::promise<void>& gone)
        : hold_(hold), opens_(opens), release_(std::move(release)), gone_(gone)
    {
    }
    ~HeldLine() override { gone_.set_value(); }
    bool Open(CommOpenFailure*) override
    {
        if (hold_ == AtOpen)
            release_.wait();
        open_ = opens_;
        return opens_;
    }
    void Close() override
    {
        if (hold_ == AtClose)
            release_.wait();
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    bool ReadByte(std::uint8_t&) override { return false; }
    bool ReadBurst(std::uint8_t*, int) override { return false; }
    bool Write(const std::uint8_t*, int) override { return false; }

private:
    Hold hold_;
    bool opens_, open_ = false;
    std::shared_future<void> release_;
    std::promise<void>& gone_;
};

} // namespace

Q_DECLARE_METATYPE(HeldLine::Hold)


class TestCommPart : public QObject {
    Q_OBJECT
private slots:
    void openFailures();
    void emptySlot();
    void writeArrivesWhole();
    void readBuffer_data();
    void readBuffer();
    void silentByteRead();
    void orderDevices_data();
    void orderDevices();
    void portDevice_data();
    void portDevice();
    void probeIsBounded_data();
    void probeIsBounded();
    void probeOpensASerialPortQuietly();
};

void TestCommPart::openFailures()
{
    CommOpenFailure why = CommOpenFailure::None;
    QVERIFY(!OpenComm(QStringLiteral("/dev/fane5-no-such-port"), &why));
    QCOMPARE(why, CommOpenFailure::NotFound);

    RawPty pty;
    TCommPort* first = OpenComm(pty.device, &why);
    QVERIFY(first);
    QCOMPARE(why, CommOpenFailure::None);
    QVERIFY(!OpenComm(pty.device, &why));  // exclusive
    QCOMPARE(why, CommOpenFailure::InUse);
    CloseComm(first);
    QVERIFY(!first);
    TCommPort* again = OpenComm(pty.device);
    QVERIFY(again);
    CloseComm(again);
}

void TestCommPart::emptySlot()
{
    TCommPort* slot = nullptr;
    CloseComm(slot);
    CloseComm(slot);
    QVERIFY(!slot);
    std::uint8_t byte = 0;
    std::uint8_t buffer[4] = {1, 2, 3, 4};
    QVERIFY(!ReadCommByte(slot, byte));
    QVERIFY(!WriteCommBuffer(slot, buffer, 4));
    QVERIFY(!ReadCommBuffer(slot, buffer, 4));
}

void TestCommPart::writeArrivesWhole()
{
    RawPty pty;
    TCommPort* port = OpenComm(pty.device);
    QVERIFY(port);
    QByteArray frame(20, '\0');
    for (int i = 0; i < 20; ++i)
        frame[i] = char(0xF0 + i);
    QVERIFY(WriteCommBuffer(port, reinterpret_cast<const std::uint8_t*>(frame.constData()), 20));
    QCOMPARE(pty.Take(20), frame);
    CloseComm(port);
}

void TestCommPart::readBuffer_data()
{
    QTest::addColumn<int>("first");      // bytes sent at once
    QTest::addColumn<int>("pauseMs");    // silence before the rest
    QTest::addColumn<int>("rest");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("received");
    QTest::newRow("whole reply") << 68 << 0 << 0 << true << 68;
    QTest::newRow("pause longer than the gap") << 30 << 600 << 38 << true << 68;
    QTest::newRow("one byte short") << 67 << 0 << 0 << false << 67;
}

void TestCommPart::readBuffer()
{
    QFETCH(int, first);
    QFETCH(int, pauseMs);
    QFETCH(int, rest);
    QFETCH(bool, result);
    QFETCH(int, received);
    RawPty pty;
    TCommPort* port = OpenComm(pty.device);
    QVERIFY(port);
    QByteArray reply(first + rest, '\0');
    for (int i = 0; i < reply.size(); ++i)
        reply[i] = char(i * 7);
    // A write that fails shows as fewer bytes received.
    std::thread radio([&] {
        [[maybe_unused]] ssize_t sent = ::write(pty.master, reply.constData(), size_t(first));
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        sent = ::write(pty.master, reply.constData() + first, size_t(rest));
    });
    std::array<std::uint8_t, 68> buffer{};
    int got = -1;
    const bool ok = ReadCommBuffer(port, buffer.data(), 68, &got);
    radio.join();
    QCOMPARE(ok, result);
    QCOMPARE(got, received);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer.data()), got), reply.left(got));
    CloseComm(port);
}

void TestCommPart::silentByteRead()
{
    RawPty pty;
    TCommPort* port = OpenComm(pty.device);
    QVERIFY(port);
    std::uint8_t byte = 0;
    QVERIFY(!ReadCommByte(port, byte));
    pty.Send(QByteArray(1, '\x06'));
    QVERIFY(ReadCommByte(port, byte));
    QCOMPARE(byte, 0x06);
    CloseComm(port);
}

void TestCommPart::orderDevices_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("ordered");
    QTest::newRow("groups") << QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/rfcomm0", "/dev/ttyACM0"}
                            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/rfcomm0", "/dev/ttyS0"};
    QTest::newRow("numbers") << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyS11", "/dev/ttyS3"}
                             << QStringList{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS3", "/dev/ttyS11"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestCommPart::orderDevices()
{
    QFETCH(QStringList, devices);
    QFETCH(QStringList, ordered);
    QCOMPARE(OrderSerialDevices(devices), ordered);
}

void TestCommPart::portDevice_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    const QStringList devices{"/dev/ttyACM0", "/dev/ttyUSB0"};
    QTest::newRow("com1") << "com1" << "/dev/ttyACM0";
    QTest::newRow("COM2") << "COM2" << "/dev/ttyUSB0";
    QTest::newRow("com3 without device") << "com3" << "";
    QTest::newRow("path") << "/dev/pts/7" << "/dev/pts/7";
    QTest::newRow("com10 is a name") << "com10" << "com10";
}

void TestCommPart::portDevice()
{
    QFETCH(QString, name);
    QFETCH(QString, device);
    QCOMPARE(PortDevice(name, {"/dev/ttyACM0", "/dev/ttyUSB0"}), device);
}

// The probe waits for a line only so long; one held for good is given up.
// A line that is done returns at once, so its bound may be long.
void TestCommPart::probeIsBounded_data()
{
    QTest::addColumn<HeldLine::Hold>("hold");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("boundMs");
    QTest::addColumn<bool>("done");
    QTest::newRow("opens and closes") << HeldLine::None << true << 600000 << true;
    QTest::newRow("cannot be opened") << HeldLine::None << false << 600000 << true;
    QTest::newRow("open never returns") << HeldLine::AtOpen << true << 50 << false;
    QTest::newRow("close never returns") << HeldLine::AtClose << true << 50 << false;
}

void TestCommPart::probeIsBounded()
{
    QFETCH(HeldLine::Hold, hold);
    QFETCH(bool, opens);
    QFETCH(int, boundMs);
    QFETCH(bool, done);
    std::promise<void> release, gone;
    auto line = std::make_unique<HeldLine>(hold, opens, release.get_future().share(), gone);
    const bool result = ProbeLine(std::move(line), std::chrono::milliseconds(boundMs));
    release.set_value();
    gone.get_future().wait();  // a given-up probe still ends, once let go
    QCOMPARE(result, done);
}

// A serial port opened by the probe, as at every start, leaves no warning
// (on a thread without Qt's event dispatcher its socket notifier warns).
void TestCommPart::probeOpensASerialPortQuietly()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    RawPty pty;
    QVERIFY(ProbeLine(std::make_unique<SerialLine>(pty.device), std::chrono::minutes(10)));
}

QTEST_GUILESS_MAIN(TestCommPart)
#include "tst_commpart.moc"
