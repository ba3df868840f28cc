// fane5: the programmer's window. Start-up: splash, a short progress loop,
// the main window, then the event loop until the main window closes.
#include "PortChoice.h"
#include "Splash.h"
#include "main_f.h"
#include "ui/channels/celframe.h"
#include "ui/common/GuiLinkUi.h"
#include "ui/options/OptionDova.h"
#ifdef FANE5_DEMO_RADIO
#include "DemoRadio.h"
#endif

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

// --help, --version and a bad command line end the process here.
Options ParseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
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
#ifdef FANE5_DEMO_RADIO
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Work with a simulated radio inside the program."));
    parser.addOption(demo);
#endif
    parser.process(app);
    Options options{parser.value(port), false, parser.positionalArguments()};
#ifdef FANE5_DEMO_RADIO
    options.demo = parser.isSet(demo);
#endif
    return options;
}

// --help and --version are answered before the window system is opened, so
// they work without a display. Anything else waits for the QApplication,
// which takes Qt's own options (-platform, -style...) out first.
void AnswerHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "-h" || word == "--help" || word == "-?" || word == "--help-all" || word == "-v"
            || word == "--version") {
            QCoreApplication app(argc, argv);
            ParseOptions(app);
            return;  // the word was an option's value
        }
    }
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
    QCoreApplication::setApplicationVersion(QStringLiteral(FANE5_VERSION));
    AnswerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    marks.Mark("app");
    QApplication::setStyle(QStringLiteral("Fusion"));
    const Options options = ParseOptions(app);

    GuiLinkUi ui;
    const std::unique_ptr<PortChoice> ports = PortChoice::ForThisSystem();
    auto splash = std::make_unique<TSplashForm>(ui, *ports);
    splash->show();
    splash->repaint();
    marks.Mark("splash");
    RunSplashLoop();
    marks.Mark("loop");

#ifdef FANE5_DEMO_RADIO
    // Declared before the main window: the radio outlives every transfer.
    std::unique_ptr<SimRadio> demoRadio;
#endif
    TForm1 form1(ui, *ports);
    form1.SetChannelForm([](QWidget* owner) { return new TForm2(owner); });
    form1.SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
    if (!options.port.isEmpty())
        form1.UseCommandLinePort(options.port);
#ifdef FANE5_DEMO_RADIO
    if (options.demo) {
        QString error;
        demoRadio = StartDemoRadio(&error);
        if (demoRadio)
            form1.UseCommandLinePort(demoRadio->DevicePath());
        else
            ui.Notice(error, BoxKind::Error);
    }
#endif
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
