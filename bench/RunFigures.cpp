#include "RunFigures.h"
#include "WireBytes.h"

#include "base/Connection.h"
#include "channels/ChannelDefaults.h"
#include "exchange/ChannelExchange.h"
#include "exchange/RadioRun.h"
#include "sim/InProcessRadio.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr int Radios = 5;
constexpr double OverheadGoalSeconds = 0.050;
constexpr int AdapterLatencyMs = 16;

// Seconds of each of five radios in a row, or none when one failed. The
// bench keeps nothing in the user's radio history.
QList<double> RadioSeconds(RadioLink& link, const QString& port)
{
    NotedLinkUi ui;
    ExchangeSetup setup{link, port, ui};
    setup.KeepHistory = false;
    RadioRun run(setup, RunPlan{DefaultChannelTable(), std::nullopt, false});
    QList<double> seconds;
    for (int number = 1; number <= Radios; ++number) {
        const RadioOutcome& outcome = run.Program(number);
        if (!outcome.Verified)
            return {};
        seconds << outcome.Seconds;
    }
    return seconds;
}

Figure PacedRun(const QString& device)
{
    RadioLink link;
    const QList<double> seconds = RadioSeconds(link, device);
    const double slowest = seconds.isEmpty() ? -1 : *std::max_element(seconds.cbegin(), seconds.cend());
    const double fastest = seconds.isEmpty() ? -1 : *std::min_element(seconds.cbegin(), seconds.cend());
    const double wire = (WriteBytes + ReadBytes) * SecondsPerByte;
    return {QStringLiteral("program radios: slowest of %1, write + verify / wire").arg(Radios),
            slowest < 0 ? QStringLiteral("FAILED")
                        : QStringLiteral("%1 s / %2 s = %3 (fastest %4 s)").arg(slowest, 0, 'f', 3).arg(wire, 0, 'f', 3)
                              .arg(slowest / wire, 0, 'f', 3).arg(fastest, 0, 'f', 3),
            QStringLiteral("<= %1").arg(RatioGoal), slowest >= 0 && slowest / wire <= RatioGoal};
}

// The in-process radio has no line time but a serial line's pause after
// each write, which varies with the machine's load: what the run adds is
// its fastest radio less the fastest bare write and verify, taken in turns.
Figure InProcessRun()
{
    InProcessRadio radio;
    RadioLink link(radio.AnyPort());
    NotedLinkUi ui;
    ExchangeSetup setup{link, QStringLiteral("any"), ui};
    setup.KeepHistory = false;
    RadioRun run(setup, RunPlan{DefaultChannelTable(), std::nullopt, false});
    double fastestRun = 1e9, fastestBare = 1e9;
    for (int number = 1; number <= Radios; ++number) {
        const RadioOutcome& outcome = run.Program(number);
        QElapsedTimer timer;
        timer.start();
        const bool bare = ChannelExchange(setup).Write(DefaultChannelTable(), true).Done;
        if (!outcome.Verified || !bare)
            return {QStringLiteral("program radios, in-process radio"), QStringLiteral("FAILED"), QString(), false};
        fastestRun = std::min(fastestRun, outcome.Seconds);
        fastestBare = std::min(fastestBare, double(timer.nsecsElapsed()) / 1e9);
    }
    const double overhead = fastestRun - fastestBare;
    return {QStringLiteral("program radios, in-process radio: run - bare write + verify (fastest of %1)").arg(Radios),
            QStringLiteral("%1 - %2 = %3").arg(Millis(fastestRun), Millis(fastestBare), Millis(overhead)),
            QStringLiteral("< %1").arg(Millis(OverheadGoalSeconds)), overhead < OverheadGoalSeconds};
}

// Informs only: what the cable costs, against the same write without it.
Figure AdapterWrite(const QString& device)
{
    RadioLink link;
    NotedLinkUi ui;
    ExchangeSetup setup{link, device, ui};
    setup.KeepHistory = false;
    QElapsedTimer timer;
    timer.start();
    const bool ok = ChannelExchange(setup).Write(DefaultChannelTable(), false).Done;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double wire = WriteBytes * SecondsPerByte;
    return {QStringLiteral("channel write, USB latency timer %1 ms / wire").arg(AdapterLatencyMs),
            ok ? QStringLiteral("%1 s / %2 s = %3").arg(seconds, 0, 'f', 3).arg(wire, 0, 'f', 3).arg(seconds / wire, 0, 'f', 2)
               : QStringLiteral("FAILED"),
            QString(), ok};
}

} // namespace

bool MeasureRadioRuns(const QString& paced, const QString& adapter, Figures& figures)
{
    SetFixedModel();  // the band every write is checked against, as the programs fix it at their start
    figures << PacedRun(paced) << InProcessRun() << AdapterWrite(adapter);
    return std::all_of(figures.end() - 3, figures.end(),
                       [](const Figure& f) { return f.measured != QStringLiteral("FAILED"); });
}
