#include "WindowExchange.h"

#include "base/ProgramState.h"

#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

namespace {

constexpr int NoteMs = 15000;

} // namespace

ExchangeSetup WindowExchangeSetup(QWidget* window, RadioLink& link, LinkUi& ui, QProgressBar* bar)
{
    ExchangeSetup setup{link, PortName, ui};
    setup.Progress = [bar](int position, int maximum) {
        bar->setMaximum(maximum);
        bar->setValue(position);
    };
    setup.Run = RunOnWorker;
    setup.Note = [window](const QString& note) { ShowStatusNote(window, note); };
    return setup;
}

void ShowStatusNote(QWidget* window, const QString& text)
{
    if (auto* main = qobject_cast<QMainWindow*>(window->window()))
        main->statusBar()->showMessage(text, NoteMs);
}
