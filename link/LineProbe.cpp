#include "LineProbe.h"

#include <future>
#include <thread>

bool ProbeLine(std::unique_ptr<RadioLine> line, std::chrono::milliseconds bound)
{
    if (!line)
        return true;
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    // The thread owns the line and the promise: a given-up probe touches
    // nothing of the caller's when it ends at last.
    std::thread([line = std::move(line), done = std::move(done)]() mutable {
        if (line->Open(nullptr))
            line->Close();
        line.reset();
        done.set_value();
    }).detach();
    return finished.wait_for(bound) == std::future_status::ready;
}
