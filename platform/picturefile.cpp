#include "platform/picturefile.h"

#include "platform/wholefile.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace platform {

bool withinAllocationLimit(const QSize &size, QImage::Format format, qint64 frames)
{
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    if (limit == 0 || size.isEmpty())
        return true;
    const qint64 depth =
        format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 frame = (qint64(size.width()) * depth + 31) / 32 * 4 * size.height();
    return frame <= limit && std::max<qint64>(frames, 1) <= limit / frame;
}

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
    if (size.isValid() && !withinAllocationLimit(size, reader.imageFormat(), 1))
        return {};
    if (within.isValid() && size.isValid())
        reader.setScaledSize(size.scaled(within, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace platform
