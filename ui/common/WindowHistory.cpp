#include "WindowHistory.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int NoteMs = 15000;

void NoteFailure(QWidget* window, bool kept, const QString& error)
{
    if (!kept)
        ShowStatusNote(window, QStringLiteral("The radio history could not be kept: %1").arg(error));
}

} // namespace

void KeepInHistory(QWidget* window, HistoryKind kind, const MemoryImageBytes& image)
{
    QString error;
    NoteFailure(window, KeepChannelImage(kind, image, error), error);
}

void KeepInHistory(QWidget* window, HistoryKind kind, const OptionFrame& frame)
{
    QString error;
    NoteFailure(window, KeepOptionFrame(kind, frame, error), error);
}

void ShowStatusNote(QWidget* window, const QString& text)
{
    if (auto* main = qobject_cast<QMainWindow*>(window->window()))
        main->statusBar()->showMessage(text, NoteMs);
}
