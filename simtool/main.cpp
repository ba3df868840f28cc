// fane5-sim: a simulated radio on a pseudo-terminal, for tests, the benchmark
// and trying the program without a radio.
#include "SimOptions.h"
#include "base/ProgramVersion.h"

#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void OnSignal(int signal)
{
    stopSignal = signal;
}

// Until a signal, the radio's vanishing, or the end of the process that started us.
void WaitForEnd(const SimRadio& radio)
{
    const pid_t parent = ::getppid();
    while (!stopSignal && radio.Running() && ::getppid() == parent)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersion());
    QTextStream err(stderr);
    SimOptions options;
    QString message;
    if (!ParseSimOptions(app.arguments(), options, message)) {
        err << message << Qt::endl;
        return 2;
    }
    if (options.help) {
        QTextStream(stdout) << message;
        return 0;
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGHUP, OnSignal);

    SimRadio radio;
    if (!radio.Start(options.config, &message) || !LoadSimMemory(options, radio, message)) {
        err << message << Qt::endl;
        return 2;
    }
    std::printf("%s\n", radio.DevicePath().toLocal8Bit().constData());
    std::fflush(stdout);

    WaitForEnd(radio);
    radio.Stop();
    if (!SaveSimMemory(options, radio, message)) {
        err << message << Qt::endl;
        return 1;
    }
    return 0;
}
