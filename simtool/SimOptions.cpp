#include "SimOptions.h"

#include "channels/DemoChannels.h"
#include "options/OptionControls.h"
#include "options/OptionFrame.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr int ImageBytes = 8192;
constexpr int OptionFrameBytes = 16;

struct BlockOption {
    const char* name;
    int SimConfig::*field;
    const char* help;
};

const BlockOption BlockOptions[] = {
    {"no-ack", &SimConfig::noAckAt, "Block N gets no acknowledgement (a write block is not stored)."},
    {"short-reply", &SimConfig::shortReplyAt, "The reply to block N lacks its last byte."},
    {"stall", &SimConfig::stallAt, "The reply to block N stops halfway for --stall-ms."},
    {"endless-garbage", &SimConfig::endlessGarbageAt, "From block N on, foreign bytes without end."},
    {"vanish", &SimConfig::vanishAt, "The pseudo-terminal disappears when block N arrives."},
    {"alter-write", &SimConfig::alterWriteAt, "Write block N is acknowledged but stored with its first byte changed."},
};

bool ParseCount(const QCommandLineParser& parser, const QString& name, int& value, QString& message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    value = parser.value(name).toInt(&ok);
    if (ok && value >= 0)
        return true;
    message = QStringLiteral("--%1 needs a number of 0 or more, not \"%2\"").arg(name, parser.value(name));
    return false;
}

} // namespace

bool ParseSimOptions(const QStringList& arguments, SimOptions& options, QString& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated FANE5 radio on a pseudo-terminal. The first line of output is the\n"
        "device to open. Blocks are counted from each handshake: 0 is the handshake,\n"
        "1 the first read or write request after it. It starts with the demo radio's\n"
        "channels and options. Ends on SIGTERM, SIGINT or SIGHUP, or when the process\n"
        "that started it has gone."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("blank"), QStringLiteral("Start with all-empty memory instead of the demo radio's.")},
        {QStringLiteral("image"), QStringLiteral("Start memory: 8192 bytes laid out as the program's image."), QStringLiteral("FILE")},
        {QStringLiteral("options"), QStringLiteral("The 16 option bytes at 0E20h, in hex."), QStringLiteral("HEX")},
        {QStringLiteral("save"), QStringLiteral("Write the memory to FILE on exit."), QStringLiteral("FILE")},
        {QStringLiteral("pace"), QStringLiteral("Real 9600-baud timing, about 1.04 ms a byte each way.")},
        {QStringLiteral("silent"), QStringLiteral("Never answer.")},
        {QStringLiteral("wrong-reply"), QStringLiteral("The handshake reply's last byte is wrong.")},
        {QStringLiteral("other-ending"), QStringLiteral("End the handshake with an unasked 06h; expect no confirm.")},
        {QStringLiteral("garbage"), QStringLiteral("COUNT foreign bytes before every 06h sent."), QStringLiteral("COUNT")},
        {QStringLiteral("stall-ms"), QStringLiteral("Length of the --stall pause (500)."), QStringLiteral("MS")},
        {QStringLiteral("usb-latency"),
         QStringLiteral("Behave as a USB cable whose latency timer is MS: bytes towards the computer leave MS ms after "
                        "the first one waiting, or when 62 are waiting."),
         QStringLiteral("MS")},
    });
    for (const BlockOption& block : BlockOptions)
        parser.addOption({QString::fromLatin1(block.name), QString::fromLatin1(block.help), QStringLiteral("N")});

    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        options.help = true;
        message = parser.isSet(QStringLiteral("help"))
            ? parser.helpText()
            : QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return true;
    }
    options.blank = parser.isSet(QStringLiteral("blank"));
    SimConfig& config = options.config;
    config.pace = parser.isSet(QStringLiteral("pace"));
    config.silent = parser.isSet(QStringLiteral("silent"));
    config.wrongReply = parser.isSet(QStringLiteral("wrong-reply"));
    config.otherEnding = parser.isSet(QStringLiteral("other-ending"));
    if (!ParseCount(parser, QStringLiteral("garbage"), config.garbage, message)
        || !ParseCount(parser, QStringLiteral("stall-ms"), config.stallMs, message)
        || !ParseCount(parser, QStringLiteral("usb-latency"), config.usbLatencyMs, message))
        return false;
    for (const BlockOption& block : BlockOptions)
        if (!ParseCount(parser, QString::fromLatin1(block.name), config.*block.field, message))
            return false;

    options.imagePath = parser.value(QStringLiteral("image"));
    options.savePath = parser.value(QStringLiteral("save"));
    if (parser.isSet(QStringLiteral("options"))) {
        const QString hex = parser.value(QStringLiteral("options")).remove(QRegularExpression(QStringLiteral("\\s")));
        options.optionBytes = QByteArray::fromHex(hex.toLatin1());
        if (options.optionBytes.size() != OptionFrameBytes
            || !QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{32}$")).match(hex).hasMatch()) {
            message = QStringLiteral("--options needs 16 bytes in hex (32 digits), not \"%1\"")
                          .arg(parser.value(QStringLiteral("options")));
            return false;
        }
    }
    return true;
}

bool LoadSimMemory(const SimOptions& options, SimRadio& radio, QString& message)
{
    if (!options.blank) {
        const MemoryImageBytes image = DemoChannelImage();
        radio.SetImageBytes(QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size())));
        radio.SetOptionBytes(FrameFromOptions(DesignOptionValues()));
    }
    if (!options.imagePath.isEmpty()) {
        QFile file(options.imagePath);
        if (!file.open(QIODevice::ReadOnly)) {
            message = QStringLiteral("%1: %2").arg(options.imagePath, file.errorString());
            return false;
        }
        const QByteArray image = file.read(ImageBytes + 1);
        if (image.size() != ImageBytes) {
            message = QStringLiteral("%1: an image has %2 bytes, this file %3")
                          .arg(options.imagePath).arg(ImageBytes).arg(image.size());
            return false;
        }
        radio.SetImageBytes(image);
    }
    if (!options.optionBytes.isEmpty()) {
        RadioOptionBytes frame;
        std::copy_n(options.optionBytes.begin(), frame.size(), frame.begin());
        radio.SetOptionBytes(frame);
    }
    return true;
}

bool SaveSimMemory(const SimOptions& options, const SimRadio& radio, QString& message)
{
    if (options.savePath.isEmpty())
        return true;
    QSaveFile file(options.savePath);
    if (file.open(QIODevice::WriteOnly) && file.write(radio.ImageBytes()) == ImageBytes && file.commit())
        return true;
    message = QStringLiteral("%1: %2").arg(options.savePath, file.errorString());
    return false;
}
