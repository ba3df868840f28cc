#include "LineProbe.h"

#include <QDeadlineTimer>
#include <QThread>

bool ProbeLine(std::unique_ptr<RadioLine> line, std::chrono::milliseconds bound)
{
    if (!line)
        return true;
    // A QThread, not a std::thread: a serial port opened there gets the event
    // dispatcher its socket notifier needs. The thread owns the line, so a
    // given-up probe touches nothing of the caller's when it ends at last;
    // its thread object goes with the caller's next events after that.
    QThread* thread = QThread::create([line = std::move(line)]() mutable {
        if (line->Open(nullptr))
            line->Close();
        line.reset();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread->wait(QDeadlineTimer(bound));
}
