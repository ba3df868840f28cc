#pragma once
// What every radio exchange is given and what it reports. An exchange runs
// one whole job with the radio, from the check before a write to the verify
// after it, keeps it in the radio history, and holds TransferBusy meanwhile.
// Windows and fane5-cli only start it and turn its report into message
// boxes, status-bar notes and exit codes.
#include "channels/RowCheck.h"
#include "history/RadioHistory.h"
#include "link/RadioLink.h"
#include "link/Transfers.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Runs a transfer job and passes its progress on: on the calling thread
// (RunHere) or on a worker while the caller keeps its events going
// (RunOnWorker, for windows).
using TransferRunner = std::function<bool(const TransferJob& job, const ProgressFn& progress)>;
bool RunHere(const TransferJob& job, const ProgressFn& progress);

struct ExchangeSetup {
    ExchangeSetup(RadioLink& link, QString port, LinkUi& ui) : Link(link), Port(std::move(port)), Ui(ui) {}

    RadioLink& Link;
    QString Port;
    LinkUi& Ui;                          // the link's notices and questions
    ProgressFn Progress;                 // over the whole exchange; a verify fills the second half
    TransferRunner Run = RunHere;
    bool KeepHistory = true;
    std::function<void()> Written;       // a write went through; its verify has not started yet
    std::function<void(const QString& note)> Note;  // said in passing: a history that was not kept
};

// One entry the exchange kept in the radio history, or why it could not.
struct HistoryNote {
    HistoryKind Kind = HistoryKind::Read;
    QString Error;  // empty: kept
    QString Name;   // the entry's name, when kept
};

enum class VerifyOutcome { NotAsked, ReadFailed, Same, Different };

struct ExchangeReport {
    bool Done = false;                // read, or written (and, when verified, held by the radio)
    std::optional<Problem> Check;     // set: this cell was refused and nothing was sent
    bool Written = false;             // a write went through
    VerifyOutcome Verify = VerifyOutcome::NotAsked;
    // Same: that the radio holds what was written; Different: its first
    // difference (channel and field, or option), as said to the user.
    QString VerifyMessage;
    QList<HistoryNote> History;
};
