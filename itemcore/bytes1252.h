// Windows-1252 at the byte level, for programs that must not pull Qt: the meaning of each
// byte and conversions between UTF-8 and the code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace itemcore {

// What many text editors put before UTF-8 text: no part of the text.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The character a byte stands for. The five bytes that Windows leaves undefined stand for
// the C1 controls of the same value, as Windows itself does, so any byte reads and writes back.
char32_t characterOf(unsigned char byte);

// The byte of a character, or nothing when the code page lacks it.
std::optional<unsigned char> byteOf(char32_t c);

// One of the five bytes that Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
bool isUndefinedByte(unsigned char byte);

// Nothing when the text is not UTF-8. A character that the code page lacks becomes
// `missing`, or makes the whole text fail when no stand-in is given.
std::optional<std::string> utf8To1252(std::string_view utf8,
                                      std::optional<char> missing = std::nullopt);
std::string utf8From1252(std::string_view bytes);

} // namespace itemcore
