#include "ChannelSteps.h"
#include "CliOutput.h"
#include "CliVerbs.h"
#include "base/Connection.h"
#include "base/FileBytes.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelFile.h"
#include "channels/RowCheck.h"

namespace {

int FileError(const QString& path, const QString& reason)
{
    PrintLine(QStringLiteral("%1: %2").arg(path, reason));
    return ExitUsageOrFile;
}

const QString ChannelKind = ChannelFileKind.toString();

} // namespace

int SaveChannelsOfImage(const MemoryImageBytes& image, const QString& path)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    const ChannelFileResult saved = WriteChannelFile(path, table, ChannelTable::RowCount, ChannelKind);
    if (!saved.Ok) {
        PrintLine(saved.Describe(path));
        return ExitUsageOrFile;
    }
    return ExitSuccess;
}

int LoadCheckedChannels(const QString& path, MemoryImageBytes& image)
{
    ChannelTable table;
    const ChannelFileResult opened = ReadChannelFile(path, ChannelKind, table);
    if (!opened.Ok) {
        PrintLine(opened.Describe(path));
        return ExitUsageOrFile;
    }
    SetFixedModel();
    const RowCheckResult check = CheckRowsForWrite(table, {Band1Low, Band1High, Band2Low, Band2High});
    if (!check.Ok)
        return FileError(path, QStringLiteral("line %1: %2")
                                   .arg(ChannelFileLine(check.Row, check.Column, opened.RowCount))
                                   .arg(check.Message));
    StoreChannelsToImage(table, image);
    return ExitSuccess;
}

int SaveImageFile(const MemoryImageBytes& image, const QString& path)
{
    QString error;
    if (!WriteFileBytes(path, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
                        error))
        return FileError(path, error);
    return ExitSuccess;
}

int LoadImageFile(const QString& path, MemoryImageBytes& image)
{
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, qint64(image.size()), bytes, error))
        return FileError(path, error);
    if (bytes.size() != qsizetype(image.size()))
        return FileError(path, QStringLiteral("holds %1 bytes; an image has %2").arg(bytes.size()).arg(image.size()));
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return ExitSuccess;
}
