#include "itemcore/bytes1252.h"

#include <array>

namespace itemcore {
namespace {
// 0x80-0x9F, where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The next character of UTF-8 text, advancing `pos`; nothing for a malformed sequence.
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size())
            return std::nullopt;
        const auto b = static_cast<unsigned char>(s[pos++]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms would let two spellings stand for one character.
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF)
        return std::nullopt;
    return c;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
} // namespace

char32_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighTable[byte - 0x80] : byte;
}

std::optional<unsigned char> byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

bool isUndefinedByte(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 && kHighTable[byte - 0x80] == byte;
}

std::optional<std::string> utf8To1252(std::string_view utf8, std::optional<char> missing)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = nextUtf8(utf8, pos);
        if (!c)
            return std::nullopt;
        const auto b = byteOf(*c);
        if (b)
            out += static_cast<char>(*b);
        else if (missing)
            out += *missing;
        else
            return std::nullopt;
    }
    return out;
}

std::string utf8From1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char b : bytes)
        appendUtf8(out, characterOf(static_cast<unsigned char>(b)));
    return out;
}

} // namespace itemcore
