// Pictures from the bytes of their file: whatever the bytes, the pixels of Qt's own reader; and
// from the file, a thumbnail exactly when Qt's reader gives the whole picture.
#include "platform/picturebytes.h"
#include "platform/picturefile.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray saved(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(88);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
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

// The JPEG with the width and height of its frame header (baseline or progressive) replaced.
QByteArray claiming(QByteArray jpeg, int width, int height)
{
    qsizetype frame = jpeg.indexOf("\xFF\xC0");
    if (frame < 0)
        frame = jpeg.indexOf("\xFF\xC2");
    EXPECT_GE(frame, 0) << "no frame header";
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
        // Decoded scaled down, libjpeg would still set aside 200 MB for its whole frame.
        {"progressive JPEG whose header says 8000 x 8000",
         claiming(saved(colours(), "JPG", true), 8000, 8000)},
        {"nothing", QByteArray()},
    };
    QTemporaryDir dir;
    const QString file = dir.filePath("avatar.gif");
    const QSize thumbnail(96, 96);
    for (const auto &c : cases) {
        const QImage qt = QImage::fromData(c.bytes);
        const QImage ours = platform::pictureFromBytes(c.bytes);
        ASSERT_EQ(ours.isNull(), qt.isNull()) << c.what;
        EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32),
                  qt.convertToFormat(QImage::Format_RGB32))
            << c.what;
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly) && written.write(c.bytes) == c.bytes.size());
        written.close();
        const QImage small = platform::readPicture(file, thumbnail);
        ASSERT_EQ(small.isNull(), qt.isNull()) << c.what << ", as a thumbnail";
        if (!qt.isNull()) {
            EXPECT_EQ(small.size(), qt.size().scaled(thumbnail, Qt::KeepAspectRatio)) << c.what;
        }
    }
}
