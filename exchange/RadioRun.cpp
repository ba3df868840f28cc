#include "RadioRun.h"

#include "ChannelExchange.h"
#include "OptionExchange.h"
#include "channels/FrequencySnap.h"

#include <QElapsedTimer>
#include <QMap>

namespace {

QString FailureOf(const ExchangeReport& report, const QString& linkSaid)
{
    if (report.Check)
        return report.Check->Text();
    if (report.Verify == VerifyOutcome::Different)
        return report.VerifyMessage;
    return linkSaid.isEmpty() ? QStringLiteral("the radio did not answer") : linkSaid;
}

} // namespace

QString RadioOutcome::Result() const
{
    return Verified ? QStringLiteral("verified") : QStringLiteral("failed: ") + Failure;
}

RadioRun::RadioRun(const ExchangeSetup& setup, RunPlan plan)
    : quiet_(setup.Ui), setup_(setup.Link, setup.Port, quiet_), plan_(std::move(plan))
{
    setup_.Progress = setup.Progress;
    setup_.Run = setup.Run;
    setup_.KeepHistory = setup.KeepHistory;
    setup_.Note = setup.Note;
}

std::optional<Problem> RadioRun::Check() const
{
    return CheckRowsForWrite(plan_.Channels, CurrentBands());
}

// Notes what the step kept; false, with the reason, when it failed.
bool RadioRun::Step(const ExchangeReport& report, RadioOutcome& outcome)
{
    for (const HistoryNote& note : report.History)
        if (note.Error.isEmpty())
            outcome.History << note.Name;
    if (!report.Done)
        outcome.Failure = FailureOf(report, quiet_.last);
    quiet_.last.clear();
    return report.Done;
}

const RadioOutcome& RadioRun::Program(int number)
{
    RadioOutcome outcome;
    outcome.Number = number;
    outcome.Start = QDateTime::currentDateTime();
    QElapsedTimer timer;
    timer.start();
    quiet_.last.clear();
    ChannelExchange channels(setup_);
    OptionExchange options(setup_);
    MemoryImageBytes image;
    OptionFrame frame{};
    const bool backedUp = !plan_.Backup
        || (Step(channels.Read(image), outcome) && (!plan_.Options || Step(options.Read(frame), outcome)));
    outcome.Verified = backedUp && Step(channels.Write(plan_.Channels, true), outcome)
        && (!plan_.Options || Step(options.Write(*plan_.Options, true), outcome));
    outcome.Seconds = timer.elapsed() / 1000.0;
    outcomes_ << outcome;
    return outcomes_.last();
}

int RadioRun::RadiosWhose(bool verified) const
{
    QMap<int, bool> last;
    for (const RadioOutcome& outcome : outcomes_)
        last[outcome.Number] = outcome.Verified;
    return int(std::count(last.cbegin(), last.cend(), verified));
}

int RadioRun::VerifiedRadios() const
{
    return RadiosWhose(true);
}

int RadioRun::FailedRadios() const
{
    return RadiosWhose(false);
}

QString RadioRun::Counts() const
{
    return QStringLiteral("%1 verified, %2 failed").arg(VerifiedRadios()).arg(FailedRadios());
}
