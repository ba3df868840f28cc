#pragma once
// One undo step of a window whose whole state is a small value (the channel
// window's table of texts, the options window's fourteen values): the state
// before and after the change. Every change of such a window goes through
// RecordStep, so undo and redo give back exactly what was there.
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>
#include <utility>

template <typename State>
class SnapshotStep : public QUndoCommand {
public:
    // Puts a state into the window (and moves to where the change was).
    using Apply = std::function<void(const State&)>;

    SnapshotStep(const QString& text, State before, State after, Apply apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply))
    {
    }
    void undo() override { apply_(before_); }
    // The change is already in the window when the step is pushed.
    void redo() override
    {
        if (pushed_)
            apply_(after_);
        pushed_ = true;
    }

private:
    State before_, after_;
    Apply apply_;
    bool pushed_ = false;
};

// Pushes the change from `recorded` (the state after the last step) to `now`
// as one step named `text`, and makes `now` the recorded state. Nothing is
// pushed when nothing changed. `apply` must set `recorded` too.
template <typename State>
void RecordStep(QUndoStack& stack, State& recorded, const State& now, const QString& text,
                typename SnapshotStep<State>::Apply apply)
{
    if (now == recorded)
        return;
    State before = std::exchange(recorded, now);
    stack.push(new SnapshotStep<State>(text, std::move(before), now, std::move(apply)));
}
