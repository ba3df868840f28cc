// The title block and trailer behind a good picture. Mode byte even: the rest
// of the input is what follows the picture, as a file may have it. Odd: the
// rest is a title, which must come back as it went in.
#include "FuzzTargets.h"

#include "ui/common/JpegCodec.h"
#include "ui/common/PictureFile.h"

#include <QImage>

namespace {

// A small JPEG picture of more than the scrambled head's size.
const QByteArray& PlainJpeg()
{
    static const QByteArray jpeg = [] {
        QImage image(64, 64, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * y) & 0xFF, (x ^ y) * 4 & 0xFF));
        QByteArray bytes;
        QString error;
        FUZZ_CHECK(EncodeJpeg(image, 90, bytes, error));
        FUZZ_CHECK(bytes.size() > picturefile::ScrambledHeadSize);
        return bytes;
    }();
    return jpeg;
}

// The same picture as a file has it, without title block and trailer.
const QByteArray& ScrambledPicture()
{
    static const QByteArray picture = MakeScrambledPicture(PlainJpeg(), std::nullopt).chopped(picturefile::TrailerSize);
    return picture;
}

void CheckAnyTail(const QByteArray& tail)
{
    const DecodedPicture picture = DecodeScrambledPicture(ScrambledPicture() + tail);
    FUZZ_CHECK(!picture.image.isNull());
    if (picture.title)
        FUZZ_CHECK(picture.title->size() <= picturefile::LongestTitleRead);
}

void CheckTitleComesBack(const QString& title)
{
    const qsizetype bytes = title.toLocal8Bit().size();
    if (bytes < 1 || bytes > picturefile::LongestTitleRead)
        return;  // an empty title reads one byte, a longer one is cut
    const QByteArray file = MakeScrambledPicture(PlainJpeg(), title);
    const DecodedPicture picture = DecodeScrambledPicture(file);
    FUZZ_CHECK(picture.error.isEmpty());
    FUZZ_CHECK(picture.title == title);
}

} // namespace

int FuzzPictureTitle(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest = InputBytes(data + 1, size - 1);
    if (data[0] % 2 == 0)
        CheckAnyTail(rest);
    else
        CheckTitleComesBack(QString::fromUtf8(rest));
    return 0;
}
