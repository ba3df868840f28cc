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
constexpr double OverheadGoalSeconds = 0.100;
constexpr int AdapterLatencyMs = 16;

// The slowest of five radios in a row, in seconds; negative when one failed.
// The bench keeps nothing in the user's radio history.
double SlowestRadio(RadioLink& link, const QString& port)
{
    NotedLinkUi ui;
    ExchangeSetup setup{link, port, ui};
    setup.KeepHistory = false;
    RadioRun run(setup, RunPlan{DefaultChannelTable(), std::nullopt, false});
    double slowest = 0;
    for (int number = 1; number <= Radios; ++number) {
        const RadioOutcome& outcome = run.Program(number);
        if (!outcome.Verified)
            return -1;
        slowest = std::max(slowest, outcome.Seconds);
    }
    return slowest;
}

Figure PacedRun(const QString& device)
{
    RadioLink link;
    const double slowest = SlowestRadio(link, device);
    const double wire = (WriteBytes + ReadBytes) * SecondsPerByte;
    return {QStringLiteral("program radios: slowest of %1, write + verify / wire").arg(Radios),
            slowest < 0 ? QStringLiteral("FAILED")
                        : QStringLiteral("%1 s / %2 s = %3").arg(slowest, 0, 'f', 3).arg(wire, 0, 'f', 3)
                              .arg(slowest / wire, 0, 'f', 3),
            QStringLiteral("<= %1").arg(RatioGoal), slowest >= 0 && slowest / wire <= RatioGoal};
}

Figure InProcessRun()
{
    InProcessRadio radio;
    RadioLink link(radio.AnyPort());
    const double slowest = SlowestRadio(link, QStringLiteral("any"));
    return {QStringLiteral("program radios, in-process radio: slowest of %1").arg(Radios),
            slowest < 0 ? QStringLiteral("FAILED") : Millis(slowest),
            QStringLiteral("< %1").arg(Millis(OverheadGoalSeconds)), slowest >= 0 && slowest < OverheadGoalSeconds};
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
