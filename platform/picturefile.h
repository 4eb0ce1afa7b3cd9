// Pictures from files (a question's picture, an avatar), read whole through the bounded reader
// and decoded from memory: a named pipe, a device or a runaway file in a picture's place shows
// no picture and never holds the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace platform {

// Far beyond any picture the screens show; a larger file is not a picture to load.
inline constexpr qint64 kLargestPicture = 32 * 1024 * 1024;

// The bytes of a picture file, for a decoder that reads from memory (an animation); nothing
// when it cannot be read or is larger than any picture.
std::optional<QByteArray> readPictureFile(const QString &path);

// Whether `frames` pictures of that size, decoded, take no more memory than Qt's reader allows
// one picture (QImageReader::allocationLimit()). Qt checks only the size it is asked to decode:
// a JPEG decoded scaled down passes, yet libjpeg sets aside buffers for the size its header
// gives (gigabytes for a progressive one a few hundred bytes long), and a movie keeps every
// frame it has shown.
[[nodiscard]] bool withinAllocationLimit(const QSize &size, QImage::Format format, qint64 frames);

// The picture of a file (the first frame of an animation), scaled to fit `within` keeping its
// proportions when a size is given; a null image when it cannot be read or decoded, or when,
// decoded whole, it would take more than Qt's reader allows a picture, whatever the size asked.
QImage readPicture(const QString &path, const QSize &within = {});

} // namespace platform
