#include "platform/picturefile.h"

#include "platform/wholefile.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {
namespace {

// Whether the picture, decoded whole, takes no more memory than Qt's reader allows a picture
// (QImageReader::allocationLimit()). Qt checks only the size it is asked for: a JPEG decoded
// scaled down passes that check, yet libjpeg sets aside buffers for the size its header gives,
// gigabytes for a progressive one a few hundred bytes long.
bool withinAllocationLimit(const QSize &size, QImage::Format format)
{
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    if (limit == 0)
        return true;
    const qint64 depth =
        format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 lineBytes = (qint64(size.width()) * depth + 31) / 32 * 4;
    return lineBytes * size.height() <= limit;
}

} // namespace

std::optional<QByteArray> readPictureFile(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    FileRead read = readWholeFile(path, kLargestPicture);
    if (read.status != FileRead::Ok)
        return std::nullopt;
    return std::move(read.bytes);
}

QImage readPicture(const QString &path, const QSize &within)
{
    const auto bytes = readPictureFile(path);
    if (!bytes)
        return {};
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && !withinAllocationLimit(size, reader.imageFormat()))
        return {};
    if (within.isValid() && size.isValid())
        reader.setScaledSize(size.scaled(within, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace platform
