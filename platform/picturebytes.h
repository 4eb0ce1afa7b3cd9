// A picture from the bytes of its file. Colour JPEGs, the game's own pictures and most of the
// packs', are decoded by libjpeg-turbo straight into 32-bit RGB: the same pixels as Qt's image
// reader gives, without loading Qt's image plugins or converting each line, which the first
// frame would wait for. Anything else goes to Qt's image reader.
#pragma once

#include <QByteArray>
#include <QImage>

namespace platform {

// A null picture when the bytes are no picture that can be read, or one larger than Qt's reader
// allows a picture (QImageReader::allocationLimit()), which is refused before any memory is set
// aside for it.
[[nodiscard]] QImage pictureFromBytes(const QByteArray &bytes);

} // namespace platform
