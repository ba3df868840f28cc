#include "SimRadio.h"
#include "SimProtocol.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#if __has_include(<pty.h>)
#include <pty.h>
#else
#include <util.h>
#endif
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
// One byte on a 9600-baud line: start bit, 8 data bits, stop bit.
constexpr auto LineByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 9600);
// How often to look again for a client while none has the port open.
constexpr auto NoPeerPoll = std::chrono::milliseconds(5);

struct TimedByte {
    std::uint8_t byte;
    Clock::time_point at;
};

// Waits for the descriptors or until `until`, at sub-millisecond precision.
int WaitFds(pollfd* fds, nfds_t n, Clock::time_point until)
{
    const auto left = std::max(Clock::duration::zero(), until - Clock::now());
#ifdef __linux__
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const timespec limit{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    return ::ppoll(fds, n, until == Clock::time_point::max() ? nullptr : &limit, nullptr);
#else
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ::poll(fds, n, until == Clock::time_point::max() ? -1 : int(ms));
#endif
}

// A late answer is the simulator's fault, not the link's: on a busy machine
// its thread goes first where the system allows it (as root or with
// CAP_SYS_NICE); elsewhere it runs as it is.
void PreferThisThread()
{
#ifdef __linux__
    [[maybe_unused]] const int refused = ::setpriority(PRIO_PROCESS, ::gettid(), -10);
#endif
}

} // namespace

struct SimRadio::Impl {
    explicit Impl(const SimConfig& c) : config(c), guarded(c) {}

    SimConfig config;
    int master = -1;
    int wake[2] = {-1, -1};
    QString device;
    std::thread thread;
    std::atomic<bool> running{false};
    std::atomic<bool> stopping{false};

    GuardedProtocol guarded;
    SimProtocol& protocol = guarded.protocol;

    // The line: bytes received and their time of arrival at the radio, bytes
    // to send and the time each one has left the radio's transmitter.
    std::deque<TimedByte> input, output;
    Clock::time_point inputLineFree{}, outputLineFree{};
    bool peerOpen = false;

    Clock::duration ByteTime() const { return config.pace ? Clock::duration(LineByteTime) : Clock::duration::zero(); }
    void Run();
    void ReadInput(Clock::time_point now);
    void HandleDueInput(Clock::time_point now);
    void Queue(const QByteArray& bytes, Clock::duration pause, Clock::duration byteTime, Clock::time_point from);
    void WriteDueOutput(Clock::time_point now);
    Clock::time_point OutputRelease() const;
    Clock::time_point NextEvent(bool outputDue) const;
    void PeerClosed();
    void Vanish();
};

void SimRadio::Impl::Run()
{
    PreferThisThread();
    while (!stopping.load()) {
        const auto now = Clock::now();
        HandleDueInput(now);
        WriteDueOutput(now);
        {
            std::lock_guard guard(guarded.lock);
            if (protocol.Vanishing()) {
                Vanish();
                return;
            }
            // Endless garbage goes at line speed, paced or not, so it never floods.
            if (protocol.Garbling() && output.empty())
                Queue(QByteArray(1, char(SimGarbageByte)), {}, LineByteTime, Clock::now());
        }

        pollfd fds[2] = {{master, POLLIN, 0}, {wake[0], POLLIN, 0}};
        const bool outputDue = OutputRelease() <= Clock::now();
        if (outputDue)
            fds[0].events |= POLLOUT;  // the line is full: wait until it takes more
        const bool noPeer = WaitFds(fds, 2, NextEvent(outputDue)) > 0 && (fds[0].revents & POLLHUP)
            && !(fds[0].revents & POLLIN);
        if (fds[0].revents & POLLNVAL)
            return;
        if (noPeer) {
            PeerClosed();
            pollfd wakeOnly{wake[0], POLLIN, 0};
            WaitFds(&wakeOnly, 1, Clock::now() + NoPeerPoll);
            continue;
        }
        if (fds[0].revents & POLLIN)
            ReadInput(Clock::now());
    }
}

void SimRadio::Impl::ReadInput(Clock::time_point now)
{
    std::uint8_t buffer[256];
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n <= 0) {
        if (n < 0 && errno == EIO)
            PeerClosed();
        return;
    }
    peerOpen = true;
    for (ssize_t i = 0; i < n; ++i) {
        inputLineFree = std::max(now, inputLineFree) + ByteTime();
        input.push_back({buffer[i], inputLineFree});
    }
}

void SimRadio::Impl::HandleDueInput(Clock::time_point now)
{
    while (!input.empty() && input.front().at <= now) {
        const TimedByte received = input.front();
        input.pop_front();
        std::lock_guard guard(guarded.lock);
        // The radio answers from the moment the byte was in, however late we woke.
        for (const SimAnswer& answer : protocol.Receive(received.byte))
            Queue(answer.bytes, std::chrono::milliseconds(answer.pauseMs), ByteTime(), received.at);
    }
}

void SimRadio::Impl::Queue(const QByteArray& bytes, Clock::duration pause, Clock::duration byteTime,
                           Clock::time_point from)
{
    const auto start = std::max(from, outputLineFree) + pause;
    outputLineFree = start;
    for (const char c : bytes) {
        outputLineFree += byteTime;
        output.push_back({std::uint8_t(c), outputLineFree});
    }
}

// When the bytes on their way to the computer may leave: as soon as the
// first one is out of the radio, or, behind an adapter's latency timer,
// once the timer has run from then or a packet is full.
Clock::time_point SimRadio::Impl::OutputRelease() const
{
    if (output.empty())
        return Clock::time_point::max();
    if (config.usbLatencyMs <= 0)
        return output.front().at;
    const auto timer = output.front().at + std::chrono::milliseconds(config.usbLatencyMs);
    return output.size() >= std::size_t(UsbPacketBytes) ? std::min(timer, output[UsbPacketBytes - 1].at) : timer;
}

void SimRadio::Impl::WriteDueOutput(Clock::time_point now)
{
    if (OutputRelease() > now)
        return;
    QByteArray due;
    for (auto it = output.begin(); it != output.end() && it->at <= now; ++it)
        due.append(char(it->byte));
    if (due.isEmpty())
        return;
    const ssize_t n = ::write(master, due.constData(), size_t(due.size()));
    if (n > 0)
        output.erase(output.begin(), output.begin() + n);
}

Clock::time_point SimRadio::Impl::NextEvent(bool outputDue) const
{
    auto next = Clock::time_point::max();
    if (!input.empty())
        next = input.front().at;
    if (!output.empty() && !outputDue)
        next = std::min(next, OutputRelease());
    return next;
}

// The client closed the port: whatever was under way is over.
void SimRadio::Impl::PeerClosed()
{
    if (!peerOpen)
        return;
    peerOpen = false;
    input.clear();
    output.clear();
    std::lock_guard guard(guarded.lock);
    protocol.Reset();
}

void SimRadio::Impl::Vanish()
{
    ::close(master);
    master = -1;
    running.store(false);
}

SimRadio::SimRadio() = default;

SimRadio::~SimRadio()
{
    Stop();
}

bool SimRadio::Start(const SimConfig& config, QString* error)
{
    Stop();
    auto impl = std::make_unique<Impl>(config);
    int slave = -1;
    char name[256] = {};
    if (::openpty(&impl->master, &slave, name, nullptr, nullptr) != 0 || ::pipe(impl->wake) != 0) {
        if (error)
            *error = QStringLiteral("no pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        if (impl->master >= 0)
            ::close(impl->master);
        if (slave >= 0)
            ::close(slave);
        return false;
    }
    // Raw from the start, so nothing is echoed or translated before the client
    // sets the line up itself.
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    ::fcntl(impl->master, F_SETFL, ::fcntl(impl->master, F_GETFL) | O_NONBLOCK);
    ::fcntl(impl->master, F_SETFD, FD_CLOEXEC);
    impl->device = QString::fromLocal8Bit(name);
    impl->running.store(true);
    d = std::move(impl);
    d->thread = std::thread([impl = d.get()] { impl->Run(); });
    return true;
}

void SimRadio::Stop()
{
    if (!d)
        return;
    d->stopping.store(true);
    const char wakeUp = 1;
    [[maybe_unused]] const auto ignored = ::write(d->wake[1], &wakeUp, 1);
    if (d->thread.joinable())
        d->thread.join();
    if (d->master >= 0)
        ::close(d->master);
    ::close(d->wake[0]);
    ::close(d->wake[1]);
    d->running.store(false);
    d->master = -1;
}

bool SimRadio::Running() const
{
    return d && d->running.load();
}

QString SimRadio::DevicePath() const
{
    return d ? d->device : QString();
}

GuardedProtocol* SimRadio::Guarded() const
{
    return d ? &d->guarded : nullptr;
}
