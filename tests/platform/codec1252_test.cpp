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
