// fane5-bench: the program's performance figures on one table: channel
// transfers against `fane5-sim --pace`, the window thread's responsiveness
// during a transfer, start-up time, peak memory, CSV export and import, and
// radios programmed in a row.
#include "ExchangeFigures.h"
#include "Figures.h"
#include "RunFigures.h"
#include "StartupFigures.h"
#include "TransferFigures.h"
#include "WindowProbe.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

namespace {

void PrintTable(const Figures& figures)
{
    int nameWidth = 0, measuredWidth = 0, goalWidth = 0;
    for (const Figure& f : figures) {
        nameWidth = std::max(nameWidth, int(f.name.size()));
        measuredWidth = std::max(measuredWidth, int(f.measured.size()));
        goalWidth = std::max(goalWidth, int(f.goal.size()));
    }
    QTextStream out(stdout);
    const auto line = [&](const QString& name, const QString& measured, const QString& goal, const QString& met) {
        out << name.leftJustified(nameWidth) << "  " << measured.leftJustified(measuredWidth) << "  "
            << goal.leftJustified(goalWidth) << "  " << met << '\n';
    };
    line(QStringLiteral("figure"), QStringLiteral("measured"), QStringLiteral("goal"), QStringLiteral("result"));
    for (const Figure& f : figures)
        line(f.name, f.measured, f.goal, f.goal.isEmpty() ? QString() : f.met ? QStringLiteral("met") : QStringLiteral("MISSED"));
}

// Starts fane5-sim with `arguments`; its pseudo-terminal, empty when it did not start.
QString StartSim(QProcess& sim, const QStringList& arguments)
{
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/fane5-sim"), arguments);
    while (sim.waitForReadyRead(10000) && !sim.canReadLine()) {
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    if (device.isEmpty())
        QTextStream(stderr) << "fane5-sim did not start" << Qt::endl;
    return device;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], WindowProbeFlag) == 0)
        return RunWindowProbe(argc, argv);

    QCoreApplication app(argc, argv);
    QProcess sim, adapterSim;
    const QString device = StartSim(sim, {QStringLiteral("--pace")});
    const QString adapter = StartSim(adapterSim, {QStringLiteral("--pace"), QStringLiteral("--usb-latency"),
                                                  QStringLiteral("16")});
    if (device.isEmpty() || adapter.isEmpty())
        return 1;

    Figures figures;
    bool ok = MeasureTransfers(device, figures);
    ok = MeasureWindows(device, figures) && ok;
    ok = MeasureStartup(figures) && ok;
    ok = MeasureCsvExchange(figures) && ok;
    ok = MeasureRadioRuns(device, adapter, figures) && ok;
    for (QProcess* process : {&sim, &adapterSim}) {
        process->terminate();
        process->waitForFinished(5000);
    }
    PrintTable(figures);
    return ok ? 0 : 1;
}
