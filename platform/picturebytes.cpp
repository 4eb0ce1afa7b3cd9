#include "platform/picturebytes.h"

#include <QImageIOHandler>

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace platform {
namespace {

#ifdef JCS_EXTENSIONS
// libjpeg reports a fatal error by a call that must not return: it comes back to the setjmp
// below, whose function keeps everything that needs destroying on the heap.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
    QImage image;
};

[[noreturn]] void fail(j_common_ptr info)
{
    std::longjmp(static_cast<Decoder *>(info->client_data)->failed, 1);
}

// Damaged data is Qt's reader's to judge, and to report.
void quiet(j_common_ptr)
{
}

QImage colourJpeg(const QByteArray &bytes)
{
    auto d = std::make_unique<Decoder>();
    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = fail;
    d->errors.output_message = quiet;
    d->info.client_data = d.get();
    if (setjmp(d->failed)) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d->info, TRUE);
    const bool colour =
        d->info.jpeg_color_space == JCS_YCbCr || d->info.jpeg_color_space == JCS_RGB;
    if (colour) {
        // QImage's 32-bit RGB, 0xffRRGGBB, in the machine's byte order; libjpeg-turbo sets X
        // to 0xff.
        d->info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
        jpeg_calc_output_dimensions(&d->info);
        // The size comes from the file's header: no larger than Qt's reader allows a picture,
        // and known to be so before libjpeg sets aside memory for it.
        const QSize size(int(d->info.output_width), int(d->info.output_height));
        if (!QImageIOHandler::allocateImage(size, QImage::Format_RGB32, &d->image)) {
            jpeg_destroy_decompress(&d->info);
            return {};
        }
        jpeg_start_decompress(&d->info);
        while (d->info.output_scanline < d->info.output_height) {
            JSAMPROW line = d->image.scanLine(int(d->info.output_scanline));
            jpeg_read_scanlines(&d->info, &line, 1);
        }
        jpeg_finish_decompress(&d->info);
    }
    jpeg_destroy_decompress(&d->info);
    return std::move(d->image);
}
#endif

} // namespace

QImage pictureFromBytes(const QByteArray &bytes)
{
#ifdef JCS_EXTENSIONS
    if (bytes.startsWith("\xFF\xD8")) {
        if (QImage image = colourJpeg(bytes); !image.isNull())
            return image;
    }
#endif
    return QImage::fromData(bytes);
}

} // namespace platform
