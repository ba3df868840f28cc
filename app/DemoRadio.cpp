#include "DemoRadio.h"

#include "channels/DemoChannels.h"
#include "options/OptionControls.h"
#include "options/OptionFrame.h"

namespace {

MemoryImageBytes DemoImage()
{
    return DemoChannelImage();
}

} // namespace

std::unique_ptr<SimRadio> StartDemoRadio(QString* error)
{
    auto radio = std::make_unique<SimRadio>();
    if (!radio->Start(SimConfig{}, error))
        return nullptr;
    const MemoryImageBytes image = DemoImage();
    radio->SetImageBytes(QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size())));
    // The options read back as the options window designs them, not as
    // erased memory (which leaves its lists without a selection).
    radio->SetOptionBytes(FrameFromOptions(DesignOptionValues()));
    return radio;
}
