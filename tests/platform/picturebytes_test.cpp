// Pictures from the bytes of their file: whatever the bytes, the pixels of Qt's own reader.
#include "platform/picturebytes.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray saved(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 88);
    return bytes;
}

// Odd sizes, colours and sharp edges: the chroma halves and the block edges matter.
QImage colours()
{
    QImage image(97, 61, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 96, y * 4, (x * y) % 256));
    return image;
}

// The JPEG with the width and height of its frame header replaced.
QByteArray claiming(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    EXPECT_GE(frame, 0) << "no baseline frame header";
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return jpeg.replace(frame + 5, 4, size, 4);
}

} // namespace

TEST(PictureBytes, GiveThePixelsOfQtsReader)
{
    const QByteArray jpeg = saved(colours(), "JPG");
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"colour JPEG", jpeg},
        {"grey JPEG", saved(colours().convertToFormat(QImage::Format_Grayscale8), "JPG")},
        {"PNG", saved(colours(), "PNG")},
        {"JPEG cut short", jpeg.left(jpeg.size() / 2)},
        {"JPEG header only", jpeg.left(20)},
        {"JPEG start, then no picture", QByteArray("\xFF\xD8 pas une image")},
        // A few kilobytes that would take 256 MB: more than Qt's reader allows a picture.
        {"JPEG whose header says 8000 x 8000", claiming(jpeg, 8000, 8000)},
        {"nothing", QByteArray()},
    };
    for (const auto &c : cases) {
        const QImage qt = QImage::fromData(c.bytes);
        const QImage ours = platform::pictureFromBytes(c.bytes);
        ASSERT_EQ(ours.isNull(), qt.isNull()) << c.what;
        EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32),
                  qt.convertToFormat(QImage::Format_RGB32))
            << c.what;
    }
}
