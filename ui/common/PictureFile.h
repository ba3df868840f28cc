#pragma once
// The program's picture files ("Spl.dat", "bkg.dat"):
//
//   offset          content
//   0 .. 1099       first 1100 bytes of a JPEG picture, byte p XOR (p + PictureKeyBase)
//   1100 .. end     rest of the JPEG picture, plain
//   optional        title block, n bytes: title byte j (1-based) XOR (j mod 256)
//   last 14 bytes   trailer, byte j XOR j: 8 hex digits of
//                   (n * TitleLengthDivisor) XOR TitleLengthMask, then "AETITL"
//
// A trailer without "AETITL" means there is no title.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace picturefile {
inline constexpr std::uint8_t PictureKeyBase = 0xA7;
inline constexpr std::uint32_t TitleLengthMask = 0x5EC7A91Du;
inline constexpr std::uint16_t TitleLengthDivisor = 13;
inline constexpr int ScrambledHeadSize = 1100;
inline constexpr int TrailerSize = 14;
inline constexpr int LongestTitleRead = 256;  // longer titles are cut to 255 bytes
} // namespace picturefile

struct DecodedPicture {
    QImage image;                  // set once the JPEG picture decoded, even if the trailer is bad
    std::optional<QString> title;  // the title block's text, when the trailer has one
    QString error;                 // empty when the whole file was good
};

// Reads a picture file's bytes. Files too short for the scrambled head and
// the trailer, a title length pointing before the file's start, and trailer
// digits that are not hexadecimal are errors; nothing is read past the data.
DecodedPicture DecodeScrambledPicture(QByteArray data);

// The 14-byte trailer for a title of n bytes.
QByteArray PictureTrailer(std::uint32_t titleLength);

// Builds a picture file from a JPEG picture of at least 1100 bytes (empty
// result otherwise), with a title block when a title is given.
QByteArray MakeScrambledPicture(const QByteArray& jpeg, const std::optional<QString>& title);

// Loads the picture file `name` from AppDir, or from DataDir when AppDir has
// none (an installed program): on success `graphic` holds the picture and
// AppTitle the file's title, if it has one. On failure `error` says why;
// AppTitle is kept.
bool LoadScrambledPicture(QImage& graphic, const QString& name, QString& error);
