// The channel window inside the main window: opened by the Channel command,
// driven by the main window's commands, and a read against the simulated
// radio that the main window's close box has to wait for.
#include "app/main_f.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelRecord.h"
#include "sim/SimRadio.h"
#include "tests/app/TestDoubles.h"
#include "ui/channels/ChannelGridModel.h"
#include "ui/channels/ChannelGridView.h"
#include "ui/channels/celframe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct MainWithChannel {
    ScriptedUi ui;
    TestPorts ports{{"COM1"}};
    QPointer<TForm1> main = new TForm1(ui, *ports.choice);
    QPointer<TForm2> channel;

    MainWithChannel()
    {
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->SetChannelForm([this](QWidget* owner) {
            channel = new TForm2(owner);
            channel->SetLinkUi(&ui);
            return channel.data();
        });
        main->show();
        QApplication::setActiveWindow(main);
        if (!QTest::qWaitForWindowActive(main))
            qFatal("the main window did not become active");
        main->menu22Click();
    }
    ~MainWithChannel() { delete main.data(); }
};

} // namespace

class TestChannelInMain : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }
    void init()
    {
        TransferBusy = false;
        OpenWindows = 0;
    }

    void channelCommandOpensTheWindow()
    {
        MainWithChannel m;
        QVERIFY(m.channel);
        QMdiSubWindow* frame = m.main->ChannelForm();
        QCOMPARE(frame->widget(), m.channel.data());
        QCOMPARE(frame->pos(), QPoint(36, 36));
        QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(frame->size(), m.channel->size());
        QCOMPARE(OpenWindows, 2u | 8u);
        QVERIFY(m.main->ToolButton12->isChecked());
        QCOMPARE(m.channel->Table().Text(1, ColRx), QStringLiteral("476.4250"));

        m.main->menu11Click();  // New presses Button3
        QVERIFY(m.channel->Table().Text(1, ColRx).isEmpty());

        m.channel->Button6Click();
        QTRY_VERIFY(m.channel.isNull());
        QCOMPARE(OpenWindows, 0u);
        QVERIFY(!m.main->ToolButton12->isChecked());
    }

    // The File menu's exchange items press the channel window's, and only
    // while it is the active child.
    void fileMenuExchangeItems()
    {
        MainWithChannel m;
        const QString path = dir_.filePath(QStringLiteral("menu.csv"));
        QList<std::pair<ExchangeFile, bool>> asked;
        m.channel->ChooseExchange = [&](QWidget*, ExchangeFile kind, bool save) {
            asked.append({kind, save});
            return kind == ExchangeFile::Csv && save ? path : QString();
        };
        QAction* const items[] = {m.main->ImportCsvItem, m.main->ExportCsvItem, m.main->OpenImageItem,
                                  m.main->SaveImageItem};
        emit m.main->menu10->aboutToShow();
        for (QAction* item : items) {
            QVERIFY(item->isEnabled());
            item->trigger();
        }
        QCOMPARE(asked, (QList<std::pair<ExchangeFile, bool>>{{ExchangeFile::Csv, false}, {ExchangeFile::Csv, true},
                                                             {ExchangeFile::Image, false}, {ExchangeFile::Image, true}}));
        QVERIFY(QFile(path).size() > 0);
        m.channel->Button6Click();
        QTRY_VERIFY(m.channel.isNull());
        emit m.main->menu10->aboutToShow();
        for (QAction* item : items)
            QVERIFY(!item->isEnabled());
    }

    // The main window's Read reaches the channel window; its close box
    // during the transfer waits, and the read still lands in the grid.
    // The grip in the lower right corner resizes the window's frame, and the
    // grid with it; the rounded outline follows.
    void gripResizesTheFrame()
    {
        MainWithChannel m;
        QMdiSubWindow* frame = m.main->ChannelForm();
        const QSize before = frame->size();
        const int gridHeight = m.channel->StringGrid1->height();
        QSizeGrip* grip = m.channel->Grip;
        const QPoint start = grip->rect().center();
        QTest::mousePress(grip, Qt::LeftButton, {}, start);
        QTest::mouseMove(grip, start + QPoint(-40, -105));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, start + QPoint(-40, -105));
        QTRY_COMPARE(frame->size(), before - QSize(40, 105));
        QCOMPARE(m.channel->size(), frame->size());
        QCOMPARE(m.channel->StringGrid1->height(), gridHeight - 105);
        QTRY_COMPARE(frame->mask().boundingRect(), frame->rect());
    }

    void closingTheMainWindowDuringARead()
    {
        SimConfig config;
        config.stallAt = 5;
        config.stallMs = 800;
        SimRadio radio;
        QVERIFY(radio.Start(config));
        RadioMemory memory;
        memory.fill(0xFF);
        const std::uint8_t channel1[16] = {0x00, 0x50, 0x22, 0x43, 0x00, 0x50, 0x22, 0x43,
                                           0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        std::copy(std::begin(channel1), std::end(channel1), memory.begin() + 0x10);
        radio.SetMemory(memory);

        MainWithChannel m;
        m.main->UseCommandLinePort(radio.DevicePath());
        QTimer::singleShot(200, m.main.data(), [&] { m.main->close(); });
        m.main->ToolButton6Click();
        QVERIFY(m.channel);
        QCOMPARE(m.channel->Table().Text(1, ColRx), QStringLiteral("432.25000"));
        QVERIFY(m.channel->Table().Text(2, ColRx).isEmpty());
        QCOMPARE(m.ui.notices, QStringList{languagestr::ReciveComplete});
        QTRY_VERIFY(m.main.isNull());
    }
};

QTEST_MAIN(TestChannelInMain)
#include "tst_channelinmain.moc"
