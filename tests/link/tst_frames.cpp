// Acknowledgements, replies and the handshake into programming mode,
// against the simulated radio.
#include "LinkTestSupport.h"

Q_DECLARE_METATYPE(SimConfig)

namespace {

const QString Handshake = QStringLiteral("QWPRXMVZ5");
const QString Unconnect = QStringLiteral(
    "Device unconnect or device on booting,please wait a minute,then try again!");
const QString OperateOut = QStringLiteral("Error port operate out!");
const QString NoConnect = QStringLiteral("Device no connect,Try again?");
const QString WrongReply = QStringLiteral(
    "Data Crc Faild,\r\n|06 50 52 58 4D 56 5A 36|\r\n|06 50 52 58 4D 56 5A 35|1");

SimConfig Config(void (*change)(SimConfig&))
{
    SimConfig config;
    change(config);
    return config;
}

} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void waitForByte_data();
    void waitForByte();
    void replyText();
    void handshake_data();
    void handshake();
    void openPortFailed();
    void laterHandshakeRetries();
};

void TestFrames::waitForByte_data()
{
    QTest::addColumn<int>("foreign");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("at once") << 0 << 1 << true << QStringList{};
    QTest::newRow("256 skipped") << 256 << 1 << true << QStringList{};
    QTest::newRow("257 foreign") << 257 << 1 << false << QStringList{"Connect Crc faild code:(1)"};
    QTest::newRow("257 foreign, code 3") << 257 << 3 << false << QStringList{"Connect Crc faild code:(3)"};
    QTest::newRow("257 foreign, code 0 silent") << 257 << 0 << false << QStringList{};
}

void TestFrames::waitForByte()
{
    QFETCH(int, foreign);
    QFETCH(int, code);
    QFETCH(bool, result);
    QFETCH(QStringList, texts);
    RadioLink& link = TestLink();
    link.Reset();
    RawPty pty;
    QVERIFY(link.OpenLine(pty.device));
    pty.Send(QByteArray(foreign, '\x15') + '\x06');
    ScriptedUi ui;
    QCOMPARE(link.WaitForAck(code, ui), result);
    QCOMPARE(ui.Texts(), texts);
    QCOMPARE(link.IsOpen(), result);
    link.Close();
}

void TestFrames::replyText()
{
    RadioLink& link = TestLink();
    link.Reset();
    RawPty pty;
    QVERIFY(link.OpenLine(pty.device));
    pty.Send(QByteArray::fromHex("06412A"));
    ScriptedUi ui;
    std::uint8_t reply[2] = {};
    QVERIFY(link.ReadBytewise(reply, 2, ui));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(reply), 2), QByteArray::fromHex("0641"));
    QVERIFY(link.IsOpen());
    QVERIFY(!link.ReadBytewise(reply, 2, ui));  // one byte left, the second is missing
    QCOMPARE(ui.Texts(), QStringList{OperateOut});
    QVERIFY(!link.IsOpen());
}

void TestFrames::handshake_data()
{
    QTest::addColumn<SimConfig>("config");
    QTest::addColumn<bool>("ackMode");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<bool>("ackModeAfter");

    const QStringList ok{Handshake, "02", "06"};
    const QStringList noConfirm{Handshake, "02"};
    QTest::newRow("confirmed") << SimConfig{} << true << QList<bool>{} << true << QStringList{} << ok << true;
    QTest::newRow("other ending, no confirm")
        << Config([](SimConfig& c) { c.otherEnding = true; }) << false << QList<bool>{} << true
        << QStringList{} << noConfirm << false;
    QTest::newRow("other ending met with a confirm")
        << Config([](SimConfig& c) { c.otherEnding = true; }) << true << QList<bool>{} << true
        << QStringList{} << noConfirm << true;
    QTest::newRow("no extra byte switches to the confirm")
        << SimConfig{} << false << QList<bool>{} << true << QStringList{} << noConfirm << true;
    QTest::newRow("foreign bytes before each 06")
        << Config([](SimConfig& c) { c.garbage = 5; }) << true << QList<bool>{} << true << QStringList{} << ok << true;
    QTest::newRow("reply stalls")
        << Config([](SimConfig& c) { c.stallAt = 0; }) << true << QList<bool>{} << true << QStringList{} << ok << true;
    QTest::newRow("wrong reply, No")
        << Config([](SimConfig& c) { c.wrongReply = true; }) << true << QList<bool>{false} << false
        << QStringList{WrongReply} << noConfirm << true;
    QTest::newRow("wrong reply, Yes then No")
        << Config([](SimConfig& c) { c.wrongReply = true; }) << true << QList<bool>{true, false} << false
        << QStringList{WrongReply, WrongReply} << noConfirm + noConfirm << true;
    QTest::newRow("reply missing, Yes then No")
        << Config([](SimConfig& c) { c.shortReplyAt = 0; }) << true << QList<bool>{true, false} << false
        << QStringList{OperateOut, NoConnect, OperateOut, NoConnect} << noConfirm + noConfirm << true;
    QTest::newRow("confirm unanswered")
        << Config([](SimConfig& c) { c.noAckAt = 0; }) << true << QList<bool>{} << false
        << QStringList{"Connect Crc faild code:(1)"} << ok << true;
    QTest::newRow("silent, first handshake: one attempt")
        << Config([](SimConfig& c) { c.silent = true; }) << true << QList<bool>{} << false
        << QStringList{Unconnect} << QStringList{Handshake} << true;
    QTest::newRow("endless foreign bytes")
        << Config([](SimConfig& c) { c.endlessGarbageAt = 0; }) << true << QList<bool>{} << false
        << QStringList{Unconnect} << QStringList{Handshake} << true;
    QTest::newRow("radio vanishes")
        << Config([](SimConfig& c) { c.vanishAt = 0; }) << true << QList<bool>{} << false
        << QStringList{Unconnect} << QStringList{Handshake} << true;
}

void TestFrames::handshake()
{
    QFETCH(SimConfig, config);
    QFETCH(bool, ackMode);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, result);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, frames);
    QFETCH(bool, ackModeAfter);

    const auto radio = StartRadio(config);
    RadioLink& link = TestLink();
    link.HandshakeAckMode = ackMode;
    ScriptedUi ui(answers);
    QCOMPARE(link.EnterProgrammingMode(radio->DevicePath(), ui), result);
    QCOMPARE(ui.Texts(), texts);
    QCOMPARE(FrameNames(radio->ReceivedFrames()), frames);
    QCOMPARE(link.HandshakeAckMode, ackModeAfter);
    QCOMPARE(link.FirstHandshake, !result);
    QCOMPARE(link.IsOpen(), result);
    link.Close();
    if (radio->Running())
        QVERIFY(PortIsFree(radio->DevicePath()));
}

void TestFrames::openPortFailed()
{
    RadioLink& link = TestLink();
    link.Reset();
    ScriptedUi ui({true, false});
    QVERIFY(!link.EnterProgrammingMode(QStringLiteral("/dev/fane5-no-such-port"), ui));
    const QString missing = "Open port faild!\nThere is no device /dev/fane5-no-such-port: is the cable plugged in?";
    QCOMPARE(ui.Texts(), (QStringList{missing, missing}));
    QCOMPARE(ui.Kinds(), (QList<BoxKind>{BoxKind::Error, BoxKind::Error}));
    QVERIFY(link.FirstHandshake);
}

// Slow: five attempts with a time-out of about 1.1 s each.
void TestFrames::laterHandshakeRetries()
{
    const auto radio = StartRadio(Config([](SimConfig& c) { c.silent = true; }));
    TestLink().FirstHandshake = false;
    ScriptedUi ui;
    QVERIFY(!TestLink().EnterProgrammingMode(radio->DevicePath(), ui));
    QCOMPARE(ui.Texts(), QStringList{Unconnect});
    QCOMPARE(ui.Kinds(), QList<BoxKind>{BoxKind::Plain});
    QCOMPARE(radio->Handshakes(), 5);
    QVERIFY(PortIsFree(radio->DevicePath()));
}

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
