#include "WindowExchange.h"

#include "Accessibility.h"

#include "base/ProgramState.h"
#include "base/languagestr.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int NoteMs = 15000;
const QString NoteName = QStringLiteral("StatusNote");

} // namespace

ExchangeSetup WindowExchangeSetup(QWidget* window, RadioLink& link, LinkUi& ui, QProgressBar* bar)
{
    ShowStatusNote(window, QString());  // a note of the exchange before has had its say
    ExchangeSetup setup{link, PortName, ui};
    setup.Progress = [bar](int position, int maximum) {
        bar->setMaximum(maximum);
        bar->setValue(position);
    };
    setup.Run = RunOnWorker;
    setup.Note = [window](const QString& note) { ShowStatusNote(window, note); };
    return setup;
}

void TellWritten(LinkUi& ui, const ExchangeReport& report)
{
    if (!report.Written)
        return;
    if (report.Verify == VerifyOutcome::NotAsked)
        return ui.Notice(languagestr::TranslateComplete, BoxKind::Plain);
    const QString verify = report.Verify == VerifyOutcome::ReadFailed
        ? QStringLiteral("Verify after write: the radio could not be read back.")
        : report.VerifyMessage;
    ui.Notice(languagestr::TranslateComplete + u'\n' + verify,
              report.Verify == VerifyOutcome::Same ? BoxKind::Plain : BoxKind::Error);
}

QLabel* AddStatusNoteLabel(QStatusBar* bar)
{
    auto* note = new QLabel(bar);
    note->setObjectName(NoteName);
    // A long note is cut, never widens the window.
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(note, 1);
    return note;
}

void ShowStatusNote(QWidget* window, const QString& text)
{
    auto* main = qobject_cast<QMainWindow*>(window->window());
    QLabel* note = main ? main->statusBar()->findChild<QLabel*>(NoteName) : nullptr;
    if (!note)
        return;
    // The status bar is one object for a screen reader; the note is what it
    // says after its name.
    const auto show = [bar = main->statusBar(), note](const QString& shown) {
        note->setText(shown);
        note->setToolTip(shown);
        DescribeControl(bar, shown);
    };
    show(text);
    QTimer::singleShot(NoteMs, note, [note, text, show] {
        if (note->text() == text)  // no newer note since
            show(QString());
    });
}
