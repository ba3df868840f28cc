// The radio exchanges against the simulated radio in this process: the check
// before a write, write and verify, a radio that stores a byte changed, the
// radio history, the progress of both passes, the busy flag, the compare
// with the radio and a run of radios.
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDefaults.h"
#include "exchange/ChannelExchange.h"
#include "exchange/OptionExchange.h"
#include "exchange/RadioCompare.h"
#include "exchange/RadioRun.h"
#include "exchange/RunLog.h"
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

// Radios taken in turn on one port, as an operator swaps them.
struct Radios {
    explicit Radios(const QList<SimConfig>& configs)
    {
        for (const SimConfig& config : configs)
            radios.push_back(std::make_unique<InProcessRadio>(config));
    }

    std::vector<std::unique_ptr<InProcessRadio>> radios;
    std::size_t current = 0;
    RadioLink link{[this](const QString& port) { return radios.at(current)->AnyPort()(port); }};
    NotedLinkUi ui;
    ExchangeSetup setup{link, QStringLiteral("any"), ui};
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
    // Compare reads the radio into the history only, and names each field
    // the window's way and the radio's way.
    void compareWithRadio_data()
    {
        QTest::addColumn<bool>("channels");
        QTest::addColumn<bool>("changeOne");
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("channels, the same") << true << false << QStringList();
        QTest::newRow("channels, one field of one channel")
            << true << true << QStringList{"channel 3, TX Power: Low here, High in the radio"};
        QTest::newRow("options, the same") << false << false << QStringList();
        QTest::newRow("options, one option") << false << true
                                             << QStringList{"Ssquelch Leverl: 3 here, 5 in the radio"};
    }
    void compareWithRadio()
    {
        QFETCH(bool, channels);
        QFETCH(bool, changeOne);
        QFETCH(QStringList, differences);
        Run run;
        ChannelTable here = DefaultChannelTable();
        here.SetText(3, ColPower, QStringLiteral("Low"));
        MemoryImageBytes held;
        StoreChannelsToImage(here, held);
        run.radio.SetImageBytes(Bytes(held));
        OptionValues options = DesignOptionValues();
        options[OptionSlot::Squelch] = 3;
        OptionValues radioOptions = options;
        if (changeOne) {
            ChannelTable radio = here;
            radio.SetText(3, ColPower, QStringLiteral("High"));
            StoreChannelsToImage(radio, held);
            run.radio.SetImageBytes(Bytes(held));
            radioOptions[OptionSlot::Squelch] = 5;
        }
        const OptionFrame frame = FrameFromOptions(radioOptions);
        run.radio.SetOptionBytes(frame);
        const QByteArray before = run.radio.ImageBytes();

        const CompareReport report = channels ? CompareChannelsWithRadio(run.Setup(), here)
                                              : CompareOptionsWithRadio(run.Setup(), options);
        QVERIFY(report.Read.Done);
        QCOMPARE(report.Differences, differences);
        QCOMPARE(report.Same(), differences.isEmpty());
        QCOMPARE(run.radio.ImageBytes(), before);
        QCOMPARE(run.radio.Handshakes(), 1);
        const QList<HistoryEntry> entries = HistoryEntries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().Kind, channels ? HistoryKind::Read : HistoryKind::ReadOptions);
    }

    // A cell a write would refuse is named and the radio is not asked.
    void compareRefusesWhatAWriteRefuses()
    {
        ChannelTable table = DefaultChannelTable();
        table.SetText(9, ColDecodeTone, QStringLiteral("D999N"));
        Run run;
        const CompareReport report = CompareChannelsWithRadio(run.Setup(), table);
        QVERIFY(report.Read.Check && !report.Read.Done);
        QCOMPARE(report.Read.Check->Row, 9);
        QVERIFY(run.radio.ReceivedFrames().isEmpty());
    }

    // Three radios in a row, the second storing one byte wrong: the run goes
    // on, every outcome and history entry is in the log.
    void threeRadiosInARow_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("options");
        QTest::addColumn<QStringList>("kinds");  // the history of each sound radio
        QTest::newRow("channels") << false << false << QStringList{"write"};
        QTest::newRow("channels and options") << false << true << QStringList{"write", "write-options"};
        QTest::newRow("each radio kept first") << true << false << QStringList{"read", "write"};
    }
    void threeRadiosInARow()
    {
        QFETCH(bool, backup);
        QFETCH(bool, options);
        QFETCH(QStringList, kinds);
        SimConfig wrong;
        wrong.alterWriteAt = 5;
        Radios radios({{}, wrong, {}});
        RunPlan plan{DefaultChannelTable(), std::nullopt, backup};
        if (options)
            plan.Options = FrameFromOptions(DesignOptionValues());
        RadioRun run(radios.setup, plan);
        QVERIFY(!run.Check());
        for (int number = 1; number <= 3; ++number, ++radios.current)
            run.Program(number);

        const QList<RadioOutcome>& outcomes = run.Outcomes();
        QCOMPARE(outcomes.size(), 3);
        for (int i : {0, 2}) {
            QCOMPARE(outcomes[i].Number, i + 1);
            QCOMPARE(outcomes[i].Result(), QStringLiteral("verified"));
            QCOMPARE(outcomes[i].History.size(), kinds.size());
            for (int k = 0; k < kinds.size(); ++k)
                QVERIFY2(QRegularExpression(QStringLiteral("T[0-9-]+-%1(-[0-9]+)?$").arg(kinds[k]))
                             .match(outcomes[i].History[k]).hasMatch(),
                         qPrintable(outcomes[i].History.join(u' ')));
        }
        QVERIFY2(outcomes[1].Result().startsWith("failed: Verify after write: channel 3, RX frequency"),
                 qPrintable(outcomes[1].Result()));
        QVERIFY(outcomes[1].History.last().contains("-verify"));
        QCOMPARE(run.Counts(), QStringLiteral("2 verified, 1 failed"));
        QCOMPARE(radios.ui.texts, QStringList());  // no box between radios

        const QStringList log = RunLogText(outcomes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(log.size(), 4);
        QCOMPARE(log[0], QStringLiteral("radio,start,seconds,result,history"));
        for (int i = 0; i < 3; ++i) {
            const QString start = outcomes[i].Start.toString(Qt::ISODate);
            QVERIFY(log[i + 1].startsWith(QStringLiteral("%1,%2,").arg(i + 1).arg(start)));
            QVERIFY(log[i + 1].endsWith(outcomes[i].History.join(u' ')));
        }
        QVERIFY(log[2].contains(",\"failed: Verify after write: channel 3, RX frequency"));
    }

    // A radio that is not there fails with what the link said, and a retry
    // that verifies counts the radio once, as verified.
    void failedRadioRetried()
    {
        SimConfig silent;
        silent.silent = true;
        Radios radios({silent, {}});
        RadioRun run(radios.setup, RunPlan{DefaultChannelTable(), std::nullopt, false});
        QVERIFY(!run.Program(1).Verified);
        QVERIFY(!run.Outcomes().first().Failure.isEmpty());
        QVERIFY(run.Outcomes().first().History.isEmpty());
        radios.current = 1;
        QVERIFY(run.Program(1).Verified);
        QCOMPARE(run.Counts(), QStringLiteral("1 verified, 0 failed"));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
