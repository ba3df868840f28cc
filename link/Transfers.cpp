#include "Transfers.h"
#include "base/languagestr.h"

#include <QCoreApplication>
#include <QThread>
#include <array>
#include <atomic>
#include <memory>

namespace {

constexpr int MaxChannels = 128;
constexpr int RecordBytes = 16;
constexpr int ReadBlockBytes = 64;
constexpr int ReplyHeaderBytes = 4;
constexpr int ReadReplyBytes = ReplyHeaderBytes + ReadBlockBytes;
constexpr int ReadProgressStep = 69;
constexpr int WriteBlockBytes = 16;
constexpr std::uint8_t ReadRequest = 0x52;   // "R"
constexpr std::uint8_t WriteRequest = 0x57;  // "W"
constexpr int OptionBlockAddress = 0x0E00;
constexpr int OptionReadPauseMs = 16;
constexpr int OptionProgressMaximum = 6;

void Report(const ProgressFn& progress, int position, int maximum)
{
    if (progress)
        progress(position, maximum);
}

// Packs a progress report into one atomic word; NoProgress until the first one.
constexpr quint64 NoProgress = ~quint64(0);
quint64 PackProgress(int position, int maximum) { return (quint64(quint32(position)) << 32) | quint32(maximum); }

} // namespace

bool ReadChannelMemory(RadioLink& link, int count, const QString& port, MemoryImageBytes& image, LinkUi& ui,
                       const ProgressFn& progress)
{
    if (count < 1 || count > MaxChannels || !link.EnterProgrammingMode(port, ui))
        return false;
    const int blocks = count * RecordBytes / ReadBlockBytes;
    const int maximum = blocks * 2 * ReadProgressStep;
    int position = 0;
    Report(progress, position, maximum);
    for (int i = 0; i < blocks; ++i) {
        for (int region = 0; region < 2; ++region) {
            const int address = ChannelBase + ReadBlockBytes * i + NameRegionOffset * region;
            link.SendRequest(ReadRequest, address, ReadBlockBytes);
            std::array<std::uint8_t, ReadReplyBytes> reply{};
            // A reply cut short must not put stale bytes into the image.
            if (!link.ReadBurst(reply.data(), ReadReplyBytes, ui))
                return false;
            link.SendAck();
            if (!link.WaitForAck(1, ui))
                return false;
            position += ReadProgressStep;
            Report(progress, position, maximum);
            std::copy(reply.begin() + ReplyHeaderBytes, reply.end(), image.begin() + (address - ChannelBase));
        }
    }
    link.Close();
    return true;
}

bool WriteChannelMemory(RadioLink& link, int count, const QString& port, const MemoryImageBytes& image,
                        LinkUi& ui, const ProgressFn& progress)
{
    if (count < 1 || count > MaxChannels || !link.EnterProgrammingMode(port, ui))
        return false;
    const int blocks = count * RecordBytes / WriteBlockBytes;
    const int maximum = blocks * 2 * WriteBlockBytes;
    int position = 0;
    Report(progress, position, maximum);
    for (int i = 0; i < blocks; ++i) {
        for (int region = 0; region < 2; ++region) {
            const int address = ChannelBase + WriteBlockBytes * i + NameRegionOffset * region;
            link.SendRequest(WriteRequest, address, WriteBlockBytes);
            link.Send(image.data() + (address - ChannelBase), WriteBlockBytes);
            position += WriteBlockBytes;
            Report(progress, position, maximum);
            if (!link.WaitForAck(1, ui))
                return false;
        }
    }
    link.Close();
    return true;
}

bool RunOnWorker(const TransferJob& job, const ProgressFn& progress)
{
    std::atomic<bool> running{true};
    std::atomic<quint64> latest{NoProgress};
    bool result = false;
    const ProgressFn store = [&latest](int position, int maximum) {
        latest.store(PackProgress(position, maximum), std::memory_order_relaxed);
    };
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        result = job(store);
        running.store(false, std::memory_order_release);
    }));
    worker->start();
    if (!worker->isRunning() && !worker->isFinished())
        return false;  // no worker: nothing to wait for

    quint64 delivered = NoProgress;
    const auto deliver = [&] {
        const quint64 now = latest.load(std::memory_order_relaxed);
        if (now != delivered) {
            delivered = now;
            Report(progress, int(now >> 32), int(quint32(now)));
        }
    };
    while (running.load(std::memory_order_acquire)) {
        QThread::msleep(1);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        deliver();
    }
    worker->wait();
    deliver();
    return result;
}

bool ReadDovaOptions(RadioLink& link, const QString& port, OptionFrame& frame, LinkUi& ui,
                     const ProgressFn& progress)
{
    Report(progress, 0, OptionProgressMaximum);
    const auto moveTo = [&](int position) { Report(progress, position, OptionProgressMaximum); };
    bool variantSwitched = false;  // once: a radio that never answers must not loop forever
    std::array<std::uint8_t, ReadReplyBytes> reply{};
    for (;;) {
        if (!link.EnterProgrammingMode(port, ui)) {
            link.Close();
            return false;
        }
        QThread::msleep(OptionReadPauseMs);
        moveTo(1);
        moveTo(2);
        link.SendRequest(ReadRequest, OptionBlockAddress, ReadBlockBytes);
        if (link.ReadBytewise(reply.data(), ReadReplyBytes, ui))
            break;
        if (!link.HandshakeAckMode || variantSwitched)
            return false;
        link.HandshakeAckMode = false;
        variantSwitched = true;
    }
    moveTo(3);
    link.SendAck();
    moveTo(5);
    if (!link.WaitForAck(3, ui))
        return false;
    moveTo(6);
    const int first = ReplyHeaderBytes + (OptionFrameAddress - OptionBlockAddress);
    std::copy_n(reply.begin() + first, frame.size(), frame.begin());
    link.Close();
    return true;
}

bool WriteDovaOptions(RadioLink& link, const QString& port, const OptionFrame& frame, LinkUi& ui,
                      const ProgressFn& progress)
{
    const auto moveTo = [&](int position) { Report(progress, position, OptionProgressMaximum); };
    moveTo(1);
    if (!link.EnterProgrammingMode(port, ui)) {
        link.Close();
        return false;
    }
    moveTo(2);
    std::array<std::uint8_t, 4 + 16> bytes{WriteRequest, std::uint8_t(OptionFrameAddress >> 8),
                                           std::uint8_t(OptionFrameAddress), std::uint8_t(frame.size())};
    std::copy(frame.begin(), frame.end(), bytes.begin() + 4);
    moveTo(3);
    link.Send(bytes.data(), int(bytes.size()));
    moveTo(5);
    if (!link.WaitForAck(3, ui))
        return false;
    moveTo(OptionProgressMaximum);
    link.Close();
    return true;
}
