// The options window against the simulated radio: frames both ways, the
// handshake variant retry, failed reads, the CTCSS/DCS exclusion, Default,
// files through the window, the busy guard, a fresh window's values, the
// names a screen reader reads and where the focus stays.
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "sim/InProcessRadio.h"
#include "tests/TemporaryHome.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"
#include "ui/common/Accessibility.h"
#include "ui/options/OptionDova.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

OptionValues EveryControlChanged()
{
    OptionValues v;
    v.at = {98, 50, 0, 8, 0, 14, 9, 88, 0, 3, 9, 1, 1, 1};
    return v;
}

} // namespace

class TestOptionDova : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void freshWindow();
    void readSetsControls_data();
    void readSetsControls();
    void writeSendsFrame();
    void failedExchangeChangesNothing_data();
    void failedExchangeChangesNothing();
    void exclusionOnUserPicksOnly();
    void defaultAfterRead();
    void filesThroughWindow();
    void busyWindowDoesNothing();
    void panelsFilledAndEdged();
    void longListsScroll_data();
    void longListsScroll();
    void questionBeforeWorkIsLost_data();
    void questionBeforeWorkIsLost();
    void undoRedoRoundTrips_data();
    void undoRedoRoundTrips();
    void accessibleNames_data();
    void accessibleNames();
    void focusStaysPut_data();
    void focusStaysPut();

private:
    bool StartRadio(const SimConfig& config = {});
    TemporaryHome home_;
    std::unique_ptr<InProcessRadio> radio_ = std::make_unique<InProcessRadio>();
    RadioLink link_{[this](const QString& port) { return radio_->AnyPort()(port); }};
    NotedLinkUi ui_;  // records every message; questions are answered No
};

void TestOptionDova::init()
{
    link_.Reset();
    TransferBusy = false;
    ui_.texts.clear();
}

void TestOptionDova::cleanup()
{
    TransferBusy = false;
}

bool TestOptionDova::StartRadio(const SimConfig& config)
{
    radio_ = std::make_unique<InProcessRadio>(config);
    return true;
}

void TestOptionDova::freshWindow()
{
    for (int pass = 0; pass < 2; ++pass) {  // a reopened window starts afresh too
        TFormDova form(nullptr, &ui_);
        form.SetRadioLink(link_);
        form.show();
        QCOMPARE(form.ControlValues(), DesignOptionValues());
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("1"));
        QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("Off"));
        QCOMPARE(form.ComboBox3->currentText(), QStringLiteral("1"));
        QCOMPARE(form.ComboBox10->currentText(), QStringLiteral("180S"));
        QCOMPARE(form.ComboBox9->itemText(0), QStringLiteral("0ff"));
        QCOMPARE(form.ComboBox11->count(), 10);
        QCOMPARE(form.ComboBox11->itemText(9), QString());
        QCOMPARE(form.Panel8->Label31->text(), QStringLiteral("FANE5 Param config"));
        QCOMPARE(form.Button3->text(), languagestr::ButtonDefault);
        QCOMPARE(form.size(), QSize(612, 359));
        for (QWidget* hidden : {(QWidget*)form.ComboBox5, (QWidget*)form.ComboBox6,
                                (QWidget*)form.ComboBox9, (QWidget*)form.CheckBox1})
            QVERIFY(!hidden->isVisible());
        QVERIFY(form.ComboBox4->isVisible());
        if (pass == 0)
            form.SetControlValues(EveryControlChanged());
    }
}

void TestOptionDova::readSetsControls_data()
{
    QTest::addColumn<bool>("otherEnding");
    QTest::addColumn<int>("handshakes");
    QTest::newRow("usual radio") << false << 1;
    QTest::newRow("other handshake ending: read again once") << true << 2;
}

void TestOptionDova::readSetsControls()
{
    QFETCH(bool, otherEnding);
    QFETCH(int, handshakes);
    SimConfig config;
    config.otherEnding = otherEnding;
    QVERIFY(StartRadio(config));
    OptionFrame frame = FrameFromOptions(DesignOptionValues());
    frame[0x0] = 0x05;  // the fifth channel
    frame[0x8] = 0x81;  // hidden high power, bit 0
    frame[0xA] = 0x06;  // beyond the backlight items
    radio_->SetOptionBytes(frame);

    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.Button1Click();
    QCOMPARE(radio_->Handshakes(), handshakes);
    QCOMPARE(ui_.texts.last(), languagestr::ReciveComplete);
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("5"));
    QVERIFY(form.CheckBox1->isChecked());
    QCOMPARE(form.ComboBox8->currentIndex(), -1);
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(!TransferBusy);
}

void TestOptionDova::writeSendsFrame()
{
    SetVerifyAfterWrite(false);  // the write's frame is the last one sent
    QVERIFY(StartRadio());
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.ComboBox1->setCurrentIndex(4);
    form.CheckBox6->setChecked(true);
    form.ComboBox8->setCurrentIndex(-1);
    form.Button2Click();
    QCOMPARE(ui_.texts, QStringList{languagestr::TranslateComplete});
    const RadioMemory memory = radio_->Memory();
    QCOMPARE(int(memory[0x0E20]), 0x05);
    QCOMPARE(int(memory[0x0E2B]), 0x01);
    QCOMPARE(int(memory[0x0E2A]), 0xFF);
    QCOMPARE(int(memory[0x0E23]), 0x00);
    QCOMPARE(int(memory[0x0E2F]), 0x00);
    QCOMPARE(radio_->ReceivedFrames().last().left(4), QByteArray("\x57\x0E\x20\x10", 4));
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(!TransferBusy);
    SetVerifyAfterWrite(true);
}

void TestOptionDova::failedExchangeChangesNothing_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("handshakes");
    QTest::addColumn<QString>("message");
    QTest::newRow("read: reply missing twice") << false << 0 << 2 << languagestr::PortOperateOut;
    QTest::newRow("read: no acknowledgement") << false << 1 << 1 << languagestr::ConnectCrcFaild + "(3)";
    QTest::newRow("read: silent radio") << false << 2 << 1 << languagestr::DeviceUnconnect;
    QTest::newRow("write: no acknowledgement, not repeated") << true << 1 << 1 << languagestr::ConnectCrcFaild + "(3)";
    QTest::newRow("write: silent radio") << true << 2 << 1 << languagestr::DeviceUnconnect;
}

void TestOptionDova::failedExchangeChangesNothing()
{
    QFETCH(bool, write);
    QFETCH(int, fault);
    QFETCH(int, handshakes);
    QFETCH(QString, message);
    SimConfig config;
    if (fault == 0)
        config.shortReplyAt = 1;
    else if (fault == 1)
        config.noAckAt = 1;
    else
        config.silent = true;
    QVERIFY(StartRadio(config));
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.SetControlValues(EveryControlChanged());
    const RadioMemory before = radio_->Memory();
    write ? form.Button2Click() : form.Button1Click();
    QCOMPARE(form.ControlValues(), EveryControlChanged());
    QCOMPARE(radio_->Handshakes(), handshakes);
    QVERIFY(radio_->Memory() == before);
    QVERIFY2(ui_.texts.contains(message), qPrintable(ui_.texts.join(" | ")));
    QVERIFY(!ui_.texts.contains(languagestr::ReciveComplete));
    QVERIFY(!ui_.texts.contains(languagestr::TranslateComplete));
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(!TransferBusy);
}

void TestOptionDova::exclusionOnUserPicksOnly()
{
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.show();
    // Code sets both tones: no exclusion.
    OptionValues both = DesignOptionValues();
    both[OptionSlot::Ctcss] = 11;
    both[OptionSlot::Dcs] = 6;
    form.SetControlValues(both);
    QCOMPARE(form.ControlValues(), both);

    // The user picks CTCSS "12": DCS goes Off.
    form.ComboBox2->setFocus();
    QTest::keyClick(form.ComboBox2, Qt::Key_Down);
    QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("12"));
    QCOMPARE(form.ComboBox3->currentText(), QStringLiteral("Off"));

    // Then DCS "7": CTCSS goes Off.
    form.ComboBox3->setCurrentIndex(6);
    QTest::keyClick(form.ComboBox3, Qt::Key_Down);
    QCOMPARE(form.ComboBox3->currentText(), QStringLiteral("7"));
    QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("Off"));

    // Picking Off changes nothing else.
    form.ComboBox2->setCurrentIndex(1);
    QTest::keyClick(form.ComboBox2, Qt::Key_Up);
    QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("Off"));
    QCOMPARE(form.ComboBox3->currentText(), QStringLiteral("7"));
}

void TestOptionDova::defaultAfterRead()
{
    QVERIFY(StartRadio());
    radio_->SetOptionBytes(FrameFromOptions(EveryControlChanged()));
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.Button1Click();
    form.Button3Click();
    QCOMPARE(form.ControlValues(), DefaultOptionValues(EveryControlChanged()));
    QCOMPARE(form.ComboBox10->currentIndex(), EveryControlChanged()[OptionSlot::TimeOutTimer]);
    QCOMPARE(form.ComboBox3->currentText(), QStringLiteral("1"));
    QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("Off"));
    QVERIFY(form.CheckBox4->isChecked() && form.CheckBox6->isChecked() && form.CheckBox1->isChecked());
}

void TestOptionDova::filesThroughWindow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("every.optw");
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.SetControlValues(EveryControlChanged());
    QVERIFY(form.SaveControlsTo(path));
    form.SetControlValues(DesignOptionValues());
    QVERIFY(form.OpenControlsFrom(path));
    QCOMPARE(form.ControlValues(), EveryControlChanged());

    // A bad file is refused whole, with its line named.
    QFile bad(dir.filePath("bad.optw"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("1\r\n2\r\n3\r\n");
    bad.close();
    form.SetControlValues(DesignOptionValues());
    QVERIFY(!form.OpenControlsFrom(bad.fileName()));
    QCOMPARE(form.ControlValues(), DesignOptionValues());
    QVERIFY(ui_.texts.last().contains("line 4 (Repearte)"));
}

void TestOptionDova::busyWindowDoesNothing()
{
    QVERIFY(StartRadio());
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.show();
    form.SetControlValues(EveryControlChanged());
    TransferBusy = true;  // another window's transfer runs
    for (QPushButton* b : {form.Button1, form.Button2, form.Button3, form.Button4, form.Button5,
                           form.Button6})
        QTest::mouseClick(b, Qt::LeftButton);
    form.close();
    QVERIFY(form.isVisible());
    QCOMPARE(form.ControlValues(), EveryControlChanged());
    QCOMPARE(radio_->ReceivedFrames().size(), 0);
    QVERIFY(ui_.texts.isEmpty());
}

// Panel1's three lists are spread over its height, beside Panel2's seven
// rows, and the window has a dark edge against the background behind it.
void TestOptionDova::panelsFilledAndEdged()
{
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.show();
    int top = form.Panel1->height(), bottom = 0;
    for (QWidget* control : {(QWidget*)form.ComboBox1, (QWidget*)form.ComboBox2, (QWidget*)form.ComboBox3}) {
        const QLabel* caption = nullptr;
        for (const QLabel* label : form.Panel1->findChildren<QLabel*>())
            if (label->buddy() == control)
                caption = label;
        QVERIFY(caption);
        top = qMin(top, caption->geometry().top());
        bottom = qMax(bottom, control->geometry().bottom());
    }
    QVERIFY2(bottom - top > form.Panel1->height() * 2 / 3, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));

    const QImage picture = form.grab().toImage();
    const QRgb window = form.palette().color(QPalette::Window).rgb();
    for (const QPoint& edge : {QPoint(0, picture.height() / 2), QPoint(picture.width() - 1, picture.height() / 2),
                               QPoint(picture.width() / 2, picture.height() - 1)})
        QVERIFY(qGray(picture.pixel(edge)) < qGray(window) / 2);
}

void TestOptionDova::longListsScroll_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("current channel, 99 items") << QStringLiteral("ComboBox1");
    QTest::newRow("CTCSS, 51 items") << QStringLiteral("ComboBox2");
    QTest::newRow("DCS, 105 items") << QStringLiteral("ComboBox3");
}

// A long list opens as a scrolling list of about 20 items, not as a popup of
// the screen's height.
void TestOptionDova::longListsScroll()
{
    QFETCH(QString, name);
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.show();
    auto* list = form.findChild<QComboBox*>(name);
    QVERIFY(list);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const int shown = view->viewport()->height() / view->sizeHintForRow(0);
    QVERIFY2(shown >= 18 && shown <= 22, qPrintable(QString::number(shown)));
    QVERIFY(view->window()->height() < list->screen()->availableGeometry().height() / 2);
    list->hidePopup();
}

void TestOptionDova::questionBeforeWorkIsLost_data()
{
    QTest::addColumn<QString>("change");  // what the user did before
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");      // UnsavedAnswer
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<int>("dialogs");     // save dialogs shown
    const int save = int(UnsavedAnswer::Save), discard = int(UnsavedAnswer::Discard),
              cancel = int(UnsavedAnswer::Cancel);
    QTest::newRow("nothing changed, close") << "nothing" << "close" << cancel << false << true << 0;
    QTest::newRow("read from the radio, close") << "read" << "close" << cancel << false << true << 0;
    QTest::newRow("picked and saved, Open") << "saved" << "open" << cancel << false << true << 1;
    QTest::newRow("picked, close, Cancel") << "picked" << "close" << cancel << true << false << 0;
    QTest::newRow("picked, close, Save") << "picked" << "close" << save << true << true << 1;
    QTest::newRow("saved, picked again, close, Save: the file at once")
        << "saved again" << "close" << save << true << true << 1;
    QTest::newRow("Default, Open, Discard") << "default" << "open" << discard << true << true << 0;
    QTest::newRow("Default, Open, Cancel") << "default" << "open" << cancel << true << false << 0;
    QTest::newRow("Default, Read, Cancel") << "default" << "read" << cancel << true << false << 0;
    QTest::newRow("Default, Read, Discard") << "default" << "read" << discard << true << true << 0;
}

// The question comes exactly when closing, Open or Read would lose changes,
// and its Save writes the current file at once; the title shows the file and
// a star for unsaved changes.
void TestOptionDova::questionBeforeWorkIsLost()
{
    QFETCH(QString, change);
    QFETCH(QString, action);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, goesOn);
    QFETCH(int, dialogs);
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved.optw"), other = dir.filePath("other.optw");
    QString error;
    QVERIFY(WriteOptionFile(other, EveryControlChanged(), error));
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    QStringList questions;
    form.AskUnsaved = [&](QWidget*, const QString& text) {
        questions << text;
        return UnsavedAnswer(answer);
    };
    int shown = 0;
    form.ChooseSaveFile = [&](QWidget*, const QString&) {
        ++shown;
        return saved;
    };
    form.ChooseOpenFile = [&](QWidget*) { return other; };
    QVERIFY(StartRadio());
    radio_->SetOptionBytes(FrameFromOptions(EveryControlChanged()));
    form.show();
    const QString designed = QStringLiteral("FANE5 Param config");
    if (change == "picked" || change.startsWith("saved")) {
        form.ComboBox7->setFocus();
        QTest::keyClick(form.ComboBox7, Qt::Key_Down);
        QCOMPARE(form.Panel8->Label31->text(), designed + " *");
    } else if (change == "default") {
        form.Button3Click();
    } else if (change == "read") {
        form.Button1Click();
    }
    if (change.startsWith("saved")) {
        form.Button4Click();
        QCOMPARE(form.Panel8->Label31->text(), designed + " - saved.optw");
        QFile::remove(saved);
    }
    if (change == "saved again")
        QTest::keyClick(form.ComboBox7, Qt::Key_Down);
    const OptionValues before = form.ControlValues();

    if (action == "close")
        form.close();
    else if (action == "read")
        form.Button1Click();
    else
        form.Button5Click();

    QCOMPARE(questions.size(), asked ? 1 : 0);
    QCOMPARE(shown, dialogs);
    if (action == "close")
        QCOMPARE(!form.isVisible(), goesOn);
    else
        QCOMPARE(form.ControlValues() == EveryControlChanged(), goesOn);
    OptionValues inFile;
    QCOMPARE(ReadOptionFile(saved, inFile, error), answer == int(UnsavedAnswer::Save));
    if (answer == int(UnsavedAnswer::Save))
        QCOMPARE(inFile, before);
}

void TestOptionDova::undoRedoRoundTrips_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("step");
    QTest::newRow("a pick, with the exclusion") << "pick" << "Change CTCSS";
    QTest::newRow("a check box") << "tick" << "Change Locking Key";
    QTest::newRow("Default") << "default" << "Default";
    QTest::newRow("Open") << "open" << "Open every.optw";
    QTest::newRow("Read") << "read" << "Read from radio";
}

// Every kind of change is one step; undo and redo give back the values.
void TestOptionDova::undoRedoRoundTrips()
{
    QFETCH(QString, change);
    QFETCH(QString, step);
    QTemporaryDir dir;
    const QString path = dir.filePath("every.optw");
    QString error;
    QVERIFY(WriteOptionFile(path, EveryControlChanged(), error));
    QVERIFY(StartRadio());
    radio_->SetOptionBytes(FrameFromOptions(EveryControlChanged()));

    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.ChooseOpenFile = [&](QWidget*) { return path; };
    form.AskUnsaved = [](QWidget*, const QString&) { return UnsavedAnswer::Discard; };
    form.show();
    form.ComboBox3->setFocus();
    QTest::keyClick(form.ComboBox3, Qt::Key_Down);  // DCS "2"
    const OptionValues before = form.ControlValues();
    if (change == "pick") {
        form.ComboBox2->setFocus();
        QTest::keyClick(form.ComboBox2, Qt::Key_Down);  // CTCSS "1": DCS goes Off
    } else if (change == "tick") {
        form.CheckBox6->click();
    } else if (change == "default") {
        form.Button3Click();
    } else if (change == "open") {
        form.Button5Click();
    } else {
        form.Button1Click();
    }
    const OptionValues after = form.ControlValues();
    QVERIFY(after != before);
    QCOMPARE(form.UndoStack().undoText(), step);
    form.UndoStack().undo();
    QCOMPARE(form.ControlValues(), before);
    form.UndoStack().redo();
    QCOMPARE(form.ControlValues(), after);
}

// Every control is named by what it sets, whatever value it shows, and the
// hidden ones too; the progress bar is named and carries its value.
void TestOptionDova::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int list = int(QAccessible::ComboBox), box = int(QAccessible::CheckBox);
    QTest::newRow("current channel") << "ComboBox1" << "Current channel" << list;
    QTest::newRow("CTCSS") << "ComboBox2" << "CTCSS tone" << list;
    QTest::newRow("DCS") << "ComboBox3" << "DCS code" << list;
    QTest::newRow("repeater (hidden)") << "ComboBox5" << "Repeater" << list;
    QTest::newRow("backlight") << "ComboBox8" << "Backlight level" << list;
    QTest::newRow("volume") << "ComboBox7" << "Volume" << list;
    QTest::newRow("squelch") << "ComboBox4" << "Squelch level" << list;
    QTest::newRow("priority scan") << "ComboBox6" << "Priority channel scan" << list;
    QTest::newRow("pre-alert") << "ComboBox9" << "Time-out pre-alert, seconds" << list;
    QTest::newRow("time-out") << "ComboBox10" << "Time-out timer, seconds" << list;
    QTest::newRow("beep") << "ComboBox11" << "Beep volume" << list;
    QTest::newRow("ceiling") << "CheckBox4" << "LCD ceiling mounting" << box;
    QTest::newRow("key lock") << "CheckBox6" << "Key lock" << box;
    QTest::newRow("power (hidden)") << "CheckBox1" << "High transmit power" << box;
    QTest::newRow("progress") << "ProgressBar1" << "Progress" << int(QAccessible::ProgressBar);
    QTest::newRow("Read") << "Button1" << "Read" << int(QAccessible::Button);
    QTest::newRow("the window, by its title") << "TFormDova" << "FANE5 Param config" << int(QAccessible::Client);
}

void TestOptionDova::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    TFormDova form(nullptr, &ui_);
    form.show();
    auto* widget = control == form.objectName() ? &form : form.findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    auto* list = qobject_cast<QComboBox*>(widget);
    QCOMPARE(face->text(QAccessible::Name), list ? SpokenListName(name, list->currentText()) : name);
    QCOMPARE(int(face->role()), role);
    if (list)
        QCOMPARE(face->text(QAccessible::Value), list->currentText());
}

void TestOptionDova::focusStaysPut_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("control");  // the focus is there before, and after
    QTest::newRow("opened: on the first list") << "open" << "ComboBox1";
    QTest::newRow("read from a list") << "read" << "ComboBox7";
    QTest::newRow("write from a check box") << "write" << "CheckBox6";
}

// The window opens on its first list, not on itself; Read and Write hold
// the lists still and end in a box (answered by the test's LinkUi), and the
// focus is back where it was.
void TestOptionDova::focusStaysPut()
{
    QFETCH(QString, action);
    QFETCH(QString, control);
    QVERIFY(StartRadio());
    TFormDova form(nullptr, &ui_);
    form.SetRadioLink(link_);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* widget = form.findChild<QWidget*>(control);
    action == "open" ? form.setFocus() : widget->setFocus();  // the main window gives a window it shows the focus
    if (action != "open")
        action == "read" ? form.Button1Click() : form.Button2Click();
    QCOMPARE(QApplication::focusWidget(), widget);
}

QTEST_MAIN(TestOptionDova)
#include "tst_optiondova.moc"
