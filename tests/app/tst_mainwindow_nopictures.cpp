// The main window started from a folder without "bkg.dat": the error is
// shown, the rest of the creation is skipped, and Connect is offered later.
#include "TestDoubles.h"
#include "app/BackgroundArea.h"
#include "app/main_f.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"

#include <QMdiSubWindow>
#include <QTest>

class TestMainWindowNoPictures : public QObject {
    Q_OBJECT
private slots:
    void creationStopsAtThePicture();
    void channelAsksToConnect_data();
    void channelAsksToConnect();
};

void TestMainWindowNoPictures::creationStopsAtThePicture()
{
    ScriptedUi ui;
    TestPorts ports;
    TForm1 form(ui, *ports.choice);
    QCOMPARE(ui.notices.size(), 1);
    QVERIFY(ui.notices[0].contains(QStringLiteral("bkg.dat")));
    QCOMPARE(ui.kinds, QList<BoxKind>{BoxKind::Error});
    QCOMPARE(DeviceType, 0);
    for (QLabel* panel : form.StatusPanels)
        QCOMPARE(panel->text(), QString());
    QVERIFY(!form.menu22->isEnabled());
    QVERIFY(!form.menu23->isEnabled());
}

void TestMainWindowNoPictures::channelAsksToConnect_data()
{
    QTest::addColumn<bool>("channel");  // else the Param command
    QTest::addColumn<bool>("answer");
    QTest::newRow("Channel, No") << true << false;
    QTest::newRow("Param, No") << false << false;
    QTest::newRow("Channel, Yes") << true << true;
    QTest::newRow("Param, Yes") << false << true;
}

void TestMainWindowNoPictures::channelAsksToConnect()
{
    QFETCH(bool, channel);
    QFETCH(bool, answer);
    DeviceType = 0;
    OpenWindows = 0;
    ScriptedUi ui;
    TestPorts ports;
    TForm1 form(ui, *ports.choice);
    QStringList log;
    const ChildFactory child = [&log](QWidget* owner) { return new TestChild(QStringLiteral("c"), log, owner); };
    form.SetChannelForm(child);
    form.SetParamForm(child);
    form.show();
    ui.notices.clear();
    ui.kinds.clear();
    ui.answer = answer;

    (channel ? form.ToolButton12 : form.ToolButton13)->click();
    QCOMPARE(ui.questions, QStringList{languagestr::DeviceNoConnectNow});
    QCOMPARE(ui.kinds.first(), BoxKind::Information);
    QMdiSubWindow* frame = channel ? form.ChannelForm() : form.ParamForm();
    if (!answer) {
        QCOMPARE(DeviceType, 0);
        QVERIFY(!frame);
        QVERIFY(ui.notices.isEmpty());
        QVERIFY(!form.ToolButton12->isChecked());
        QVERIFY(!form.ToolButton13->isChecked());
        return;
    }
    QCOMPARE(DeviceType, 3);
    QCOMPARE(ui.notices, QStringList{QStringLiteral("Device FANE5 been detect!频段范围[400-480.9995Mhz]")});
    QVERIFY(frame);
    QCOMPARE(frame->pos(), channel ? QPoint(36, 36) : QPoint(26, 26));
    // Connect changes neither the menus nor the status panels.
    QVERIFY(!form.menu22->isEnabled());
    QCOMPARE(form.StatusPanels[1]->text(), QString());
}

QTEST_MAIN(TestMainWindowNoPictures)
#include "tst_mainwindow_nopictures.moc"
