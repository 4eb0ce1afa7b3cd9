#include "platform/codec1252.h"

#include "itemcore/bytes1252.h"

namespace platform {

QString decode1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes)
        text.append(QChar(char16_t(itemcore::characterOf(static_cast<unsigned char>(b)))));
    return text;
}

std::optional<QByteArray> encode1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto b = itemcore::byteOf(c.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(char(*b));
    }
    return bytes;
}

bool holdsIn1252(const QString &text)
{
    for (const QChar c : text) {
        if (!itemcore::byteOf(c.unicode()))
            return false;
    }
    return true;
}

} // namespace platform
