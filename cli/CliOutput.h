#pragma once
// What fane5-cli tells the user: every message on its own line on stderr,
// and, only when stderr is a terminal, one progress line that is redrawn in
// place and ended before the next message.
#include "link/LinkUi.h"
#include <QString>

void PrintLine(const QString& text);

// Progress of a transfer; the line reads "Progress 42%".
void ShowProgress(int position, int maximum);

// The link's notices and questions on stderr, letter for letter. Questions are
// answered Yes for the first `yesAnswers` times, then No.
class StderrLinkUi final : public LinkUi {
public:
    explicit StderrLinkUi(int yesAnswers) : yesLeft_(yesAnswers) {}
    void Notice(const QString& text, BoxKind kind) override;
    bool Ask(const QString& text, BoxKind kind) override;

private:
    int yesLeft_;
};
