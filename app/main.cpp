// fane5: the programmer's window. Start-up: splash, a short progress loop,
// the main window, then the event loop until the main window closes.
#include "DemoRadio.h"
#include "PortChoice.h"
#include "QtOptions.h"
#include "Splash.h"
#include "main_f.h"
#include "ui/channels/celframe.h"
#include "ui/common/Accessibility.h"
#include "ui/common/GuiLinkUi.h"
#include "base/ProgramVersion.h"
#include "ui/options/OptionDova.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

struct Options {
    QString port;
    bool demo = false;
    QStringList files;  // channel and option files to open
};

// --help, --version and a bad command line end the process here. Before the
// QApplication has taken Qt's own options out, they are accepted too.
Options ParseOptions(const QCoreApplication& app, bool withQtOptions = false)
{
    QCommandLineParser parser;
    if (withQtOptions)
        AddQtOptions(parser);
    parser.setApplicationDescription(QStringLiteral("Programmer for the FANE5 handheld radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use DEVICE (any serial device path) instead of the Port menu."),
                                  QStringLiteral("DEVICE"));
    parser.addOption(port);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Channel (.chnw) or option (.optw) files to open in their windows."),
                                 QStringLiteral("[FILE...]"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Work with a simulated radio inside the program."));
    parser.addOption(demo);
    parser.process(app);
    return {parser.value(port), parser.isSet(demo), parser.positionalArguments()};
}

// The command line is checked before the window system is opened, so that
// --help, --version and an unknown option are answered without a display.
void CheckCommandLine(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ParseOptions(app, true);
}

// The splash stays up for 51 passes; its timer shows the counter.
void RunSplashLoop()
{
    SplashProgress = 0;
    do {
        QCoreApplication::processEvents();
        SplashProgress += 2;
        QThread::msleep(1);
    } while (SplashProgress <= 100);
}

// FANE5_EXIT_AFTER_SHOW=1, for fane5-bench: note when each start-up step is
// reached and, once the main window is shown, print the steps on the
// monotonic clock (microseconds) and quit.
struct StartupMarks {
    const bool on = qEnvironmentVariableIsSet("FANE5_EXIT_AFTER_SHOW");
    QByteArray line = "startup";
    void Mark(const char* step)
    {
        if (on)
            line += ' ' + QByteArray(step) + '='
                + QByteArray::number(qint64(std::chrono::duration_cast<std::chrono::microseconds>(
                                                std::chrono::steady_clock::now().time_since_epoch())
                                                .count()));
    }
    void QuitWhenShown(QApplication& app)
    {
        if (on)
            QTimer::singleShot(0, &app, [this, &app] {
                Mark("shown");
                std::printf("%s\n", line.constData());
                app.quit();
            });
    }
};

} // namespace

int main(int argc, char** argv)
{
    StartupMarks marks;
    marks.Mark("main");
    QCoreApplication::setApplicationName(QStringLiteral("fane5"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
    CheckCommandLine(argc, argv);
    QApplication app(argc, argv);
    marks.Mark("app");
    // Before a screen reader first asks for a menu, which Qt then keeps.
    InstallSpokenNames();
    QApplication::setStyle(QStringLiteral("Fusion"));
    const Options options = ParseOptions(app);

    GuiLinkUi ui;
    const std::unique_ptr<PortChoice> ports = PortChoice::ForThisSystem();
    auto splash = std::make_unique<TSplashForm>(ui);
    splash->show();
    splash->repaint();
    marks.Mark("splash");
    RunSplashLoop();
    marks.Mark("loop");

    // One link for every window, so the handshake state lasts from one
    // exchange to the next as the radio expects.
    const std::unique_ptr<InProcessRadio> demoRadio = options.demo ? StartDemoRadio() : nullptr;
    RadioLink link(ProgramLines(demoRadio.get()));
    TForm1 form1(ui, *ports);
    form1.SetChannelForm([&link](QWidget* owner) {
        auto* form = new TForm2(owner);
        form->SetRadioLink(link);
        return form;
    });
    form1.SetParamForm([&link](QWidget* owner) {
        auto* form = new TFormDova(owner);
        form->SetRadioLink(link);
        return form;
    });
    if (!options.port.isEmpty())
        form1.UseCommandLinePort(options.port);
    if (demoRadio)
        form1.UseCommandLinePort(DemoPortName());
    splash.reset();

    // Without a window manager "maximized" means nothing: fill the screen.
    if (const QScreen* screen = form1.screen())
        form1.setGeometry(screen->availableGeometry());
    form1.showMaximized();
    // A file opened from the desktop (the installer associates .chnw and
    // .optw) comes as an argument: into its window once the main window is up.
    QTimer::singleShot(0, &form1, [&form1, files = options.files] {
        for (const QString& path : files)
            form1.OpenRecentFile(path);
    });
    marks.QuitWhenShown(app);
    return app.exec();
}
