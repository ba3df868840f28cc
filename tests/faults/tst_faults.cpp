// Every fault of the simulated radio against every radio exchange, through
// the real windows and their real message boxes: the boxes a user sees and
// how they are answered, the result, the port afterwards, the window's data
// after a failed read, no descriptor left behind, and a sound exchange in the
// same window afterwards.
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "channels/ChannelCodec.h"
#include "history/RadioHistory.h"
#include "options/OptionFrame.h"
#include "tests/TemporaryHome.h"
#include "tests/channels/RandomChannels.h"
#include "tests/link/LinkTestSupport.h"
#include "ui/channels/celframe.h"
#include "ui/common/UserSettings.h"
#include "ui/options/OptionDova.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(SimConfig)

namespace {

enum class Exchange { ChannelRead, ChannelWrite, OptionRead, OptionWrite };
constexpr Exchange Exchanges[] = {Exchange::ChannelRead, Exchange::ChannelWrite, Exchange::OptionRead,
                                  Exchange::OptionWrite};

bool IsChannel(Exchange x) { return x == Exchange::ChannelRead || x == Exchange::ChannelWrite; }
bool IsRead(Exchange x) { return x == Exchange::ChannelRead || x == Exchange::OptionRead; }

const char* NameOf(Exchange x)
{
    switch (x) {
    case Exchange::ChannelRead: return "channel read";
    case Exchange::ChannelWrite: return "channel write";
    case Exchange::OptionRead: return "option read";
    case Exchange::OptionWrite: return "option write";
    }
    return "";
}

// Blocks of an exchange after the handshake: 64 read requests, 256 write
// frames, one option request.
int LastBlock(Exchange x)
{
    switch (x) {
    case Exchange::ChannelRead: return 64;
    case Exchange::ChannelWrite: return 256;
    default: return 1;
    }
}
int MiddleBlock(Exchange x) { return (LastBlock(x) + 1) / 2; }

// The boxes as the user meets them.
QString Notice(const QString& text) { return QStringLiteral("OK: ") + text; }
QString Question(const QString& text) { return QStringLiteral("Yes/No, error: ") + text; }

const QString Unconnect = Notice(QStringLiteral(
    "Device unconnect or device on booting,please wait a minute,then try again!"));
const QString OperateOut = Notice(QStringLiteral("Error port operate out!"));
const QString NoConnect = Question(QStringLiteral("Device no connect,Try again?"));
const QString OpenFailed = Question(QStringLiteral("Open port faild!"));
// A port that is not there is named; "{port}" stands for the radio's.
QString NoPort(const QString& port)
{
    return Question(QStringLiteral("Open port faild!\nThere is no device %1: is the cable plugged in?").arg(port));
}
const QString WrongReply = Question(QStringLiteral(
    "Data Crc Faild,\r\n|06 50 52 58 4D 56 5A 36|\r\n|06 50 52 58 4D 56 5A 35|1"));
QString Done(Exchange x)
{
    return Notice(IsRead(x) ? QStringLiteral("Recive data complete!") : QStringLiteral("Translate data complete!"));
}
// A missing acknowledgement: code 1 in the handshake and the channel blocks,
// 3 in the option blocks.
QString NoAck(int code) { return Notice(QStringLiteral("Connect Crc faild code:(%1)").arg(code)); }
QString BlockNoAck(Exchange x) { return NoAck(IsChannel(x) ? 1 : 3); }

// "OK: text", "Yes/No, error: text": a box's buttons, its icon unless it
// has none, its text.
QString Describe(const QMessageBox& box)
{
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    QString seen = buttons == (QMessageBox::Yes | QMessageBox::No) ? QStringLiteral("Yes/No")
        : buttons == QMessageBox::Ok                              ? QStringLiteral("OK")
                                                                  : QStringLiteral("other buttons");
    if (box.icon() == QMessageBox::Critical)
        seen += QStringLiteral(", error");
    else if (box.icon() != QMessageBox::NoIcon)
        seen += QStringLiteral(", icon %1").arg(int(box.icon()));
    return seen + QStringLiteral(": ") + box.text();
}

// Answers each message box as scripted (No once the script ends; OK for a
// notice) and notes what it showed.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QList<bool> answers) : answers_(std::move(answers)) { qApp->installEventFilter(this); }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }

    QStringList seen;
    std::function<void()> beforeAnswer;  // what the user does before answering

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        seen << Describe(*box);
        const bool question = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
        const bool yes = question && !answers_.isEmpty() && answers_.takeFirst();
        QAbstractButton* button = box->button(question ? (yes ? QMessageBox::Yes : QMessageBox::No) : QMessageBox::Ok);
        QTimer::singleShot(0, box, [this, button] {
            if (beforeAnswer)
                beforeAnswer();
            if (button)
                button->click();
        });
        return false;
    }

private:
    QList<bool> answers_;
};

int OpenDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

// A radio holding random channels and option values other than a fresh
// window's.
std::unique_ptr<SimRadio> StartFilledRadio(const SimConfig& config, quint32 seed)
{
    QRandomGenerator random(seed);
    const MemoryImageBytes channels = RandomChannelImage(random);
    auto radio = StartRadio(config, seed);
    radio->SetImageBytes(QByteArray(reinterpret_cast<const char*>(channels.data()), int(channels.size())));
    radio->SetOptionBytes({5, 3, 0, 0, 2, 1, 4, 1, 1, 2, 3, 1, 0, 2, 1, 0});
    return radio;
}

// The radio's channel regions as memory image bytes.
QByteArray ChannelRegions(const QByteArray& image)
{
    return image.left(0x800) + image.mid(0x1000, 0x800);
}

// The window an exchange runs in, shown, with its own message boxes.
struct ExchangeWindow {
    explicit ExchangeWindow(Exchange x) : exchange(x)
    {
        if (IsChannel(x)) {
            channels = new TForm2;
            channels->SetRadioLink(TestLink());
        } else {
            options = new TFormDova;
            options->SetRadioLink(TestLink());
        }
        Widget()->show();
        if (!QTest::qWaitForWindowExposed(Widget()))
            qFatal("the window was not shown");
    }
    ~ExchangeWindow() { delete Widget(); }

    QWidget* Widget() const { return channels ? static_cast<QWidget*>(channels) : options; }
    ChildCommands& Commands() const
    {
        return channels ? static_cast<ChildCommands&>(*channels) : static_cast<ChildCommands&>(*options);
    }
    void Press() const
    {
        if (IsRead(exchange))
            Commands().Read();
        else
            Commands().Write();
    }

    // What the window holds of the radio's data.
    struct Data {
        ChannelTable table;
        OptionValues options;
        bool operator==(const Data&) const = default;
    };
    Data Held() const { return channels ? Data{channels->Table(), {}} : Data{{}, options->ControlValues()}; }

    // The radio's data as a successful read leaves it in the window.
    Data AfterRead(const SimRadio& radio) const
    {
        Data data = Held();
        if (channels) {
            const QByteArray image = radio.ImageBytes();
            MemoryImageBytes bytes;
            std::copy(image.begin(), image.end(), bytes.begin());
            LoadChannelsFromImage(bytes, data.table);
        } else {
            data.options = OptionsFromFrame(radio.OptionBytes());
        }
        return data;
    }

    // True when the radio holds what the window wrote.
    bool RadioHoldsWindow(const SimRadio& radio) const
    {
        if (!channels)
            return radio.OptionBytes() == FrameFromOptions(options->ControlValues());
        MemoryImageBytes image;
        StoreChannelsToImage(channels->Table(), image);
        const QByteArray written(reinterpret_cast<const char*>(image.data()), int(image.size()));
        return ChannelRegions(radio.ImageBytes()) == ChannelRegions(written);
    }

    Exchange exchange;
    TForm2* channels = nullptr;
    TFormDova* options = nullptr;
};

// Link state a row starts from: the program's start, or what an earlier
// exchange of the run has left.
struct LinkStart {
    bool firstHandshake = true;
    bool ackMode = true;
};

} // namespace
Q_DECLARE_METATYPE(Exchange)
Q_DECLARE_METATYPE(LinkStart)

class TestFaults : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    TemporaryHome home_;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void faults_data();
    void faults();
    void verifyAfterWrite_data();
    void verifyAfterWrite();

private:
    // One exchange in `window` against `radio`; checks the boxes, the result,
    // the port and the window's or the radio's data.
    void RunExchange(ExchangeWindow& window, SimRadio& radio, const QList<bool>& answers,
                     const QStringList& boxes, const std::function<void()>& beforeAnswer = {});
    int descriptors_ = 0;
};

void TestFaults::initTestCase()
{
    SetFixedModel();
    SetModelTexts();
    QVERIFY(QDir::setCurrent(dir_.path()));  // no "DefA.dat" here
    // Whatever Qt opens once for good (fonts, the platform) is open before the
    // rows count descriptors.
    ExchangeWindow window(Exchange::ChannelRead);
    BoxAnswerer answerer({});
    TestLink().Reset();
    PortName = QStringLiteral("/nonexistent/port");
    window.Press();
    QCOMPARE(answerer.seen, QStringList{NoPort(PortName)});
}

void TestFaults::init()
{
    // The link's faults are met by the exchanges themselves; verify after
    // write has rows of its own.
    SetVerifyAfterWrite(QByteArray(QTest::currentTestFunction()) == "verifyAfterWrite");
    TransferBusy = false;
    descriptors_ = OpenDescriptors();
}

void TestFaults::cleanup()
{
    TestLink().Reset();
    TransferBusy = false;
    QCOMPARE(OpenDescriptors(), descriptors_);  // no port or pipe left open
}

void TestFaults::faults_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<SimConfig>("config");
    QTest::addColumn<LinkStart>("start");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("holdPort");  // another program has the port until the first box

    const auto row = [](Exchange x, const char* fault, const SimConfig& config, const QStringList& boxes,
                        const QList<bool>& answers = {}, LinkStart start = {}, bool holdPort = false) {
        QTest::addRow("%s: %s", NameOf(x), fault) << x << config << start << answers << boxes << holdPort;
    };
    const auto with = [](auto change) {
        SimConfig config;
        change(config);
        return config;
    };
    constexpr int LongStallMs = 1500;  // longer than a byte's read time-out

    for (const Exchange x : Exchanges) {
        const int middle = MiddleBlock(x), last = LastBlock(x);
        row(x, "no answer", with([](SimConfig& c) { c.silent = true; }), {Unconnect});
        row(x, "wrong handshake reply", with([](SimConfig& c) { c.wrongReply = true; }), {WrongReply});
        row(x, "handshake reply short", with([](SimConfig& c) { c.shortReplyAt = 0; }), {OperateOut, NoConnect});
        row(x, "handshake reply stalls", with([](SimConfig& c) { c.stallAt = 0; c.stallMs = LongStallMs; }),
            {OperateOut, NoConnect});
        row(x, "handshake confirm not acknowledged", with([](SimConfig& c) { c.noAckAt = 0; }), {NoAck(1)});
        row(x, "a few foreign bytes before every 06", with([](SimConfig& c) { c.garbage = 4; }), {Done(x)});
        row(x, "too many foreign bytes before every 06",
            with([](SimConfig& c) { c.garbage = RadioLink::MaxSkippedBytes + 1; }), {Unconnect});
        row(x, "endless garbage instead of the handshake", with([](SimConfig& c) { c.endlessGarbageAt = 0; }),
            {Unconnect});
        row(x, "radio vanishes at the handshake", with([](SimConfig& c) { c.vanishAt = 0; }), {Unconnect});

        if (IsChannel(x)) {
            row(x, "first block not acknowledged", with([](SimConfig& c) { c.noAckAt = 1; }), {BlockNoAck(x)});
            row(x, "middle block not acknowledged", with([=](SimConfig& c) { c.noAckAt = middle; }), {BlockNoAck(x)});
            row(x, "last block not acknowledged", with([=](SimConfig& c) { c.noAckAt = last; }), {BlockNoAck(x)});
        } else {
            row(x, "the block not acknowledged", with([](SimConfig& c) { c.noAckAt = 1; }), {BlockNoAck(x)});
        }
        row(x, "endless garbage mid-transfer", with([=](SimConfig& c) { c.endlessGarbageAt = middle; }),
            {BlockNoAck(x)});

        // The other handshake ending is found by the option read only; the
        // exchanges after it use that ending.
        if (x == Exchange::OptionRead)
            row(x, "other handshake ending", with([](SimConfig& c) { c.otherEnding = true; }), {OperateOut, Done(x)});
        else
            row(x, "other handshake ending, known", with([](SimConfig& c) { c.otherEnding = true; }), {Done(x)}, {},
                LinkStart{false, false});
        // Not known yet, a write's frames go astray. (A channel read would
        // wait out its 68-byte reply's time-out, over a minute, for the same.)
        if (!IsRead(x))
            row(x, "other handshake ending, not known yet", with([](SimConfig& c) { c.otherEnding = true; }),
                {BlockNoAck(x)});

        // Only reads get replies beyond the handshake.
        if (x == Exchange::ChannelRead) {
            row(x, "reply short at the middle block", with([=](SimConfig& c) { c.shortReplyAt = middle; }),
                {OperateOut});
            row(x, "reply short at the last block", with([=](SimConfig& c) { c.shortReplyAt = last; }), {OperateOut});
            // A block's read waits 1 s a byte: a long stall is no failure.
            row(x, "reply stalls mid-block", with([=](SimConfig& c) { c.stallAt = middle; c.stallMs = LongStallMs; }),
                {Done(x)});
        }
        if (x == Exchange::OptionRead) {
            row(x, "reply short", with([](SimConfig& c) { c.shortReplyAt = 1; }), {OperateOut, OperateOut});
            row(x, "reply stalls briefly mid-block", with([](SimConfig& c) { c.stallAt = 1; }), {Done(x)});
        }

        // The peer's pseudo-terminal closes while the exchange runs.
        const QStringList vanished = x == Exchange::ChannelRead ? QStringList{OperateOut}
            : x == Exchange::OptionRead ? QStringList{OperateOut, NoPort("{port}")}  // the retry finds no port
                                        : QStringList{BlockNoAck(x)};
        row(x, "radio vanishes mid-transfer", with([=](SimConfig& c) { c.vanishAt = middle; }), vanished);

        // Yes to a question starts over, and the radio that failed once works.
        row(x, "Yes after a wrong handshake reply", with([](SimConfig& c) { c.wrongReply = true; c.faultyHandshakes = 1; }),
            {WrongReply, Done(x)}, {true});
        row(x, "Yes after a short handshake reply", with([](SimConfig& c) { c.shortReplyAt = 0; c.faultyHandshakes = 1; }),
            {OperateOut, NoConnect, Done(x)}, {true});
        // The rest of the stalled reply may still come: the retry skips it.
        row(x, "Yes after a stalled handshake reply",
            with([](SimConfig& c) { c.stallAt = 0; c.stallMs = LongStallMs; c.faultyHandshakes = 1; }),
            {OperateOut, NoConnect, Done(x)}, {true});
        row(x, "Yes once the port is free", SimConfig{}, {OpenFailed, Done(x)}, {true}, {}, true);
        row(x, "No while the port is taken", SimConfig{}, {OpenFailed}, {false}, {}, true);
        // A later handshake tries again: a radio still booting is found.
        row(x, "no answer at first on a later handshake",
            with([](SimConfig& c) { c.silent = true; c.faultyHandshakes = 1; }), {Done(x)}, {}, LinkStart{false, true});
    }
    row(Exchange::OptionWrite, "no answer to five handshakes", with([](SimConfig& c) { c.silent = true; }),
        {Unconnect}, {}, LinkStart{false, true});
}

void TestFaults::RunExchange(ExchangeWindow& window, SimRadio& radio, const QList<bool>& answers,
                             const QStringList& boxes, const std::function<void()>& beforeAnswer)
{
    const bool ok = !boxes.isEmpty() && boxes.last() == Done(window.exchange);
    const ExchangeWindow::Data before = window.Held();
    const QByteArray radioBefore = radio.ImageBytes();
    PortName = radio.DevicePath();
    BoxAnswerer answerer(answers);
    answerer.beforeAnswer = beforeAnswer;

    window.Press();

    QCOMPARE(answerer.seen, QStringList(boxes).replaceInStrings(QStringLiteral("{port}"), radio.DevicePath()));
    QVERIFY(!TransferBusy);
    QVERIFY(!TestLink().IsOpen());
    if (radio.Running())
        QVERIFY(PortIsFree(radio.DevicePath()));
    if (IsRead(window.exchange)) {
        QCOMPARE(window.Held(), ok ? window.AfterRead(radio) : before);
        QCOMPARE(radio.ImageBytes(), radioBefore);
    } else {
        QCOMPARE(window.Held(), before);
        if (ok)
            QVERIFY(window.RadioHoldsWindow(radio));
    }
    if (window.options)
        QCOMPARE(window.options->ProgressBar1->value(), 0);
}

void TestFaults::faults()
{
    QFETCH(Exchange, exchange);
    QFETCH(SimConfig, config);
    QFETCH(LinkStart, start);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(bool, holdPort);

    const auto radio = StartFilledRadio(config, 11);  // resets the link state
    TestLink().FirstHandshake = start.firstHandshake;
    TestLink().HandshakeAckMode = start.ackMode;
    ExchangeWindow window(exchange);

    TCommPort* held = holdPort ? OpenComm(radio->DevicePath()) : nullptr;
    QCOMPARE(held != nullptr, holdPort);
    RunExchange(window, *radio, answers, boxes, [&held] { CloseComm(held); });
    CloseComm(held);
    if (QTest::currentTestFailed())
        return;

    // The same window works with a sound radio afterwards.
    const auto sound = StartFilledRadio({}, 12);
    RunExchange(window, *sound, {}, {Done(exchange)});
}

void TestFaults::verifyAfterWrite_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<int>("alterWriteAt");  // the write block the radio stores changed; -1: none
    QTest::addColumn<QString>("box");       // how the one box after the write starts
    const QString written = QStringLiteral("Translate data complete!\nVerify after write: ");
    QTest::newRow("channel write, sound radio")
        << Exchange::ChannelWrite << -1 << "OK: " + written + "the radio holds every byte written.";
    QTest::newRow("channel write, a record byte stored changed")
        << Exchange::ChannelWrite << 5 << "OK, error: " + written + "channel 3, RX frequency reads back ";
    QTest::newRow("channel write, the last name stored changed")
        << Exchange::ChannelWrite << 256 << "OK, error: " + written + "channel 128, name reads back ";
    QTest::newRow("option write, sound radio")
        << Exchange::OptionWrite << -1 << "OK: " + written + "the radio holds every option written.";
    QTest::newRow("option write, a byte stored changed")
        << Exchange::OptionWrite << 1 << "OK, error: " + written + "option byte 0E20h (The Current Channel) ";
}

// The window reads the radio back before it says "Translate data
// complete!", with the verify's outcome in the same box: a radio that
// acknowledged a block but stored a byte changed is caught, the byte named,
// and the image read back kept in the radio history.
void TestFaults::verifyAfterWrite()
{
    QFETCH(Exchange, exchange);
    QFETCH(int, alterWriteAt);
    QFETCH(QString, box);
    SimConfig config;
    config.alterWriteAt = alterWriteAt;
    const auto radio = StartFilledRadio(config, 13);
    QDir(HistoryFolder()).removeRecursively();
    ExchangeWindow window(exchange);
    PortName = radio->DevicePath();
    BoxAnswerer answerer({});
    window.Press();

    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY2(answerer.seen[0].startsWith(box), qPrintable(answerer.seen[0]));
    QCOMPARE(radio->Handshakes(), 2);
    QVERIFY(!TransferBusy);
    QVERIFY(!TestLink().IsOpen());
    const QList<HistoryEntry> entries = HistoryEntries();
    QCOMPARE(entries.size(), alterWriteAt < 0 ? 1 : 2);
    if (alterWriteAt < 0)
        return;
    QCOMPARE(entries[0].Kind, IsChannel(exchange) ? HistoryKind::Verify : HistoryKind::VerifyOptions);
    QFile kept(entries[0].DataPath());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QByteArray bytes = kept.readAll();
    if (IsChannel(exchange)) {
        QCOMPARE(ChannelRegions(bytes), ChannelRegions(radio->ImageBytes()));
    } else {
        const OptionFrame held = radio->OptionBytes();
        QCOMPARE(bytes, QByteArray(reinterpret_cast<const char*>(held.data()), int(held.size())));
    }
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
