// fane5: the programmer's window. Start-up: splash, a short progress loop,
// the main window, then the event loop until the main window closes.
#include "GuiLinkUi.h"
#include "PortChoice.h"
#include "Splash.h"
#include "main_f.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QThread>
#include <memory>

namespace {

struct Options {
    QString port;
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
    parser.process(app);
    return {parser.value(port)};
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

    const std::unique_ptr<PortChoice> ports = PortChoice::ForThisSystem();
    TForm1 form1(ui, *ports);
    if (!options.port.isEmpty())
        form1.UseCommandLinePort(options.port);
    splash.reset();

    form1.showMaximized();
    return app.exec();
}
