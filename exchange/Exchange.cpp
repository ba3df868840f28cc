#include "DataExchange.h"

bool RunHere(const TransferJob& job, const ProgressFn& progress)
{
    return job(progress);
}

bool ExchangePasses::Run(int pass, const TransferJob& job) const
{
    const ProgressFn progress = [this, pass](int position, int maximum) {
        if (setup_.Progress)
            setup_.Progress(pass * maximum + position, passes_ * maximum);
    };
    return setup_.Run(job, progress);
}

void NoteKept(const ExchangeSetup& setup, const HistoryNote& note, ExchangeReport& report)
{
    report.History << note;
    if (!note.Error.isEmpty() && setup.Note)
        setup.Note(QStringLiteral("The radio history could not be kept: %1").arg(note.Error));
}
