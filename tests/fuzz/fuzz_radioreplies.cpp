// Every radio exchange against a radio that answers with fuzz input, and the
// codec on whatever memory a read brings home.
//
// Input: one header byte, then the radio's bursts (FuzzRadioPort.h).
//   bits 0-2  exchange: handshake, channel read, channel write, option read,
//             option write (values 5-7 wrap around)
//   bits 3-4  how many questions the user answers Yes before answering No
//   bit 5     the handshake starts in the other ending (no 06h confirm)
//   bit 6     the first open of the port fails
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "FuzzRadioPort.h"
#include "channels/ChannelCodec.h"
#include "link/Frames.h"
#include "link/Transfers.h"

namespace {

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

void RunExchange(int exchange, LinkUi& ui)
{
    switch (exchange) {
    case 0:
        EnterProgrammingMode(Port, ui);
        CloseRadioPort();
        break;
    case 1: {
        MemoryImageBytes image{};
        if (ReadChannelMemory(128, Port, image, ui, CheckProgress))
            DecodeChannels(image);
        break;
    }
    case 2: {
        MemoryImageBytes image{};
        image.fill(0xFF);
        WriteChannelMemory(128, Port, image, ui, CheckProgress);
        break;
    }
    case 3: {
        OptionFrame frame{};
        frame.fill(0xA5);
        if (!ReadDovaOptions(Port, frame, ui, CheckProgress)) {
            OptionFrame untouched{};
            untouched.fill(0xA5);
            FUZZ_CHECK(frame == untouched);
        }
        break;
    }
    default:
        WriteDovaOptions(Port, OptionFrame{}, ui, CheckProgress);
        break;
    }
}

} // namespace

int FuzzRadioReplies(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t header = data[0];
    ResetLinkState();
    HandshakeAckMode = (header & 0x20) == 0;
    StartFuzzRadio(data + 1, size - 1, (header & 0x40) != 0);
    ScriptedAnswers ui((header >> 3) & 3);
    RunExchange((header & 7) % 5, ui);
    FUZZ_CHECK(RadioPort == nullptr);                       // every exchange ends with the port closed
    FUZZ_CHECK(FuzzRadioLogNow().writesWhileClosed == 0);   // and never talks into a closed port
    return 0;
}
