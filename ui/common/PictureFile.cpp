#include "PictureFile.h"

#include "JpegCodec.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

using namespace picturefile;

namespace {

const QByteArray TitleMarker = QByteArrayLiteral("AETITL");

// Scrambling is its own inverse: XOR with the same key.
void ScrambleHead(QByteArray& data)
{
    for (int p = 0; p < ScrambledHeadSize && p < data.size(); ++p)
        data[p] = static_cast<char>(static_cast<std::uint8_t>(data[p]) ^ ((p + PictureKeyBase) & 0xFF));
}

// Byte j (1-based) XOR (j mod 256): the title block and the trailer.
QByteArray XorByPosition(const QByteArray& bytes)
{
    QByteArray out(bytes);
    for (int i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<std::uint8_t>(out[i]) ^ ((i + 1) & 0xFF));
    return out;
}

bool AllHexDigits(const QByteArray& text)
{
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// Beside the program first; a missing file is named there.
QString PicturePath(const QString& name)
{
    const QString beside = AppDir + name;
    if (DataDir.isEmpty() || QFileInfo::exists(beside) || !QFileInfo::exists(DataDir + name))
        return beside;
    return DataDir + name;
}

} // namespace

DecodedPicture DecodeScrambledPicture(QByteArray data)
{
    DecodedPicture result;
    if (data.size() < ScrambledHeadSize + TrailerSize) {
        result.error = QStringLiteral("Picture file too short (%1 bytes)").arg(data.size());
        return result;
    }
    ScrambleHead(data);
    if (!DecodeJpeg(data, result.image, result.error))
        return result;

    const QByteArray trailer = XorByPosition(data.right(TrailerSize));
    if (trailer.mid(8) != TitleMarker)
        return result;
    const QByteArray digits = trailer.left(8);
    if (!AllHexDigits(digits)) {
        result.error = QStringLiteral("'%1' is not a valid hexadecimal title length").arg(QString::fromLatin1(digits));
        return result;
    }
    const std::uint32_t n = (digits.toUInt(nullptr, 16) ^ TitleLengthMask) / TitleLengthDivisor;
    if (n > static_cast<std::uint32_t>(data.size() - TrailerSize)) {
        result.error = QStringLiteral("Picture title length %1 points before the start of the file").arg(n);
        return result;
    }
    const qsizetype start = data.size() - TrailerSize - static_cast<qsizetype>(n);
    // At least one byte is read; past 256 only 255 are.
    const qsizetype count = n > LongestTitleRead ? LongestTitleRead - 1 : std::max<qsizetype>(n, 1);
    result.title = QString::fromLocal8Bit(XorByPosition(data.mid(start, count)));
    return result;
}

QByteArray PictureTrailer(std::uint32_t titleLength)
{
    const std::uint32_t encoded = (titleLength * TitleLengthDivisor) ^ TitleLengthMask;
    return XorByPosition(QByteArray::number(encoded, 16).toUpper().rightJustified(8, '0') + TitleMarker);
}

QByteArray MakeScrambledPicture(const QByteArray& jpeg, const std::optional<QString>& title)
{
    if (jpeg.size() < ScrambledHeadSize)
        return {};
    QByteArray file = jpeg;
    ScrambleHead(file);
    if (!title)
        return file + XorByPosition(QByteArrayLiteral("00000000NOTITL"));
    const QByteArray text = title->toLocal8Bit();
    return file + XorByPosition(text) + PictureTrailer(static_cast<std::uint32_t>(text.size()));
}

bool LoadScrambledPicture(QImage& graphic, const QString& name, QString& error)
{
    QFile file(PicturePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file \"%1\". %2").arg(file.fileName(), file.errorString());
        return false;
    }
    DecodedPicture picture = DecodeScrambledPicture(file.readAll());
    if (!picture.image.isNull())
        graphic = picture.image;
    if (!picture.error.isEmpty()) {
        error = file.fileName() + QStringLiteral(": ") + picture.error;
        return false;
    }
    if (picture.title)
        languagestr::AppTitle = *picture.title;
    return true;
}
