#include "DemoRadio.h"

#include "base/languagestr.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDefaults.h"
#include "channels/ToneList.h"
#include "options/OptionControls.h"
#include "options/OptionFrame.h"

namespace {

// The built-in default channels, every fourth one with a tone and every
// fifth one low power, each with a name.
MemoryImageBytes DemoImage()
{
    ChannelTable table;
    const QStringList lines = DefaultChannelList();
    for (int k = 0; 2 * k + 1 < lines.size(); ++k) {
        const int row = k + 1;
        SetDefaultRow(table, lines.at(2 * k), lines.at(2 * k + 1), row);
        if (table.Text(row, ColRx).isEmpty())
            continue;
        if (row % 4 == 0) {
            table.SetText(row, ColDecodeTone, ToneList().at(row % 50 + 1));
            table.SetText(row, ColEncodeTone, ToneList().at(row % 50 + 1));
        }
        if (row % 5 == 0)
            table.SetText(row, ColPower, languagestr::WordLow);
        table.SetText(row, ColName, QStringLiteral("DEMO%1").arg(row, 2, 10, QLatin1Char('0')));
    }
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    return image;
}

} // namespace

QString DemoPortName()
{
    return QStringLiteral("Demo radio");
}

std::unique_ptr<InProcessRadio> StartDemoRadio()
{
    auto radio = std::make_unique<InProcessRadio>();
    const MemoryImageBytes image = DemoImage();
    radio->SetImageBytes(QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size())));
    // The options read back as the options window designs them, not as
    // erased memory (which leaves its lists without a selection).
    radio->SetOptionBytes(FrameFromOptions(DesignOptionValues()));
    return radio;
}

RadioLink::LineMaker ProgramLines(const InProcessRadio* demo)
{
    if (!demo)
        return RadioLink::SerialPort;
    return [toDemo = demo->AnyPort()](const QString& port) {
        return port == DemoPortName() ? toDemo(port) : RadioLink::SerialPort(port);
    };
}
