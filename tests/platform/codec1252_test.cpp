#include "platform/codec1252.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Codec1252, EveryByteReadsAndWritesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const auto back = encode1252(decode1252(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Codec1252, DiffersFromLatin1InTheHighControlRange)
{
    EXPECT_EQ(decode1252("\x80\x9c\x92"), QString::fromUtf8("€œ’"));
    EXPECT_EQ(*encode1252(QString::fromUtf8("Huées")), QByteArray("\x48\x75\xE9\x65\x73"));
    EXPECT_EQ(*encode1252(QString::fromUtf8("Œuvre")), QByteArray("\x8Cuvre"));
}

TEST(Codec1252, RefusesCharactersItLacks)
{
    EXPECT_FALSE(encode1252(QString::fromUtf8("ré ♪")));
    EXPECT_FALSE(holdsIn1252(QString::fromUtf8("Ā")));
    EXPECT_TRUE(holdsIn1252(QString::fromUtf8("Élève à l’école")));
}

// The 32 code points of bytes 0x80 to 0x9F as the code page's published table gives them;
// the five holes (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their byte value.
TEST(Codec1252, TheHighControlRangeMatchesThePublishedTable)
{
    const char16_t table[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
    };
    for (int i = 0; i < 32; ++i) {
        const QByteArray byte(1, char(0x80 + i));
        const QString character{QChar(table[i])};
        EXPECT_EQ(decode1252(byte), character) << std::hex << 0x80 + i;
        const auto back = encode1252(character);
        ASSERT_TRUE(back) << std::hex << 0x80 + i;
        EXPECT_EQ(*back, byte) << std::hex << 0x80 + i;
    }
}
