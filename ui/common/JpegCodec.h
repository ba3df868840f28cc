#pragma once
// JPEG pictures to and from memory through libjpeg. The decoder stops at the
// end-of-image marker, so bytes behind the picture are never looked at.
#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG picture into an RGB image. Corrupt data (also data that
// libjpeg would only warn about) is an error, reported in `error`.
bool DecodeJpeg(const QByteArray& data, QImage& image, QString& error);

// Encodes an image as a baseline JPEG picture of the given quality (1..100).
bool EncodeJpeg(const QImage& image, int quality, QByteArray& jpeg, QString& error);
