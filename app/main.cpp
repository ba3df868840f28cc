// fane5: the programmer's window. Start-up: splash, a short progress loop,
// the main window, then the event loop until the main window closes.
#include "GuiLinkUi.h"
#include "OptionDova.h"
#include "PortChoice.h"
#include "Splash.h"
#include "celframe.h"
#include "main_f.h"
#ifdef FANE5_DEMO_RADIO
#include "DemoRadio.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QThread>
#include <memory>

namespace {

struct Options {
    QString port;
    bool demo = false;
};

Options ParseOptions(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programmer for the FANE5 handheld radio."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use DEVICE (any serial device path) instead of the Port menu."),
                                  QStringLiteral("DEVICE"));
    parser.addOption(port);
#ifdef FANE5_DEMO_RADIO
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Work with a simulated radio inside the program."));
    parser.addOption(demo);
#endif
    parser.process(app);
    Options options{parser.value(port)};
#ifdef FANE5_DEMO_RADIO
    options.demo = parser.isSet(demo);
#endif
    return options;
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fane5"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    const Options options = ParseOptions(app);

    GuiLinkUi ui;
    auto splash = std::make_unique<TSplashForm>(ui);
    splash->show();
    splash->repaint();
    RunSplashLoop();

#ifdef FANE5_DEMO_RADIO
    // Declared before the main window: the radio outlives every transfer.
    std::unique_ptr<SimRadio> demoRadio;
#endif
    const std::unique_ptr<PortChoice> ports = PortChoice::ForThisSystem();
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
    return app.exec();
}
