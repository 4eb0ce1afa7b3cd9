#include "platform/wholefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(WholeFile, WriteReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("a.tpq");
    ASSERT_TRUE(writeWholeFile(path, "un texte bien plus long\r\n"));
    ASSERT_TRUE(writeWholeFile(path, "court\r\n"));
    EXPECT_EQ(*readWholeFile(path), QByteArray("court\r\n"));
}

TEST(WholeFile, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("absent/a.tpq");
    const WriteResult result = writeWholeFile(path, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("a.tpq"));
    EXPECT_FALSE(readWholeFile(path));
}
