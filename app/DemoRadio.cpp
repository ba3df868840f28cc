#include "DemoRadio.h"

#include "channels/DemoChannels.h"
#include "options/OptionControls.h"
#include "options/OptionFrame.h"

QString DemoPortName()
{
    return QStringLiteral("Demo radio");
}

std::unique_ptr<InProcessRadio> StartDemoRadio()
{
    auto radio = std::make_unique<InProcessRadio>();
    const MemoryImageBytes image = DemoChannelImage();
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
