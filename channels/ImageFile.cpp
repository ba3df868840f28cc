#include "ImageFile.h"
#include "ChannelCodec.h"
#include "base/FileBytes.h"
#include <algorithm>

namespace {
const qint64 ImageSize = qint64(MemoryImageBytes().size());
}

std::optional<Problem> ReadImageFile(const QString& path, MemoryImageBytes& image)
{
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, ImageSize, bytes, error))
        return Problem{0, 0, 0, error};
    if (bytes.size() != ImageSize)
        return Problem{0, 0, 0, QStringLiteral("holds %1 bytes; an image has %2").arg(bytes.size()).arg(ImageSize)};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return std::nullopt;
}

std::optional<Problem> WriteImageFile(const QString& path, const MemoryImageBytes& image)
{
    QString error;
    if (!WriteFileBytes(path, QByteArray(reinterpret_cast<const char*>(image.data()), ImageSize), error))
        return Problem{0, 0, 0, error};
    return std::nullopt;
}

std::optional<Problem> CheckImageForWrite(const MemoryImageBytes& image, const BandLimits& bands)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    return CheckRowsForWrite(table, bands);
}
