// Every radio exchange against a radio that answers with fuzz input, and the
// codec on whatever memory a read brings home.
//
// Input: one header byte, then the radio's bursts.
//   bits 0-2  exchange: handshake, channel read, channel write, option read,
//             option write (values 5-7 wrap around)
//   bits 3-4  how many questions the user answers Yes before answering No
//   bit 5     the handshake starts in the other ending (no 06h confirm)
//   bit 6     the first open of the line fails
// The bursts: each a length byte and that many bytes. Every write the link
// makes (a command, an acknowledgement) is answered by the next burst; the
// bytes wait on the line until read. When the line has nothing left, a read
// times out at once. No time passes and no device is touched.
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "channels/ChannelCodec.h"
#include "link/Transfers.h"

#include <algorithm>
#include <deque>

namespace {

struct FuzzRadio {
    const std::uint8_t* bursts = nullptr;
    std::size_t size = 0;
    std::size_t next = 0;
    bool failNextOpen = false;
    std::deque<std::uint8_t> line;   // sent by the radio, not yet read
    int writesWhileClosed = 0;       // writes to a line that was not open
    bool lineOpen = false;

    void Answer()
    {
        if (next >= size)
            return;
        const std::size_t length = std::min<std::size_t>(bursts[next], size - next - 1);
        ++next;
        line.insert(line.end(), bursts + next, bursts + next + length);
        next += length;
    }
};

class FuzzLine final : public RadioLine {
public:
    explicit FuzzLine(FuzzRadio& radio) : radio_(radio) {}
    ~FuzzLine() override { Close(); }

    bool Open(CommOpenFailure* why) override
    {
        const bool fail = std::exchange(radio_.failNextOpen, false);
        if (why)
            *why = fail ? CommOpenFailure::InUse : CommOpenFailure::None;
        if (!fail)
            radio_.line.clear();  // the real open empties both buffers
        radio_.lineOpen = open_ = !fail;
        return open_;
    }
    void Close() override { radio_.lineOpen = open_ = false; }
    bool IsOpen() const override { return open_; }
    bool ReadByte(std::uint8_t& byte) override
    {
        if (!open_ || radio_.line.empty())
            return false;
        byte = radio_.line.front();
        radio_.line.pop_front();
        return true;
    }
    bool ReadBurst(std::uint8_t* buffer, int n) override
    {
        for (int i = 0; i < n; ++i)
            if (!ReadByte(buffer[i]))
                return false;
        return true;
    }
    bool Write(const std::uint8_t*, int) override
    {
        if (!open_) {
            ++radio_.writesWhileClosed;
            return false;
        }
        radio_.Answer();
        return true;
    }

private:
    FuzzRadio& radio_;
    bool open_ = false;
};

class ScriptedAnswers : public LinkUi {
public:
    explicit ScriptedAnswers(int yes) : yes_(yes) {}
    void Notice(const QString& text, BoxKind) override { FUZZ_CHECK(!text.isEmpty()); }
    bool Ask(const QString& text, BoxKind) override
    {
        FUZZ_CHECK(!text.isEmpty());
        return yes_-- > 0;
    }

private:
    int yes_;
};

const QString Port = QStringLiteral("/dev/fuzz-radio");

void CheckProgress(int position, int maximum)
{
    FUZZ_CHECK(maximum > 0 && position >= 0 && position <= maximum);
}

void DecodeChannels(const MemoryImageBytes& image)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    CheckTableForWrite(table);
}

void RunExchange(int exchange, RadioLink& link, LinkUi& ui)
{
    switch (exchange) {
    case 0:
        link.EnterProgrammingMode(Port, ui);
        link.Close();
        break;
    case 1: {
        MemoryImageBytes image{};
        if (ReadChannelMemory(link, 128, Port, image, ui, CheckProgress))
            DecodeChannels(image);
        break;
    }
    case 2: {
        MemoryImageBytes image{};
        image.fill(0xFF);
        WriteChannelMemory(link, 128, Port, image, ui, CheckProgress);
        break;
    }
    case 3: {
        OptionFrame frame{};
        frame.fill(0xA5);
        if (!ReadDovaOptions(link, Port, frame, ui, CheckProgress)) {
            OptionFrame untouched{};
            untouched.fill(0xA5);
            FUZZ_CHECK(frame == untouched);
        }
        break;
    }
    default:
        WriteDovaOptions(link, Port, OptionFrame{}, ui, CheckProgress);
        break;
    }
}

} // namespace

int FuzzRadioReplies(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t header = data[0];
    FuzzRadio radio;
    radio.bursts = data + 1;
    radio.size = size - 1;
    radio.failNextOpen = (header & 0x40) != 0;
    RadioLink link([&radio](const QString&) { return std::make_unique<FuzzLine>(radio); });
    link.HandshakeAckMode = (header & 0x20) == 0;
    ScriptedAnswers ui((header >> 3) & 3);
    RunExchange((header & 7) % 5, link, ui);
    FUZZ_CHECK(!radio.lineOpen);                 // every exchange ends with the line closed
    FUZZ_CHECK(radio.writesWhileClosed == 0);    // and never talks into a closed line
    return 0;
}
