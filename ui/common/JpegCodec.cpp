#include "JpegCodec.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

// A few bytes of header may claim any size; no picture of ours comes near
// this (Qt's own image readers stop at the same 256 MiB).
constexpr std::uint64_t LargestPictureBytes = std::uint64_t(256) << 20;

// libjpeg reports errors by calling error_exit, which must not return: it
// jumps back to the function that started the work. Only plain C data lives
// in the frames between, so nothing is left without its destructor.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto* e = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, e->message);
    std::longjmp(e->jump, 1);
}

// Level -1 is a warning about corrupt data: a damaged picture is refused.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ErrorExit(info);
}

jpeg_error_mgr* InitErrors(ErrorJump& e)
{
    jpeg_std_error(&e.manager);
    e.manager.error_exit = ErrorExit;
    e.manager.emit_message = EmitMessage;
    e.message[0] = '\0';
    return &e.manager;
}

// Works on `image` only through the reference, so its state is in memory
// whenever libjpeg may jump out.
bool DecodeInto(jpeg_decompress_struct& info, ErrorJump& e, const QByteArray& data, QImage& image)
{
    if (setjmp(e.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        std::snprintf(e.message, sizeof e.message, "CMYK pictures are not supported");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (std::uint64_t(info.output_width) * info.output_height * 3 <= LargestPictureBytes)
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
    if (image.isNull()) {
        std::snprintf(e.message, sizeof e.message, "picture too large (%u x %u)",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool EncodeInto(jpeg_compress_struct& info, ErrorJump& e, const QImage& rgb, int quality,
                unsigned char*& buffer, unsigned long& size)
{
    if (setjmp(e.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool DecodeJpeg(const QByteArray& data, QImage& image, QString& error)
{
    jpeg_decompress_struct info{};
    ErrorJump e;
    info.err = InitErrors(e);
    QImage decoded;
    if (!DecodeInto(info, e, data, decoded)) {
        error = QStringLiteral("Not a JPEG picture: ") + QString::fromLocal8Bit(e.message);
        return false;
    }
    image = decoded;
    return true;
}

bool EncodeJpeg(const QImage& image, int quality, QByteArray& jpeg, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("No picture to encode");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    ErrorJump e;
    info.err = InitErrors(e);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = EncodeInto(info, e, rgb, quality, buffer, size);
    if (ok)
        jpeg = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    else
        error = QStringLiteral("JPEG encoding failed: ") + QString::fromLocal8Bit(e.message);
    std::free(buffer);
    return ok;
}
