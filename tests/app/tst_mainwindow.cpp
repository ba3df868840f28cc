// The main window after a normal start: captions, status, the Connect
// message, the port choice, and the commands that reach the child windows.
#include "TestDoubles.h"
#include "app/BackgroundArea.h"
#include "app/main_f.h"
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "link/RadioLink.h"
#include "tests/TemporaryHome.h"
#include "ui/channels/celframe.h"
#include "ui/options/OptionDova.h"

#include <QAccessible>
#include <QStatusBar>
#include <QToolBar>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace languagestr;

namespace {

using Command = void (TForm1::*)();

struct Fixture {
    explicit Fixture(QStringList system = {"COM1"}, PortListKind kind = PortListKind::ComNames,
                     const QString& iniText = {})
        : ports(system, kind, iniText.toUtf8())
    {
        form = std::make_unique<TForm1>(ui, *ports.choice);
        form->SetChannelForm([this](QWidget* owner) { return new TestChild(QStringLiteral("channel"), log, owner); });
        form->SetParamForm([this](QWidget* owner) { return new TestChild(QStringLiteral("param"), log, owner); });
    }
    void Show()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    ScriptedUi ui;
    TestPorts ports;
    QStringList log;
    std::unique_ptr<TForm1> form;
};

QString Caption(const QAction* item)
{
    return item->text().section(QLatin1Char('\t'), 0, 0);
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestMainWindow : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    void accessibleNames_data();
    void accessibleNames();
    void closeKeysCloseTheChild_data();
    void closeKeysCloseTheChild();
    void ctrlTabSwitchesChildren();
    void init();
    void captionsAfterShow();
    void statusAndBandAfterCreation();
    void connectShowsBand();
    void bandLimitTexts_data();
    void bandLimitTexts();
    void portChoiceAtShow_data();
    void portChoiceAtShow();
    void pickingAPortStoresIt();
    void startUpProbeIsBounded();
    void commandLinePortIsShownNotStored();
    void portsAboveCom9AreShownNotStored();
    void portMenuFollowsTheCables();
    void goneDeviceIsNamed();
    void commandsReachActiveChild_data();
    void commandsReachActiveChild();
    void openWindowsAndToolButtons();
    void childWindowIsSingleAndPlaced();
    void busyTransferStopsCommands();
    void closeWaitsForTransfer();
    void minimumSize();
    void childWindowsFitTheScreen();
    void hintPanelFollowsMouse();
    void exitCloses();
    void windowClosedJustBeforeTheEnd();
    void keysReachActiveChild_data();
    void keysReachActiveChild();
    void helpAndAbout();
};

void TestMainWindow::init()
{
    TransferBusy = false;
    OpenWindows = 0;
    PortName = QStringLiteral("com1");
}

void TestMainWindow::captionsAfterShow()
{
    Fixture f;
    // Before the show handler the resource's Chinese captions are up.
    QCOMPARE(f.form->menu11->text(), QStringLiteral("新建文件(&N)"));
    f.Show();
    const TForm1& w = *f.form;
    QCOMPARE(w.windowTitle(), AppTitle);
    const QList<QPair<QString, QString>> expected = {
        {w.menu10->title(), "&File"},      {w.menu11->text(), "New(&N)"},     {w.menu12->text(), "Open(&O)"},
        {w.menu13->text(), "Save(&W)"},    {w.menu14->text(), "Save as(&S)"}, {w.menu15->text(), "Print...(&P)"},
        {w.menu16->text(), "Exit(&X)"},    {w.menu20->title(), "&Edit"},      {w.menu21->text(), "Connect(&C)"},
        {w.menu22->text(), "Channel(&C)"}, {w.menu23->text(), "Param(&O)"},   {w.menu30->title(), "&Port"},
        {w.menu40->title(), "&Help"},      {w.menu41->text(), "Help(&H)"},    {w.menu42->text(), "About(&A)"},
    };
    for (const auto& [shown, text] : expected)
        QCOMPARE(shown, text);
    for (int k = 0; k < PortItemCount; ++k)
        QCOMPARE(Caption(w.PortItems[k]), QStringLiteral("Com&%1").arg(k + 1));
    QVERIFY(!w.menu21->isVisible());
    const QStringList hints = {"New", "Open", "Save As", "Print", "Channel", "Param", "Read", "Write", "Exit"};
    const QList<QToolButton*> buttons = {w.ToolButton1, w.ToolButton2, w.ToolButton4, w.ToolButton5, w.ToolButton12,
                                         w.ToolButton13, w.ToolButton6, w.ToolButton8, w.ToolButton10};
    for (int i = 0; i < hints.size(); ++i)
        QCOMPARE(buttons[i]->toolTip(), hints[i]);
}

// What a screen reader finds in the main window: name, role and, for the
// items and buttons that stay down, whether they are (-1: not such a one).
void TestMainWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("down");
    const int plain = -1;
    QTest::newRow("tool bar") << "toolbar" << "Tools" << int(QAccessible::ToolBar) << plain;
    QTest::newRow("status") << "status" << "Connect state: connect. Mode: FANE5" << int(QAccessible::StatusBar) << plain;
    QTest::newRow("New button") << "new" << "New" << int(QAccessible::Button) << plain;
    QTest::newRow("Write button") << "write" << "Write" << int(QAccessible::Button) << plain;
    QTest::newRow("Channel button, up") << "channel" << "Channel" << int(QAccessible::Button) << 0;
    QTest::newRow("Channel button, down") << "channel open" << "Channel" << int(QAccessible::Button) << 1;
    QTest::newRow("Param button, up") << "param open" << "Param" << int(QAccessible::Button) << 0;
    QTest::newRow("tools beyond a narrow window") << "more" << "More tools" << int(QAccessible::CheckBox) << 0;
    QTest::newRow("child window area") << "area" << "Channel and options windows" << int(QAccessible::LayeredPane)
                                       << plain;
    QTest::newRow("menu bar") << "bar" << "Menus" << int(QAccessible::MenuBar) << plain;
    QTest::newRow("File in the bar") << "File title" << "File" << int(QAccessible::MenuItem) << plain;
    QTest::newRow("File menu") << "File menu" << "File" << int(QAccessible::PopupMenu) << plain;
    QTest::newRow("Recent files menu") << "Recent menu" << "Recent files" << int(QAccessible::PopupMenu) << plain;
    QTest::newRow("New item") << "New item" << "New" << int(QAccessible::MenuItem) << plain;
    QTest::newRow("Save item") << "Save item" << "Save" << int(QAccessible::MenuItem) << plain;
    QTest::newRow("Param item") << "Param item" << "Param" << int(QAccessible::MenuItem) << plain;
    QTest::newRow("Verify after write") << "Verify item" << "Verify after write" << int(QAccessible::CheckBox) << 1;
    QTest::newRow("Show all columns") << "Columns item" << "Show all columns" << int(QAccessible::CheckBox) << 0;
    QTest::newRow("Com1, ticked") << "Com1 item" << "Com1 /dev/ttyUSB0" << int(QAccessible::RadioButton) << 1;
    QTest::newRow("Com2") << "Com2 item" << "Com2 /dev/ttyUSB1" << int(QAccessible::RadioButton) << 0;
}

void TestMainWindow::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(int, down);
    Fixture f({"/dev/ttyUSB0", "/dev/ttyUSB1"}, PortListKind::DeviceList);
    f.Show();
    TForm1& w = *f.form;
    if (control.endsWith(" open"))
        w.menu22Click();
    // Items as a screen reader reaches them, through their menu.
    using Item = std::pair<QWidget*, QAction*>;
    const QHash<QString, Item> items = {
        {"File title", {w.menuBar(), w.menu10->menuAction()}}, {"New item", {w.menu10, w.menu11}},
        {"Save item", {w.menu10, w.menu13}},        {"Param item", {w.menu20, w.menu23}},
        {"Verify item", {w.menu20, w.VerifyItem}},  {"Columns item", {w.ViewMenu, w.ShowColumnsItem}},
        {"Com1 item", {w.menu30, w.PortItems[0]}},  {"Com2 item", {w.menu30, w.PortItems[1]}},
    };
    const QHash<QString, QWidget*> widgets = {
        {"toolbar", w.ToolBar1}, {"status", w.statusBar()}, {"new", w.ToolButton1}, {"write", w.ToolButton8},
        {"channel", w.ToolButton12}, {"channel open", w.ToolButton12}, {"param open", w.ToolButton13},
        {"more", w.ToolBar1->findChild<QToolButton*>("qt_toolbar_ext_button")}, {"area", w.MdiClient}, {"bar", w.menuBar()}, {"File menu", w.menu10}, {"Recent menu", w.RecentMenu},
    };
    QAccessibleInterface* face = nullptr;
    if (items.contains(control)) {
        const auto [owner, item] = items[control];
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(owner);
        QVERIFY(menu);
        for (int i = 0; i < menu->childCount() && !face; ++i)
            face = menu->child(i)->object() == item ? menu->child(i) : nullptr;
        QVERIFY(face);
        QCOMPARE(face->parent()->object(), owner);
        QCOMPARE(menu->indexOfChild(face), int(owner->actions().indexOf(item)));
    } else {
        face = QAccessible::queryAccessibleInterface(widgets[control]);
    }
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(int(face->role()), role);
    const QAccessible::State state = face->state();
    QCOMPARE(role == QAccessible::Button ? int(state.pressed) : int(state.checked), std::max(down, 0));
    QCOMPARE(bool(state.checkable), down >= 0 && role != QAccessible::Button);
}

// Ctrl+F4 and Ctrl+W close the active child window, as its Close does.
void TestMainWindow::closeKeysCloseTheChild_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+F4") << int(Qt::Key_F4);
    QTest::newRow("Ctrl+W") << int(Qt::Key_W);
}

void TestMainWindow::closeKeysCloseTheChild()
{
    QFETCH(int, key);
    Fixture f;
    f.Show();
    f.form->menu22Click();
    QVERIFY(f.form->ChannelForm());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    QTRY_VERIFY(!f.form->ChannelForm());
}

// With both child windows open, Ctrl+Tab goes to the other one and back.
void TestMainWindow::ctrlTabSwitchesChildren()
{
    Fixture f;
    f.Show();
    f.form->menu22Click();
    f.form->menu23Click();
    QMdiArea* area = f.form->MdiClient;
    QMdiSubWindow* options = area->activeSubWindow();
    for (int press = 0; press < 2; ++press) {
        QMdiSubWindow* before = area->activeSubWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QTRY_VERIFY(area->activeSubWindow() != before);
    }
    QCOMPARE(area->activeSubWindow(), options);
}

void TestMainWindow::statusAndBandAfterCreation()
{
    Fixture f;
    const QStringList panels = {"Connect state:", "connect", "Mode: ", "FANE5", ""};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.form->StatusPanels[i]->text(), panels[i]);
    const QList<int> widths = {90, 80, 70, 88, 88};
    for (int i = 0; i < 5; ++i) {
        const QLabel* panel = f.form->StatusPanels[i];
        QVERIFY(panel->width() >= widths[i]);
        QVERIFY(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    }
    QVERIFY(f.form->menu22->isEnabled());
    QVERIFY(f.form->menu23->isEnabled());
    QCOMPARE(DeviceType, 3);
    QCOMPARE(Band1Low, 400.0L);
    QCOMPARE(Band2High, Band1High);
    QVERIFY(Band1High > 480.9994L && Band1High < 480.9996L);
    QVERIFY(f.ui.notices.isEmpty());
    QVERIFY(!f.form->Image2.isNull());
}

void TestMainWindow::connectShowsBand()
{
    Fixture f;
    f.form->menu21Click();
    QCOMPARE(f.ui.notices, QStringList{QStringLiteral("Device FANE5 been detect!频段范围[400-480.9995Mhz]")});
    QCOMPARE(f.ui.kinds, QList<BoxKind>{BoxKind::Plain});
}

void TestMainWindow::bandLimitTexts_data()
{
    QTest::addColumn<long double>("mhz");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 400.0L << "400";
    QTest::newRow("upper limit") << 480.0L + 0.9995L << "480.9995";
    QTest::newRow("half") << 0.5L << "0.5";
    QTest::newRow("fifteen digits") << 123.456789012345678L << "123.456789012346";
}

void TestMainWindow::bandLimitTexts()
{
    QFETCH(long double, mhz);
    QFETCH(QString, text);
    QCOMPARE(BandLimitText(mhz), text);
}

void TestMainWindow::portChoiceAtShow_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("ini");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<QString>("portName");
    QTest::addColumn<int>("stored");  // -99: nothing stored
    QTest::addColumn<QString>("probed");  // by the start-up probe, before the stored choice counts

    const int com = int(PortListKind::ComNames), dev = int(PortListKind::DeviceList);
    QTest::newRow("first run, COM1 exists") << QStringList{"COM1"} << com << "" << 0 << "COM1" << -99 << "COM1";
    QTest::newRow("COM3 and COM4 only") << QStringList{"COM3", "COM4"} << com << "[PortSet]\nportitm=0\n" << 2
                                        << "COM3" << 0 << "COM1";
    QTest::newRow("no system port") << QStringList() << com << "" << 8 << "com9" << -99 << "COM1";
    QTest::newRow("stored 5, COM1 and COM3") << QStringList{"COM1", "COM3"} << com << "[PortSet]\nportitm=5\n" << 0
                                             << "COM1" << 5 << "COM1";
    QTest::newRow("stored visible") << QStringList{"COM1", "COM7"} << com << "[PortSet]\nportitm=6\n" << 6 << "COM7"
                                    << 6 << "COM1";
    QTest::newRow("stored text") << QStringList{"COM2"} << com << "[PortSet]\nportitm=abc\n" << 1 << "COM2" << 0 << "COM1";
    QTest::newRow("stored out of range") << QStringList{"COM4"} << com << "[PortSet]\nportitm=12\n" << 3 << "COM4"
                                         << 12 << "COM1";
    // An item with a device opens that device.
    QTest::newRow("devices") << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0"} << dev << "[PortSet]\nportitm=1\n" << 1
                             << "/dev/ttyUSB0" << 1 << "/dev/ttyACM0";
}

void TestMainWindow::portChoiceAtShow()
{
    QFETCH(QStringList, system);
    QFETCH(int, kind);
    QFETCH(QString, ini);
    QFETCH(int, ticked);
    QFETCH(QString, portName);
    QFETCH(int, stored);
    QFETCH(QString, probed);
    Fixture f(system, PortListKind(kind), ini);
    QCOMPARE(f.ports.opened, QStringList{probed});
    f.Show();
    QVERIFY(f.form->PortItems[ticked]->isChecked());
    QCOMPARE(PortName, portName);
    QCOMPARE(f.ports.Stored(), stored);
    int visible = 0;
    for (QAction* item : f.form->PortItems)
        visible += item->isVisible();
    QCOMPARE(visible, int(system.size()));
    if (PortListKind(kind) == PortListKind::DeviceList)
        QVERIFY(f.form->PortItems[1]->text().endsWith(QStringLiteral("\t/dev/ttyUSB0")));
}

void TestMainWindow::pickingAPortStoresIt()
{
    Fixture f({"COM1", "COM7"});
    f.Show();
    f.form->PortItems[6]->trigger();
    QVERIFY(f.form->PortItems[6]->isChecked());
    QVERIFY(!f.form->PortItems[0]->isChecked());
    QCOMPARE(PortName, QStringLiteral("COM7"));
    QCOMPARE(f.ports.Stored(), 6);
    // Not guarded by a running transfer.
    TransferBusy = true;
    f.form->PortItems[0]->trigger();
    QCOMPARE(PortName, QStringLiteral("COM1"));
    QCOMPARE(f.ports.Stored(), 0);
}

// A port whose open never returns (Wine's serial layer on a machine's own
// UART) is given up: the window is made and shows.
void TestMainWindow::startUpProbeIsBounded()
{
    ScriptedUi ui;
    TestPorts ports({"COM1"});
    std::promise<void> release;
    ports.held = release.get_future().share();
    {
        TForm1 form(ui, *ports.choice);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    release.set_value();
}

void TestMainWindow::commandLinePortIsShownNotStored()
{
    Fixture f({"COM1"}, PortListKind::ComNames, "[PortSet]\nportitm=0\n");
    // A device that never exists: the window's start-up probe opens and
    // flushes the port, which would take bytes from another test's radio.
    f.form->UseCommandLinePort(QStringLiteral("/dev/fane5-test-cable"));
    f.Show();
    QCOMPARE(PortName, QStringLiteral("/dev/fane5-test-cable"));
    QVERIFY(f.form->CommandLinePortItem->isChecked());
    QCOMPARE(f.form->CommandLinePortItem->text(), QStringLiteral("/dev/fane5-test-cable"));
    f.form->PortItems[0]->trigger();
    QCOMPARE(PortName, QStringLiteral("COM1"));
    f.form->CommandLinePortItem->trigger();
    QCOMPARE(PortName, QStringLiteral("/dev/fane5-test-cable"));
    QCOMPARE(f.ports.Stored(), 0);
}

// COM10 and above follow the nine items, by name; a choice of one holds
// while the port is there and is not stored.
void TestMainWindow::portsAboveCom9AreShownNotStored()
{
    Fixture f({"COM12", "COM3", "COM10"}, PortListKind::ComNames, "[PortSet]\nportitm=0\n");
    f.Show();
    QCOMPARE(PortName, QStringLiteral("COM3"));
    const auto beyond = [&] {
        QStringList ports;
        for (QAction* item : f.form->BeyondPortItems)
            ports << item->text() + (item->isChecked() ? "*" : "");
        return ports;
    };
    QCOMPARE(beyond(), (QStringList{"COM10", "COM12"}));
    f.form->BeyondPortItems[1]->trigger();
    QCOMPARE(PortName, QStringLiteral("COM12"));
    QVERIFY(!f.form->PortItems[2]->isChecked());
    emit f.form->menu30->aboutToShow();
    QCOMPARE(beyond(), (QStringList{"COM10", "COM12*"}));
    QCOMPARE(PortName, QStringLiteral("COM12"));
    QCOMPARE(f.ports.Stored(), 0);
    // The cable unplugged: the first port there is.
    f.ports.system = {"COM3", "COM10"};
    emit f.form->menu30->aboutToShow();
    QCOMPARE(beyond(), QStringList{"COM10"});
    QCOMPARE(PortName, QStringLiteral("COM3"));
}

// Devices listed again each time the Port menu opens; the ticked item is the
// device a transfer opens.
void TestMainWindow::portMenuFollowsTheCables()
{
    Fixture f({"/dev/ttyUSB0", "/dev/ttyUSB1"}, PortListKind::DeviceList, "[PortSet]\nportitm=1\n");
    f.Show();
    QCOMPARE(PortName, QStringLiteral("/dev/ttyUSB1"));
    auto shown = [&] {
        QStringList devices;
        for (QAction* item : f.form->PortItems)
            if (item->isVisible())
                devices << item->text().section(QLatin1Char('\t'), 1) + (item->isChecked() ? "*" : "");
        return devices;
    };
    // ttyUSB0 unplugged, ttyUSB2 plugged in: the ticked Com2 still opens
    // the device it shows until the menu is opened again.
    f.ports.system = {"/dev/ttyUSB1", "/dev/ttyUSB2"};
    QCOMPARE(PortName, QStringLiteral("/dev/ttyUSB1"));
    emit f.form->menu30->aboutToShow();
    QCOMPARE(shown(), (QStringList{"/dev/ttyUSB1", "/dev/ttyUSB2*"}));
    QCOMPARE(PortName, QStringLiteral("/dev/ttyUSB2"));
    // The ticked item's device gone: the first item there is, not stored.
    f.ports.system = {"/dev/ttyUSB7"};
    emit f.form->menu30->aboutToShow();
    QCOMPARE(shown(), QStringList{"/dev/ttyUSB7*"});
    QCOMPARE(PortName, QStringLiteral("/dev/ttyUSB7"));
    f.ports.system = {"/dev/ttyUSB7", "/dev/ttyUSB8"};
    emit f.form->menu30->aboutToShow();
    QCOMPARE(shown(), (QStringList{"/dev/ttyUSB7*", "/dev/ttyUSB8"}));
    QCOMPARE(f.ports.Stored(), 1);
    // The command line's device stays ticked.
    f.form->UseCommandLinePort(QStringLiteral("/dev/fane5-test-cable"));
    emit f.form->menu30->aboutToShow();
    QCOMPARE(PortName, QStringLiteral("/dev/fane5-test-cable"));
}

// A device unplugged after the menu showed it: the open fails and says which.
void TestMainWindow::goneDeviceIsNamed()
{
    Fixture f({"/dev/fane5-unplugged"}, PortListKind::DeviceList);
    f.Show();
    QCOMPARE(PortName, QStringLiteral("/dev/fane5-unplugged"));
    ScriptedUi ui;
    QVERIFY(!RadioLink().EnterProgrammingMode(PortName, ui));
    QCOMPARE(ui.questions, QStringList{"Open port faild!\nThere is no device /dev/fane5-unplugged: is the cable "
                                       "plugged in?"});
}

void TestMainWindow::commandsReachActiveChild_data()
{
    QTest::addColumn<QString>("open");  // which windows, in order of opening
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("pressed");

    const QList<QPair<const char*, Command>> commands = {
        {"New", &TForm1::menu11Click},         {"Open", &TForm1::menu12Click},
        {"Save as", &TForm1::menu14Click},     {"Print", &TForm1::menu15Click},
        {"Read", &TForm1::ToolButton6Click},   {"Write", &TForm1::ToolButton8Click},
    };
    const QStringList buttons = {"New", "Open", "Save", "Print", "Read", "Write"};
    for (int i = 0; i < commands.size(); ++i) {
        const char* name = commands[i].first;
        const Command command = commands[i].second;
        QTest::addRow("%s, nothing open", name) << "" << command << "";
        QTest::addRow("%s, channel", name) << "channel" << command << "channel:" + buttons[i];
        QTest::addRow("%s, param", name) << "param" << command << "param:" + buttons[i];
        QTest::addRow("%s, channel then param", name) << "channel,param" << command << "param:" + buttons[i];
        QTest::addRow("%s, param then channel", name) << "param,channel" << command << "channel:" + buttons[i];
    }
}

void TestMainWindow::commandsReachActiveChild()
{
    QFETCH(QString, open);
    QFETCH(Command, command);
    QFETCH(QString, pressed);
    Fixture f;
    f.Show();
    for (const QString& which : open.split(QLatin1Char(','), Qt::SkipEmptyParts))
        which == QLatin1String("channel") ? f.form->menu22Click() : f.form->menu23Click();
    (f.form.get()->*command)();
    QCOMPARE(f.log, pressed.isEmpty() ? QStringList() : QStringList{pressed});
}

void TestMainWindow::openWindowsAndToolButtons()
{
    Fixture f;
    f.Show();
    TForm1& w = *f.form;
    auto state = [&] { return QList<int>{int(OpenWindows), w.ToolButton12->isChecked(), w.ToolButton13->isChecked()}; };

    w.ToolButton12->click();
    QCOMPARE(state(), (QList<int>{2 | 8, 1, 0}));
    w.ToolButton13->click();
    QCOMPARE(state(), (QList<int>{2 | 1 | 4, 0, 1}));
    // Back to the channel window by the command: it is raised, not made again.
    w.ToolButton12->click();
    QCOMPARE(state(), (QList<int>{3 | 8, 1, 0}));
    QCOMPARE(w.MdiClient->subWindowList().size(), 2);

    // The channel window closes while the options window stays.
    QPointer<QMdiSubWindow> channel = w.ChannelForm();
    channel->close();
    QTRY_VERIFY(!channel);
    QCOMPARE(state(), (QList<int>{1 | 4, 0, 1}));

    QPointer<QMdiSubWindow> param = w.ParamForm();
    param->close();
    QTRY_VERIFY(!param);
    QCOMPARE(OpenWindows, 0u);
    w.SyncToolButtons(true);
    QCOMPARE(state(), (QList<int>{0, 0, 0}));

    // The options window closes while the channel window stays.
    w.menu22Click();
    w.menu23Click();
    param = w.ParamForm();
    param->close();
    QTRY_VERIFY(!param);
    QCOMPARE(int(OpenWindows), 2 | 8);
}

void TestMainWindow::childWindowIsSingleAndPlaced()
{
    Fixture f;
    f.Show();
    TForm1& w = *f.form;
    w.menu22Click();
    QMdiSubWindow* channel = w.ChannelForm();
    QVERIFY(channel);
    QVERIFY(channel->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(channel->pos(), QPoint(36, 36));
    QCOMPARE(channel->widget()->size(), QSize(300, 200));
    channel->move(200, 150);
    channel->showMinimized();
    w.menu23Click();
    QCOMPARE(w.ParamForm()->pos(), QPoint(26, 26));
    w.menu22Click();
    QCOMPARE(w.ChannelForm(), channel);
    QVERIFY(!channel->isMinimized());
    QCOMPARE(channel->pos(), QPoint(36, 36));
    QCOMPARE(w.MdiClient->activeSubWindow(), channel);
    QCOMPARE(w.MdiClient->subWindowList().size(), 2);
}

void TestMainWindow::busyTransferStopsCommands()
{
    Fixture f;
    f.Show();
    TForm1& w = *f.form;
    w.menu22Click();
    f.log.clear();
    TransferBusy = true;
    for (Command c : {&TForm1::menu11Click, &TForm1::menu12Click, &TForm1::menu14Click, &TForm1::menu15Click,
                      &TForm1::ToolButton6Click, &TForm1::ToolButton8Click, &TForm1::menu23Click,
                      &TForm1::menu16Click})
        (w.*c)();
    w.ToolButton13->click();
    QVERIFY(f.log.isEmpty());
    QVERIFY(!w.ParamForm());
    QVERIFY(w.ToolButton12->isChecked());
    QVERIFY(!w.ToolButton13->isChecked());
    QVERIFY(w.isVisible());
}

void TestMainWindow::closeWaitsForTransfer()
{
    Fixture f;
    f.Show();
    f.form->menu22Click();
    QPointer<QMdiSubWindow> channel = f.form->ChannelForm();
    TransferBusy = true;
    f.form->close();
    QTest::qWait(300);
    QVERIFY(f.form->isVisible());
    QVERIFY(channel);
    TransferBusy = false;
    QTRY_VERIFY(!f.form->isVisible());
}

void TestMainWindow::minimumSize()
{
    Fixture f;
    f.Show();
    f.form->resize(100, 100);
    QTRY_VERIFY(f.form->frameGeometry().width() >= 880);
    QVERIFY(f.form->frameGeometry().height() >= 668);
    f.form->resize(1000, 700);
    QTRY_COMPARE(f.form->size(), QSize(1000, 700));
}

// Run on a 1366 x 768 screen at 100 %, 125 % and 150 % (QT_SCALE_FACTOR):
// the main window and the Help window never ask for more than the screen
// with a window manager's title bar around them (the offscreen platform's
// frame has none), and both child windows, opened in the main window, lie within its
// area with every button reachable; the channel window keeps its designed
// size where there is room for it.
void TestMainWindow::childWindowsFitTheScreen()
{
    Fixture f;
    f.form->SetChannelForm([](QWidget* owner) { return new TForm2(owner); });
    f.form->SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
    const QRect screen = f.form->screen()->availableGeometry();
    // What the window manager is told as it frames the window.
    const QSize titleBarAndBorder(8, 30);
    QVERIFY(screen.contains(QRect(screen.topLeft(), f.form->minimumSize() + titleBarAndBorder)));
    f.form->showMaximized();
    f.Show();
    // Scaled, the window's logical size rounds up by a pixel at most.
    QVERIFY(screen.adjusted(0, 0, 1, 1).contains(f.form->frameGeometry()));
    f.form->menu41->trigger();
    const QWidget* guide = f.form->findChild<QTextBrowser*>(QStringLiteral("GuideText"))->window();
    QVERIFY(screen.contains(QRect(screen.topLeft(), guide->size() + titleBarAndBorder)));

    QWidget* area = f.form->MdiClient->viewport();
    const QSize designed = TForm2().sizeHint();
    for (Command open : {&TForm1::menu22Click, &TForm1::menu23Click}) {
        (f.form.get()->*open)();
        QMdiSubWindow* frame = f.form->MdiClient->activeSubWindow();
        QVERIFY(frame);
        QVERIFY2(area->rect().contains(frame->geometry()),
                 qPrintable(QStringLiteral("%1 in %2 x %3").arg(QLatin1String(frame->widget()->metaObject()->className()))
                                .arg(area->width()).arg(area->height())));
        const QList<QPushButton*> buttons = frame->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 6);
        for (const QPushButton* button : buttons)
            QVERIFY(area->rect().contains(QRect(button->mapTo(area, QPoint(0, 0)), button->size())));
        if (open == &TForm1::menu22Click) {
            const bool room = area->rect().contains(QRect(QPoint(36, 36), designed));
            QCOMPARE(frame->size() == designed, room);
        }
    }
}

void TestMainWindow::hintPanelFollowsMouse()
{
    Fixture f;
    f.Show();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(f.form->ToolButton6, &enter);
    QCOMPARE(f.form->StatusPanels[4]->text(), QStringLiteral("|Read"));
    QApplication::sendEvent(f.form->ToolButton4, &enter);
    QCOMPARE(f.form->StatusPanels[4]->text(), QStringLiteral("|Save As"));
    QTest::mouseMove(f.form->MdiClient->viewport(), QPoint(200, 200));
    QTRY_COMPARE(f.form->StatusPanels[4]->text(), QString());
}

void TestMainWindow::exitCloses()
{
    Fixture f;
    f.Show();
    f.form->ToolButton10->click();
    QVERIFY(!f.form->isVisible());
}

// A child window closed in the same turn of the event loop as the main window
// ends goes with it; its close bookkeeping never reaches the main window.
void TestMainWindow::windowClosedJustBeforeTheEnd()
{
    Fixture f;
    f.Show();
    f.form->menu23Click();
    f.form->menu22Click();
    QPointer<QMdiSubWindow> closed = f.form->ParamForm();
    closed->close();
    QVERIFY(closed);  // closed, not yet deleted
    f.form.reset();
    QVERIFY(!closed);
}

void TestMainWindow::keysReachActiveChild_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Ctrl+N: New") << QKeySequence(Qt::CTRL | Qt::Key_N) << "channel:New";
    QTest::newRow("Ctrl+O: Open") << QKeySequence(Qt::CTRL | Qt::Key_O) << "channel:Open";
    QTest::newRow("Ctrl+S: Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "channel:SaveCurrentFile";
    QTest::newRow("Ctrl+Shift+S: Save as") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "channel:Save";
    QTest::newRow("Ctrl+P: Print") << QKeySequence(Qt::CTRL | Qt::Key_P) << "channel:Print";
    QTest::newRow("F5: Read") << QKeySequence(Qt::Key_F5) << "channel:Read";
    QTest::newRow("F6: Write") << QKeySequence(Qt::Key_F6) << "channel:Write";
}

void TestMainWindow::keysReachActiveChild()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, pressed);
    Fixture f;
    f.Show();
    f.form->menu22Click();
    QTest::keySequence(f.form.get(), keys);
    QCOMPARE(f.log, QStringList{pressed});
    QTest::keySequence(f.form.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!f.form->isVisible());
}

// Help shows the guide, About the version; asked again, the same window
// comes forward.
void TestMainWindow::helpAndAbout()
{
    Fixture f;
    f.Show();
    f.form->menu41->trigger();
    const auto guides = f.form->findChildren<QTextBrowser*>(QStringLiteral("GuideText"));
    QCOMPARE(guides.size(), 1);
    QVERIFY(guides.first()->isVisible());
    const QString guide = guides.first()->toPlainText();
    QVERIFY(guide.startsWith(QStringLiteral("FANE5 programmer: a walk-through")));
    for (const QString& topic : {QStringLiteral("Port"), QStringLiteral(".chnw"), QStringLiteral("Verify after write"),
                                 QStringLiteral("~/.local/share/fane5/history")})
        QVERIFY2(guide.contains(topic), qPrintable(topic));
    // Every picture the guide shows, and every page it links to, comes with
    // the program.
    QStringList pictures, pages;
    for (QTextBlock block = guides.first()->document()->begin(); block.isValid(); block = block.next())
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.isImageFormat())
                pictures << format.toImageFormat().name();
            else if (format.isAnchor() && QUrl(format.anchorHref()).isRelative())
                pages << format.anchorHref();
        }
    QVERIFY(pictures.size() >= 8);
    for (const QString& picture : pictures) {
        const QVariant data = guides.first()->loadResource(QTextDocument::ImageResource, QUrl(picture));
        const QImage image = data.typeId() == QMetaType::QImage ? data.value<QImage>() : QImage::fromData(data.toByteArray());
        QVERIFY2(!image.isNull(), qPrintable(picture));
    }
    QVERIFY(!pages.isEmpty());
    for (const QString& page : pages)
        QVERIFY2(!guides.first()->loadResource(QTextDocument::MarkdownResource, QUrl(page)).toByteArray().isEmpty(),
                 qPrintable(page));
    f.form->menu41->trigger();
    QCOMPARE(f.form->findChildren<QTextBrowser*>(QStringLiteral("GuideText")).size(), 1);
    // A link to a section of the README opens at that section.
    guides.first()->setSource(QUrl(QStringLiteral("qrc:/README.md#names-in-the-windows")));
    QCOMPARE(guides.first()->cursorForPosition(QPoint(10, 10)).block().text(), QStringLiteral("Names in the windows"));

    f.form->menu42->trigger();
    const auto boxes = f.form->findChildren<QMessageBox*>();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first()->isVisible());
    QVERIFY(boxes.first()->text().contains(QRegularExpression(QStringLiteral("FANE5 Programmer</b> \\d+\\.\\d+"))));
    QVERIFY(boxes.first()->text().contains(QString::fromLatin1(qVersion())));
    QVERIFY(boxes.first()->text().contains(QStringLiteral("Licence")));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
