// The offline conversions: decode, encode.
#include "ChannelSteps.h"
#include "CliVerbs.h"

namespace {

int RunDecode(const CliArgs& args)
{
    MemoryImageBytes image;
    const int exit = LoadImageFile(args.Inputs.first(), image);
    return exit == ExitSuccess ? SaveChannelsOfImage(image, args.Out) : exit;
}

int RunEncode(const CliArgs& args)
{
    MemoryImageBytes image;
    const int exit = LoadCheckedChannels(args.Inputs.first(), image);
    return exit == ExitSuccess ? SaveImageFile(image, args.Out) : exit;
}

} // namespace

std::vector<CliVerb> ChannelFileVerbs()
{
    return {
        {QStringLiteral("decode"), QStringLiteral("IMAGE.bin --out FILE.chnw"),
         QStringLiteral("turn a memory image into a channel file of all 129 rows"), NeedInput | NeedOut,
         RunDecode},
        {QStringLiteral("encode"), QStringLiteral("FILE.chnw --out IMAGE.bin"),
         QStringLiteral("check a channel file as write does and turn it into a memory image"),
         NeedInput | NeedOut, RunEncode},
    };
}
