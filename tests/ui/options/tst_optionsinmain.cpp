// The options window inside the main window: the Param command, the main
// window's New, Read and Write reaching its buttons against the simulated
// radio, and a new window after closing.
#include "app/main_f.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "options/OptionFrame.h"
#include "options/OptionVerify.h"
#include "sim/InProcessRadio.h"
#include "tests/TemporaryHome.h"
#include "tests/app/TestDoubles.h"
#include "ui/common/WindowChrome.h"
#include "ui/options/OptionDova.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStatusBar>
#include <QTest>

namespace {

struct MainWithOptions {
    InProcessRadio radio;
    RadioLink link{radio.AnyPort()};
    ScriptedUi ui;
    TestPorts ports{{"COM1"}};
    QPointer<TForm1> main = new TForm1(ui, *ports.choice);
    QPointer<TFormDova> options;
    QStringList asked;  // questions about unsaved changes, answered Discard

    MainWithOptions()
    {
        main->SetParamForm([this](QWidget* owner) {
            options = new TFormDova(owner, &ui);
            options->SetRadioLink(link);
            options->AskUnsaved = [this](QWidget*, const QString& text) {
                asked << text;
                return UnsavedAnswer::Discard;
            };
            return options.data();
        });
        main->show();
        QApplication::setActiveWindow(main);
        if (!QTest::qWaitForWindowActive(main))
            qFatal("the main window did not become active");
        main->menu23Click();
    }
    ~MainWithOptions() { delete main.data(); }
};

} // namespace

class TestOptionsInMain : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    void init()
    {
        TransferBusy = false;
        OpenWindows = 0;
        QDir(HistoryFolder()).removeRecursively();
    }

    void paramCommandOpensOneWindow()
    {
        MainWithOptions m;
        QVERIFY(m.options);
        QMdiSubWindow* frame = m.main->ParamForm();
        QCOMPARE(frame->widget(), m.options.data());
        QCOMPARE(frame->pos(), QPoint(26, 26));
        QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(frame->size(), QSize(612, 359));
        QCOMPARE(OpenWindows, 1u | 4u);
        QVERIFY(m.main->ToolButton13->isChecked());

        frame->move(100, 90);
        TFormDova* first = m.options;
        m.main->menu23Click();
        QCOMPARE(m.options.data(), first);
        QCOMPARE(frame->pos(), QPoint(26, 26));

        m.options->ComboBox3->setCurrentIndex(40);
        m.main->menu11Click();  // New presses Default
        QCOMPARE(m.options->ComboBox3->currentText(), QStringLiteral("1"));
        QCOMPARE(m.main->statusBar()->accessibleDescription(), QStringLiteral("Options set to their default values."));

        m.options->SetControlValues(OptionValues{{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 1, 1, 1}});
        emit m.options->Panel8->Image5Click();  // the title strip's close picture
        QTRY_VERIFY(m.options.isNull());
        QCOMPARE(m.asked.size(), 1);  // Default was a change
        QCOMPARE(OpenWindows, 0u);
        m.main->menu23Click();
        QVERIFY(m.options);
        QCOMPARE(m.options->ControlValues(), DesignOptionValues());
    }

    // Read, change, Write: the radio holds the new frame, the radio history
    // both frames; the read one opens back into the window as a change.
    void readChangeWriteThroughTheMainWindow()
    {
        MainWithOptions m;
        OptionFrame held{};
        held[0] = 0x07;
        m.radio.SetOptionBytes(held);
        m.main->ToolButton6Click();
        QCOMPARE(m.options->ComboBox1->currentText(), QStringLiteral("7"));

        OptionValues changed = m.options->ControlValues();
        changed[OptionSlot::Squelch] = 9;
        changed[OptionSlot::KeyLock] = 1;
        m.options->SetControlValues(changed);
        m.main->ToolButton8Click();
        QVERIFY(m.radio.OptionBytes() == FrameFromOptions(changed));
        QCOMPARE(m.ui.notices, (QStringList{languagestr::ReciveComplete,
                                            languagestr::TranslateComplete + u'\n' + OptionsVerifiedMessage()}));
        QVERIFY(!TransferBusy);

        const QList<HistoryEntry> entries = HistoryEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].Kind, HistoryKind::WriteOptions);
        QCOMPARE(entries[1].Kind, HistoryKind::ReadOptions);
        m.options->CheckBox4->click();  // the user's change: a step
        const OptionValues mine = m.options->ControlValues();
        m.main->OpenHistoryEntry(entries[1]);
        QCOMPARE(m.options->ControlValues(), OptionsFromFrame(held));
        QVERIFY(m.options->Panel8->Label31->text().endsWith(QStringLiteral(" *")));
        m.options->UndoStack().undo();
        QCOMPARE(m.options->ControlValues(), mine);
    }
};

QTEST_MAIN(TestOptionsInMain)
#include "tst_optionsinmain.moc"
