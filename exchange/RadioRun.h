#pragma once
// Programming radios in a row: the same channels (and, when chosen, the same
// options) into one radio after another, each written and verified, and,
// when asked, read into the history first. A failed radio ends nothing: it
// is one more outcome, and the caller retries it or goes on. The link's
// notices become the outcome's reason instead of a box for each radio; its
// questions (retry the handshake or not) still reach the user.
#include "Exchange.h"
#include "channels/ChannelTable.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

struct RunPlan {
    ChannelTable Channels;
    std::optional<OptionFrame> Options;  // written after the channels
    bool Backup = false;                 // each radio's contents read into the history first
};

struct RadioOutcome {
    int Number = 0;
    QDateTime Start;
    double Seconds = 0;
    bool Verified = false;
    QString Failure;       // the first difference, or what the link said
    QStringList History;   // the names of the history entries kept
    QString Result() const;  // "verified", or "failed: " and the reason
};

class RadioRun {
public:
    RadioRun(const ExchangeSetup& setup, RunPlan plan);
    RadioRun(const RadioRun&) = delete;
    RadioRun& operator=(const RadioRun&) = delete;

    // The channels as every write checks them; a refused cell programs no radio.
    std::optional<Problem> Check() const;
    // The radio now connected, as radio `number` (again, for a retry).
    const RadioOutcome& Program(int number);

    const QList<RadioOutcome>& Outcomes() const { return outcomes_; }
    // Radios by their last outcome: a failed radio retried and verified counts once, as verified.
    int VerifiedRadios() const;
    int FailedRadios() const;
    QString Counts() const;  // "2 verified, 1 failed"

private:
    class QuietNotices final : public LinkUi {
    public:
        explicit QuietNotices(LinkUi& asker) : asker_(asker) {}
        void Notice(const QString& text, BoxKind) override { last = text; }
        bool Ask(const QString& text, BoxKind kind) override { return asker_.Ask(text, kind); }
        QString last;

    private:
        LinkUi& asker_;
    };

    bool Step(const ExchangeReport& report, RadioOutcome& outcome);
    int RadiosWhose(bool verified) const;

    QuietNotices quiet_;
    ExchangeSetup setup_;
    RunPlan plan_;
    QList<RadioOutcome> outcomes_;
};
