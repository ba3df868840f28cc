// The channel window inside the main window: opened by the Channel command,
// driven by the main window's commands, and a read against the simulated
// radio that the main window's close box has to wait for.
#include "app/main_f.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelRecord.h"
#include "channels/ImageVerify.h"
#include "options/OptionFile.h"
#include "sim/InProcessRadio.h"
#include "sim/SimRadio.h"
#include "tests/TemporaryHome.h"
#include "tests/app/TestDoubles.h"
#include "tests/channels/RandomChannels.h"
#include "ui/channels/ChannelGridModel.h"
#include "ui/channels/ChannelGridView.h"
#include "ui/channels/celframe.h"
#include "ui/common/HistoryDialog.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"
#include "ui/options/OptionDova.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// The channel window reaches its own radio in this process, or the one
// `serial` reaches.
struct MainWithChannel {
    InProcessRadio radio;
    RadioLink inProcess{radio.AnyPort()};
    ScriptedUi ui;
    TestPorts ports{{"COM1"}};
    QPointer<TForm1> main = new TForm1(ui, *ports.choice);
    QPointer<TForm2> channel;
    QStringList asked;  // questions about unsaved changes
    UnsavedAnswer answer = UnsavedAnswer::Cancel;

    explicit MainWithChannel(RadioLink* serial = nullptr)
    {
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->SetChannelForm([this, link = serial ? serial : &inProcess](QWidget* owner) {
            channel = new TForm2(owner);
            channel->SetLinkUi(&ui);
            channel->SetRadioLink(*link);
            channel->AskUnsaved = [this](QWidget*, const QString& text) {
                asked << text;
                return answer;
            };
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

QString WriteVerified()
{
    return languagestr::TranslateComplete + u'\n' + VerifiedMessage();
}

// The note in the main window's status bar, beside its panels, as a screen
// reader gets it too: the status bar's description.
QString StatusNote(const TForm1& main)
{
    const auto* note = main.statusBar()->findChild<QLabel*>(QStringLiteral("StatusNote"));
    if (!note)
        return QStringLiteral("(no place for notes)");
    const QString spoken = main.statusBar()->accessibleDescription();
    return spoken == note->text() ? spoken : QStringLiteral("(spoken: %1)").arg(spoken);
}

} // namespace

class TestChannelInMain : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    TemporaryHome home_;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }
    void init()
    {
        TransferBusy = false;
        OpenWindows = 0;
        // The main window opens PortName's device once as it starts: never a
        // pseudo-terminal an earlier case left, which another program may own now.
        PortName = QStringLiteral("com1");
        QDir(HistoryFolder()).removeRecursively();
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

        RadioLink serial;
        MainWithChannel m(&serial);
        m.main->UseCommandLinePort(radio.DevicePath());
        QTimer::singleShot(200, m.main.data(), [&] { m.main->close(); });
        m.main->ToolButton6Click();
        QVERIFY(m.channel);
        QCOMPARE(m.channel->Table().Text(1, ColRx), QStringLiteral("432.25000"));
        QVERIFY(m.channel->Table().Text(2, ColRx).isEmpty());
        QCOMPARE(m.ui.notices, QStringList{languagestr::ReciveComplete});
        QTRY_VERIFY(m.main.isNull());
        QVERIFY(m.asked.isEmpty());  // a read leaves nothing unsaved
    }

    // The Edit menu's Undo and Redo follow the active window's steps.
    void editMenuUndoAndRedo()
    {
        MainWithChannel m;
        m.main->SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
        QAction* undo = m.main->UndoItem;
        QAction* redo = m.main->RedoItem;
        QVERIFY(undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
        QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QCOMPARE(undo->text(), QStringLiteral("Undo"));  // a fresh window has nothing to undo
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        m.channel->N1Click(TForm2::RowAction::Copy);
        m.channel->StringGrid1->MoveTo(ColRx, 83);  // row 1's RX is snapped: a step
        const ChannelTable before = m.channel->Table();
        m.channel->N1Click(TForm2::RowAction::Paste);
        QCOMPARE(undo->text(), QStringLiteral("Undo Paste row 83"));
        undo->trigger();
        QCOMPARE(m.channel->Table(), before);
        QCOMPARE(redo->text(), QStringLiteral("Redo Paste row 83"));
        QVERIFY(redo->isEnabled());

        // The options window has steps of its own: none yet.
        m.main->menu23Click();
        QVERIFY(!redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("Redo"));
        m.main->menu22Click();
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(m.channel->Table().Text(83, ColRx), m.channel->RowClipboard.Rows[0][0]);
        m.answer = UnsavedAnswer::Discard;
    }

    // Each transfer of the window is kept in the radio history; "Radio
    // history..." lists the entries, and one opens back into the window as a
    // change that can be undone.
    void historyOfTheWindow()
    {
        QRandomGenerator random(31);
        const MemoryImageBytes image = RandomChannelImage(random);
        MainWithChannel m;
        m.radio.SetImageBytes(QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size())));
        m.main->ToolButton6Click();  // Read
        const ChannelTable read = m.channel->Table();
        m.main->ToolButton8Click();  // Write
        QCOMPARE(m.ui.notices, (QStringList{languagestr::ReciveComplete, WriteVerified()}));
        const QList<HistoryEntry> entries = HistoryEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].Kind, HistoryKind::Write);
        QCOMPARE(entries[1].Kind, HistoryKind::Read);

        HistoryDialog dialog(m.main);
        QCOMPARE(dialog.List->topLevelItemCount(), 2);
        QCOMPARE(dialog.List->topLevelItem(0)->text(1), QStringLiteral("channel write"));
        QCOMPARE(dialog.List->topLevelItem(1)->text(2), QString::number(entries[1].ChannelsInUse));
        dialog.List->setCurrentItem(dialog.List->topLevelItem(1));
        dialog.OpenButton->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Chosen().Base, entries[1].Base);

        m.channel->Button3Click();  // New
        const ChannelTable emptied = m.channel->Table();
        m.main->OpenHistoryEntry(dialog.Chosen());
        QCOMPARE(m.channel->Table(), read);
        QVERIFY(m.channel->Panel2->Label31->text().endsWith(QStringLiteral(" *")));
        QCOMPARE(m.main->UndoItem->text(),
                 QStringLiteral("Undo Open %1 from the radio history").arg(QFileInfo(entries[1].FilePath()).fileName()));
        m.main->UndoItem->trigger();
        QCOMPARE(m.channel->Table(), emptied);
        QVERIFY(m.asked.isEmpty());
    }

    // "Verify after write" is ticked unless the user takes it off, and stays so.
    void verifyAfterWriteCanBeSwitchedOff()
    {
        for (const bool verify : {true, false}) {
            MainWithChannel m;
            QVERIFY(m.main->VerifyItem->isChecked());
            if (!verify)
                m.main->VerifyItem->trigger();
            m.main->ToolButton8Click();
            QCOMPARE(m.radio.Handshakes(), verify ? 2 : 1);
            QCOMPARE(m.ui.notices, QStringList{verify ? WriteVerified() : languagestr::TranslateComplete});
            if (!verify)
                QVERIFY(!TForm1(m.ui, *m.ports.choice).VerifyItem->isChecked());  // kept for the next start
            m.main->VerifyItem->setChecked(true);
        }
    }

    // Files opened or saved come back through the File menu's recent files,
    // into the window of their kind.
    void recentFilesReopen()
    {
        MainWithChannel m;
        m.main->SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
        const QString channels = dir_.filePath(QStringLiteral("recent.chnw"));
        const QString options = dir_.filePath(QStringLiteral("recent.optw"));
        m.channel->ChooseSaveFile = [&](QWidget*, const QString&) { return channels; };
        m.channel->Button4Click();
        QString error;
        QVERIFY(WriteOptionFile(options, DesignOptionValues(), error));
        m.main->menu23Click();
        auto* param = static_cast<TFormDova*>(m.main->ParamForm()->widget());
        QVERIFY(param->OpenFileAt(options, OpenAs::UserFile));
        QCOMPARE(RecentFiles().mid(0, 2), (QStringList{options, channels}));

        emit m.main->menu10->aboutToShow();
        const QList<QAction*> items = m.main->RecentMenu->actions();
        QVERIFY(items.size() >= 2);
        QCOMPARE(items[0]->text(), QStringLiteral("&1 recent.optw"));
        m.channel->N1Click(TForm2::RowAction::Clear);  // a change: reopening asks
        items[1]->trigger();
        QCOMPARE(m.asked.size(), 1);  // Cancel: nothing opened
        QVERIFY(m.channel->Table().Text(1, ColRx).isEmpty());
        m.answer = UnsavedAnswer::Discard;
        items[1]->trigger();
        QCOMPARE(m.channel->Table().Text(1, ColRx), QStringLiteral("476.4250"));
        QCOMPARE(OpenWindows & ChannelWindowActive, unsigned(ChannelWindowActive));
    }

    // A history that cannot be written is said in the status bar; the read stands.
    void historyThatCannotBeKept()
    {
        QVERIFY(QDir().mkpath(QFileInfo(HistoryFolder()).path()));
        QFile blocker(HistoryFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MainWithChannel m;
        m.main->ToolButton6Click();
        QCOMPARE(m.ui.notices, QStringList{languagestr::ReciveComplete});
        QVERIFY(StatusNote(*m.main).startsWith(QStringLiteral("The radio history could not be kept: ")));
        blocker.remove();
        m.main->ToolButton6Click();  // the next exchange: that note is gone
        QCOMPARE(StatusNote(*m.main), QString());
    }

    // Exit with unsaved changes asks; Cancel keeps the program, Discard ends it.
    void exitAsksAboutUnsavedChanges()
    {
        MainWithChannel m;
        m.channel->N1Click(TForm2::RowAction::Clear);  // row 1
        m.main->menu16Click();
        QCOMPARE(m.asked.size(), 1);
        QVERIFY(m.main->isVisible());
        QVERIFY(m.channel);
        m.answer = UnsavedAnswer::Discard;
        m.main->menu16Click();
        QCOMPARE(m.asked.size(), 2);
        QTRY_VERIFY(m.main.isNull());
    }
    // The Edit menu's row items act on the active channel window (only), and
    // their keys, pressed in its grid, reach it once; View > Show all columns
    // shows the columns the window hides.
    void editAndViewMenus()
    {
        MainWithChannel m;
        m.main->SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
        const auto item = [&](RowCommand command) { return m.main->RowItems.at(size_t(command)); };
        QCOMPARE(item(RowCommand::Copy)->shortcut(), QKeySequence(QKeySequence::Copy));
        item(RowCommand::SelectAll)->trigger();
        QCOMPARE(m.channel->StringGrid1->SelectedRows().size(), size_t(99));
        m.channel->StringGrid1->SelectRows({2});
        QTest::keyClick(m.channel->StringGrid1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), RowsAsClipboardText(m.channel->Table(), {2}));
        item(RowCommand::Clear)->trigger();
        QCOMPARE(m.channel->Table().RowTexts(2), ChannelTexts());

        emit m.main->ViewMenu->aboutToShow();
        QVERIFY(m.main->ShowColumnsItem->isEnabled() && !m.main->ShowColumnsItem->isChecked());
        m.main->ShowColumnsItem->trigger();
        QVERIFY(!m.channel->StringGrid1->isColumnHidden(ColName));
        m.main->ShowColumnsItem->trigger();
        QVERIFY(m.channel->StringGrid1->isColumnHidden(ColName));

        m.main->menu23Click();
        emit m.main->menu20->aboutToShow();
        for (QAction* row : m.main->RowItems)
            QVERIFY(!row->isEnabled());
        m.answer = UnsavedAnswer::Discard;
    }

    // Export CSV, New and a Move that cannot move say so in the status bar,
    // beside its panels, which stay in view.
    void notesInTheStatusBar()
    {
        MainWithChannel m;
        const QString path = dir_.filePath(QStringLiteral("notes.csv"));
        m.channel->ChooseExchange = [&](QWidget*, ExchangeFile, bool) { return path; };
        m.main->ExchangeClick(&ChannelExchangeCommands::ExportCsv);
        QCOMPARE(StatusNote(*m.main), QStringLiteral("77 channels exported to notes.csv"));
        m.channel->StringGrid1->SelectRows({5});
        m.channel->MoveRows(-1);
        QCOMPARE(StatusNote(*m.main), QStringLiteral("Not moved: rows move only among rows 81 to 99."));
        m.channel->Button3Click();
        QCOMPARE(StatusNote(*m.main), QStringLiteral("New table: channels 1 to 99 are empty."));
        for (int panel = 0; panel < 4; ++panel)
            QVERIFY(m.main->StatusPanels[panel]->isVisible());
    }
};

QTEST_MAIN(TestChannelInMain)
#include "tst_channelinmain.moc"
