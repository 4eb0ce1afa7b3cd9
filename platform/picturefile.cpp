#include "platform/picturefile.h"

#include "platform/wholefile.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {

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
    if (within.isValid()) {
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(within, Qt::KeepAspectRatio));
    }
    return reader.read();
}

} // namespace platform
