#pragma once
// The one sequence of every exchange, for the channel image and the option
// frame alike: transfer, keep in the history; for a write, the written
// event, then the read back, the comparison and the difference kept.
#include "Exchange.h"
#include "base/ProgramState.h"

// How one kind of radio data travels, compares and is kept.
template <class Data>
struct DataKind {
    bool (*read)(RadioLink& link, const QString& port, Data& data, LinkUi& ui, const ProgressFn& progress);
    bool (*write)(RadioLink& link, const QString& port, const Data& data, LinkUi& ui, const ProgressFn& progress);
    // What a verify says of the first difference; empty when the radio holds what was written.
    QString (*difference)(const Data& written, const Data& readBack);
    QString (*verified)();  // what a verify says when there is none
    bool (*keep)(HistoryKind kind, const Data& data, QString& error, QString* name);
    HistoryKind readKind, writeKind, verifyKind;
};

// Runs the exchange's transfers, each as one pass of equal length on the
// progress of the whole exchange.
class ExchangePasses {
public:
    ExchangePasses(const ExchangeSetup& setup, int passes) : setup_(setup), passes_(passes) {}
    bool Run(int pass, const TransferJob& job) const;

private:
    const ExchangeSetup& setup_;
    int passes_;
};

// Notes a history entry kept, or says why none could be: never a failed exchange.
void NoteKept(const ExchangeSetup& setup, const HistoryNote& note, ExchangeReport& report);

template <class Data>
void KeepData(const ExchangeSetup& setup, const DataKind<Data>& kind, HistoryKind as, const Data& data,
              ExchangeReport& report)
{
    if (!setup.KeepHistory)
        return;
    HistoryNote note{as, {}, {}};
    QString error;
    if (!kind.keep(as, data, error, &note.Name))
        note.Error = error;
    NoteKept(setup, note, report);
}

template <class Data>
ExchangeReport ReadData(const ExchangeSetup& setup, const DataKind<Data>& kind, Data& data)
{
    const TransferBusyScope busy;
    ExchangeReport report;
    report.Done = ExchangePasses(setup, 1).Run(0, [&](const ProgressFn& progress) {
        return kind.read(setup.Link, setup.Port, data, setup.Ui, progress);
    });
    if (report.Done)
        KeepData(setup, kind, kind.readKind, data, report);
    return report;
}

template <class Data>
ExchangeReport WriteData(const ExchangeSetup& setup, const DataKind<Data>& kind, const Data& data, bool verify)
{
    const TransferBusyScope busy;
    ExchangeReport report;
    const ExchangePasses passes(setup, verify ? 2 : 1);
    report.Written = passes.Run(0, [&](const ProgressFn& progress) {
        return kind.write(setup.Link, setup.Port, data, setup.Ui, progress);
    });
    if (!report.Written)
        return report;
    KeepData(setup, kind, kind.writeKind, data, report);
    if (setup.Written)
        setup.Written();
    if (!verify) {
        report.Done = true;
        return report;
    }
    Data readBack = data;  // a read fills what it reads; the rest compares equal
    if (!passes.Run(1, [&](const ProgressFn& progress) {
            return kind.read(setup.Link, setup.Port, readBack, setup.Ui, progress);
        })) {
        report.Verify = VerifyOutcome::ReadFailed;  // the link has said why
        return report;
    }
    const QString difference = kind.difference(data, readBack);
    report.Done = difference.isEmpty();
    report.Verify = report.Done ? VerifyOutcome::Same : VerifyOutcome::Different;
    report.VerifyMessage = report.Done ? kind.verified() : difference;
    if (!report.Done)
        KeepData(setup, kind, kind.verifyKind, readBack, report);
    return report;
}
