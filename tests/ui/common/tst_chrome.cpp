// Splash text, the child window chrome, and the link's message boxes shown
// from the window thread and from a worker, after which the focus is back;
// the history and compare dialogs as a screen reader finds them.
#include "app/Splash.h"
#include "base/languagestr.h"
#include "tests/TemporaryHome.h"
#include "ui/common/CompareDialog.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/GuiLinkUi.h"
#include "ui/common/HistoryDialog.h"
#include "ui/common/Accessibility.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStyle>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

class QuietUi : public LinkUi {
public:
    void Notice(const QString& text, BoxKind) override { notices << text; }
    bool Ask(const QString&, BoxKind) override { return false; }
    QStringList notices;
};

// Answers the next message box with the given button once it is up; before
// that, notes its width and moves the focus behind it to `elsewhere`, as Qt
// does when the focused control is disabled meanwhile.
void AnswerNextBox(QMessageBox::StandardButton button, QString* seenText, QMessageBox::Icon* seenIcon,
                   QWidget* elsewhere = nullptr, int* seenWidth = nullptr)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seenText = box->text();
        *seenIcon = box->icon();
        if (seenWidth)
            *seenWidth = box->width();
        if (elsewhere)
            elsewhere->setFocus();
        box->button(button)->click();
        poll->deleteLater();
    });
    poll->start(20);
}

// Once the next file dialog is up: notes the folder it shows, then chooses
// `file` in it, or cancels when `file` is empty.
void AnswerNextFileDialog(const QString& file, QString* seenFolder)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *seenFolder = dialog->directory().absolutePath();
        if (file.isEmpty()) {
            dialog->reject();
        } else {
            // As the user types the file's path into the name field.
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
            QMetaObject::invokeMethod(dialog, "accept");  // as the dialog's own button does
        }
        poll->deleteLater();
    });
    poll->start(20);
}

} // namespace

class TestChrome : public QObject {
    Q_OBJECT
    TemporaryHome home_;

private slots:
    // A control's name for a screen reader: no mnemonic, shortcut column
    // or padding; a doubled & stays one.
    void plainNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("mnemonic in brackets") << "New(&N)" << "New";
        QTest::newRow("dots before the mnemonic") << "Print...(&P)" << "Print...";
        QTest::newRow("leading mnemonic") << "&File" << "File";
        QTest::newRow("inner mnemonic and device") << "Com&1\t/dev/ttyS0" << "Com1 /dev/ttyS0";
        QTest::newRow("padding") << "   W/N   " << "W/N";
        QTest::newRow("doubled ampersand") << "Rock && Roll" << "Rock & Roll";
        QTest::newRow("empty") << "" << "";
    }
    void plainNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QCOMPARE(PlainName(text), name);
    }

    // The radio history and the compare list: every control the keys reach
    // has a name, and each dialog opens on its first useful control.
    void dialogsNameEveryControl_data()
    {
        QTest::addColumn<bool>("history");
        QTest::addColumn<QString>("focused");  // the name of the first focus
        QTest::newRow("radio history, nothing kept") << true << "Close";
        QTest::newRow("compare, one difference") << false << "Differences from the radio";
    }
    void dialogsNameEveryControl()
    {
        QFETCH(bool, history);
        QFETCH(QString, focused);
        CompareReport report;
        report.Read.Done = true;
        report.Differences = {QStringLiteral("channel 85, TX Power: Low here, High in the radio")};
        const std::unique_ptr<QDialog> dialog(history ? static_cast<QDialog*>(new HistoryDialog)
                                                      : new CompareDialog(report, true));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (QWidget* control : dialog->findChildren<QWidget*>())
            if (control->isVisible() && control->focusPolicy() & Qt::TabFocus)
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                         control->metaObject()->className());
        QTRY_VERIFY(QApplication::focusWidget());
        QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name), focused);
    }
    void splashText_data();
    void splashText();
    void roundWindowClipsFrame();
    void frameFitsIntoArea_data();
    void frameFitsIntoArea();
    void titleStripDragsAndCloses_data();
    void titleStripDragsAndCloses();
    void boxesFromEitherThread_data();
    void boxesFromEitherThread();
    void fileDialogsStartInTheirFolder_data();
    void fileDialogsStartInTheirFolder();
};

void TestChrome::splashText_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("text");
    QTest::newRow("3 ticks at 36") << 36 << 3 << "Loading 36%......." ;
    QTest::newRow("4 ticks at 10") << 10 << 4 << "Loading 10%........";
    QTest::newRow("1 tick at 102") << 102 << 1 << "Loading 102%.....";
}

void TestChrome::splashText()
{
    QFETCH(int, progress);
    QFETCH(int, ticks);
    QFETCH(QString, text);
    QuietUi ui;
    TSplashForm splash(ui);
    splash.Timer1->stop();
    QCOMPARE(splash.size(), QSize(426, 268));
    QCOMPARE(splash.Label1->text(), QStringLiteral("Loading..."));
    SplashDots.clear();
    SplashProgress = progress;
    for (int i = 0; i < ticks; ++i)
        splash.Timer1Timer();
    QCOMPARE(splash.Label1->text(), text);
    QCOMPARE(splash.Timer1->interval(), 10);
}

void TestChrome::roundWindowClipsFrame()
{
    QMdiArea area;
    area.resize(800, 600);
    auto* child = new QWidget;
    QMdiSubWindow* frame = area.addSubWindow(child);
    StripCaptionStyle(child);
    QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
    child->setFixedSize(200, 100);
    area.show();
    RoundWindow(child, 200, 100);
    const QRegion mask = frame->mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));       // the top corners are cut
    QVERIFY(!mask.contains(QPoint(199, 0)));
    QVERIFY(mask.contains(QPoint(100, 50)));
    QVERIFY(mask.contains(QPoint(0, 99)));       // the lower corners lie below the window
    QVERIFY(mask.contains(QPoint(199, 99)));
    QVERIFY(!mask.contains(QPoint(100, 100)));   // nothing outside the window
    QVERIFY(!mask.contains(QPoint(200, 50)));
    QCOMPARE(ChildFrame(child), static_cast<QWidget*>(frame));
}

void TestChrome::frameFitsIntoArea_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("fitted");  // of a 300 x 200 frame at (36, 36), at least 200 x 100
    QTest::newRow("room enough: unchanged") << QSize(800, 600) << QRect(36, 36, 300, 200);
    QTest::newRow("room for the smallest: shrinks") << QSize(300, 200) << QRect(36, 36, 264, 164);
    QTest::newRow("less than the smallest: moves up and left") << QSize(220, 120) << QRect(20, 20, 200, 100);
    QTest::newRow("not even that: shows its top left") << QSize(150, 80) << QRect(0, 0, 200, 100);
}

void TestChrome::frameFitsIntoArea()
{
    QFETCH(QSize, area);
    QFETCH(QRect, fitted);
    QMdiArea mdi;
    mdi.resize(800, 600);
    auto* child = new QWidget;
    child->setMinimumSize(200, 100);
    QMdiSubWindow* frame = mdi.addSubWindow(child);
    StripCaptionStyle(child);
    mdi.show();
    frame->setGeometry(36, 36, 300, 200);
    FitFrameInto(frame, area);
    QCOMPARE(frame->geometry(), fitted);
    QCOMPARE(child->size(), fitted.size());
}

void TestChrome::titleStripDragsAndCloses_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left button alone") << Qt::KeyboardModifiers() << true;
    QTest::newRow("with Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("with Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
}

void TestChrome::titleStripDragsAndCloses()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, moves);
    QMdiArea area;
    area.resize(800, 600);
    auto* child = new QWidget;
    child->setFixedSize(320, 200);
    auto* strip = new TitleStrip(child);
    strip->Label31->setText(languagestr::ModelName + languagestr::ParamTitleSuffix);
    QMdiSubWindow* frame = area.addSubWindow(child);
    StripCaptionStyle(child);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    frame->move(50, 40);
    QCOMPARE(strip->width(), 320);
    QCOMPARE(strip->height(), 36);
    QCOMPARE(strip->Image5->geometry().right(), 319);

    QWidget* handle = strip->Label31;
    const QPoint start(60, 18);
    QTest::mousePress(handle, Qt::LeftButton, modifiers, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(30, 20)),
                     QPointF(handle->mapToGlobal(start + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton,
                     modifiers);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, modifiers, start + QPoint(30, 20));
    QCOMPARE(frame->pos(), moves ? QPoint(80, 60) : QPoint(50, 40));

    QSignalSpy closes(strip, &TitleStrip::Image5Click);
    QTest::mouseClick(strip->Image5, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(18, 18));
    QCOMPARE(closes.size(), 1);
}

void TestChrome::boxesFromEitherThread_data()
{
    QTest::addColumn<bool>("fromWorker");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("icon");
    QTest::newRow("window thread, Yes") << false << int(BoxKind::Error) << int(QMessageBox::Yes) << true
                                        << int(QMessageBox::Critical);
    QTest::newRow("worker, Yes") << true << int(BoxKind::Error) << int(QMessageBox::Yes) << true
                                 << int(QMessageBox::Critical);
    QTest::newRow("worker, No") << true << int(BoxKind::Information) << int(QMessageBox::No) << false
                                << int(QMessageBox::Information);
    QTest::newRow("worker, plain") << true << int(BoxKind::Plain) << int(QMessageBox::No) << false
                                   << int(QMessageBox::NoIcon);
}

void TestChrome::boxesFromEitherThread()
{
    QFETCH(bool, fromWorker);
    QFETCH(int, kind);
    QFETCH(int, button);
    QFETCH(bool, answer);
    QFETCH(int, icon);
    GuiLinkUi ui;
    QWidget window;  // the focus is in its first field, and comes back there
    auto* field = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QString seen;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    AnswerNextBox(QMessageBox::StandardButton(button), &seen, &seenIcon, other);
    const QString text = languagestr::DeviceNoConnectRetry;
    bool result = !answer;
    if (fromWorker) {
        // The window thread pumps events while the worker waits for the answer.
        QThread* worker = QThread::create([&] { result = ui.Ask(text, BoxKind(kind)); });
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 60000);
        delete worker;
    } else {
        result = ui.Ask(text, BoxKind(kind));
    }
    QCOMPARE(result, answer);
    QCOMPARE(seen, text);
    QCOMPARE(int(seenIcon), icon);
    // The window's focus child takes the focus as the window is active again.
    QTRY_COMPARE(window.focusWidget(), static_cast<QWidget*>(field));

    // A notice has only OK. Its box leaves room for its title and the
    // frame's buttons beside it, however short its text: a frame narrower
    // than that cuts the title.
    const auto restore = qScopeGuard([title = languagestr::AppTitle] { languagestr::AppTitle = title; });
    languagestr::AppTitle = QStringLiteral("FANE5 Radio Programmer");  // bkg.dat's
    int width = 0;
    AnswerNextBox(QMessageBox::Ok, &seen, &seenIcon, nullptr, &width);
    ui.Notice(languagestr::ReciveComplete, BoxKind::Plain);
    QCOMPARE(seen, languagestr::ReciveComplete);
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int buttons = 3 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QCOMPARE_GE(width, QFontMetrics(titleFont).horizontalAdvance(languagestr::AppTitle) + buttons);
}

// A dialog starts in the window's file's folder, else where its kind of file
// was last chosen, else in the documents: never in the working folder.
void TestChrome::fileDialogsStartInTheirFolder_data()
{
    QTest::addColumn<QString>("before");     // a channel file chosen first, in this folder ("" none)
    QTest::addColumn<QString>("suffix");     // the kind asked for then
    QTest::addColumn<QString>("suggested");  // the window's file
    QTest::addColumn<QString>("folder");     // where that dialog starts
    QTest::newRow("nothing yet: the documents") << "" << "chnw" << "" << "<documents>";
    QTest::newRow("the window's file") << "a" << "chnw" << "<b>/home.chnw" << "<b>";
    QTest::newRow("the last folder of the kind") << "a" << "chnw" << "" << "<a>";
    QTest::newRow("another kind keeps its own") << "a" << "csv" << "" << "<documents>";
    QTest::newRow("a remembered folder that is gone") << "gone" << "chnw" << "" << "<documents>";
}

void TestChrome::fileDialogsStartInTheirFolder()
{
    QFETCH(QString, before);
    QFETCH(QString, suffix);
    QFETCH(QString, suggested);
    QFETCH(QString, folder);
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("a"));
    QDir(root.path()).mkpath(QStringLiteral("b"));
    QDir(root.path()).mkpath(QStringLiteral("gone"));
    QDir::setCurrent(root.path());  // the folder the program was started from
    const auto place = [&](QString text) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        text.replace(QStringLiteral("<documents>"), QFileInfo(documents).isDir() ? documents : QDir::homePath());
        return text.replace(QStringLiteral("<a>"), root.filePath(QStringLiteral("a")))
            .replace(QStringLiteral("<b>"), root.filePath(QStringLiteral("b")));
    };
    SetFileFolder(QStringLiteral("chnw"), QString());
    SetFileFolder(QStringLiteral("csv"), QString());
    QString seen;
    if (!before.isEmpty()) {
        const QString file = QDir(root.filePath(before)).filePath(QStringLiteral("x.chnw"));
        AnswerNextFileDialog(file, &seen);
        QCOMPARE(ChooseFile(nullptr, QFileDialog::AcceptSave, QStringLiteral("chnw"), QStringLiteral("chnw file(*.chnw)")),
                 file);
        QDir(root.filePath(QStringLiteral("gone"))).removeRecursively();
    }
    AnswerNextFileDialog(QString(), &seen);
    QCOMPARE(ChooseFile(nullptr, QFileDialog::AcceptOpen, suffix, QStringLiteral("file(*.%1)").arg(suffix),
                        place(suggested)),
             QString());
    QCOMPARE(QDir(seen).canonicalPath(), QDir(place(folder)).canonicalPath());
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
