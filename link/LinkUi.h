#pragma once
// How the radio link talks to the user without knowing about windows:
// the GUI shows message boxes on the window thread, the CLI prints to stderr,
// tests script the answers and record every text.
#include <QString>
#include <QStringList>
#include <functional>

enum class BoxKind { Plain, Error, Information };

class LinkUi {
public:
    virtual ~LinkUi() = default;
    // A box with an OK button.
    virtual void Notice(const QString& text, BoxKind kind) = 0;
    // A box with Yes and No buttons; true means Yes.
    virtual bool Ask(const QString& text, BoxKind kind) = 0;
};

// Notes every message instead of showing it, for programs without a user
// (the benchmark, the user guide's screenshots); questions are answered No.
class NotedLinkUi : public LinkUi {
public:
    void Notice(const QString& text, BoxKind) override { texts << text; }
    bool Ask(const QString& text, BoxKind) override
    {
        texts << text;
        return false;
    }
    QStringList texts;
};

// Progress of a transfer: position out of maximum. Always called on the
// thread that started the transfer.
using ProgressFn = std::function<void(int position, int maximum)>;
