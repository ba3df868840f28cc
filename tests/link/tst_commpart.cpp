// The serial port primitives over a raw pseudo-terminal the test drives
// itself, and the mapping of Port items to devices.
#include "LinkTestSupport.h"
#include "link/PortNames.h"

#include <thread>
#include <unistd.h>


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

QTEST_GUILESS_MAIN(TestCommPart)
#include "tst_commpart.moc"
