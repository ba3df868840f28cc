// The radio exchanges against the simulated radio in this process: the check
// before a write, write and verify, a radio that stores a byte changed, the
// radio history, the progress of both passes, and the busy flag.
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDefaults.h"
#include "exchange/ChannelExchange.h"
#include "exchange/OptionExchange.h"
#include "options/OptionFrame.h"
#include "sim/InProcessRadio.h"
#include "tests/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// One exchange's setup on `radio`, noting what it reports as it goes.
struct Run {
    explicit Run(const SimConfig& config = {}) : radio(config) {}

    InProcessRadio radio;
    RadioLink link{radio.AnyPort()};
    NotedLinkUi ui;
    ExchangeSetup setup{link, QStringLiteral("any"), ui};
    QList<QPair<int, int>> progress;
    QPair<int, int> progressWhenWritten{-1, -1};
    bool busyWhenWritten = false;

    const ExchangeSetup& Setup()
    {
        setup.Progress = [this](int position, int maximum) { progress << qMakePair(position, maximum); };
        setup.Written = [this] {
            progressWhenWritten = progress.value(progress.size() - 1);
            busyWhenWritten = TransferBusy;
        };
        return setup;
    }
};

template <std::size_t N>
QByteArray Bytes(const std::array<std::uint8_t, N>& data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()), int(N));
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    void initTestCase() { SetFixedModel(); }
    void init() { QDir(HistoryFolder()).removeRecursively(); }

    void refusedCellSendsNothing()
    {
        ChannelTable table = DefaultChannelTable();
        table.SetText(7, ColEncodeTone, QStringLiteral("D999N"));
        Run run;
        const ExchangeReport report = ChannelExchange(run.Setup()).Write(table, true);
        QVERIFY(report.Check);
        QCOMPARE(report.Check->Row, 7);
        QCOMPARE(report.Check->Column, int(ColEncodeTone));
        QVERIFY(!report.Written && !report.Done);
        QVERIFY(run.radio.ReceivedFrames().isEmpty());
        QVERIFY(HistoryEntries().isEmpty());
        QVERIFY(!TransferBusy);
    }

    void writeAndVerify_data()
    {
        QTest::addColumn<bool>("channels");
        QTest::addColumn<int>("alterWriteAt");
        QTest::addColumn<QString>("difference");
        QTest::newRow("channels, sound radio") << true << -1 << QString();
        QTest::newRow("channels, a record byte stored changed") << true << 5 << "channel 3, RX frequency";
        QTest::newRow("options, sound radio") << false << -1 << QString();
        QTest::newRow("options, a byte stored changed") << false << 1 << "option byte 0E20h";
    }

    // Write, history, the written event at half the progress, read back and
    // compare; a difference is named and what the radio holds is kept.
    void writeAndVerify()
    {
        QFETCH(bool, channels);
        QFETCH(int, alterWriteAt);
        QFETCH(QString, difference);
        SimConfig config;
        config.alterWriteAt = alterWriteAt;
        Run run(config);
        OptionValues options = DesignOptionValues();
        options[OptionSlot::CurrentChannel] = 6;
        const ExchangeReport report = channels
            ? ChannelExchange(run.Setup()).Write(DefaultChannelTable(), true)
            : OptionExchange(run.Setup()).Write(FrameFromOptions(options), true);

        QVERIFY(report.Written);
        QCOMPARE(report.Done, difference.isEmpty());
        QCOMPARE(report.Verify, difference.isEmpty() ? VerifyOutcome::Same : VerifyOutcome::Different);
        QVERIFY2(report.VerifyMessage.contains(difference), qPrintable(report.VerifyMessage));
        QVERIFY(run.busyWhenWritten);
        QVERIFY(!TransferBusy);
        QCOMPARE(run.radio.Handshakes(), 2);
        QCOMPARE(run.ui.texts, QStringList());

        // Each pass has its own maximum: compare the bar's fill.
        const auto fill = [](QPair<int, int> p) { return double(p.first) / p.second; };
        QCOMPARE(fill(run.progressWhenWritten), 0.5);
        QCOMPARE(fill(run.progress.last()), 1.0);
        for (qsizetype i = 1; i < run.progress.size(); ++i)
            QVERIFY(fill(run.progress[i]) >= fill(run.progress[i - 1]));

        const QList<HistoryEntry> entries = HistoryEntries();
        QCOMPARE(entries.size(), difference.isEmpty() ? 1 : 2);
        QCOMPARE(entries.last().Kind, channels ? HistoryKind::Write : HistoryKind::WriteOptions);
        if (difference.isEmpty())
            return;
        QCOMPARE(entries.first().Kind, channels ? HistoryKind::Verify : HistoryKind::VerifyOptions);
        QFile kept(entries.first().DataPath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray held = channels ? run.radio.ImageBytes() : Bytes(run.radio.OptionBytes());
        const QByteArray bytes = kept.readAll();
        if (channels)
            QCOMPARE(bytes.left(0x800) + bytes.mid(0x1000, 0x800), held.left(0x800) + held.mid(0x1000, 0x800));
        else
            QCOMPARE(bytes, held);
    }

    // A read fills the image with what the radio holds and keeps it; without
    // the history nothing is kept.
    void readKeepsOrNot_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("kept") << true;
        QTest::newRow("--no-history") << false;
    }
    void readKeepsOrNot()
    {
        QFETCH(bool, keep);
        Run run;
        MemoryImageBytes written;
        StoreChannelsToImage(DefaultChannelTable(), written);
        run.radio.SetImageBytes(Bytes(written));
        run.Setup();
        run.setup.KeepHistory = keep;
        MemoryImageBytes image{};
        const ExchangeReport report = ChannelExchange(run.setup).Read(image);
        QVERIFY(report.Done);
        QVERIFY(image == written);
        QCOMPARE(report.History.size(), keep ? 1 : 0);
        QCOMPARE(HistoryEntries().size(), keep ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
