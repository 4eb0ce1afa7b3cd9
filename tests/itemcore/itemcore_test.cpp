#include "datafiles/settingsfiles.h"
#include "itemcore/bytes1252.h"
#include "itemcore/items.h"
#include "itemcore/wholesave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace itemcore;

TEST(Bytes1252, Utf8TextBecomesTheCodePagesBytes)
{
    EXPECT_EQ(utf8To1252("Arpège – œuvre €"), std::string("Arp\xE8ge \x96 \x9Cuvre \x80"));
    EXPECT_EQ(utf8From1252("Arp\xE8ge \x96 \x9Cuvre \x80"), "Arpège – œuvre €");
}

TEST(Bytes1252, RefusesWhatItCannotConvertUnlessGivenAStandIn)
{
    EXPECT_FALSE(utf8To1252("clé ♪"));
    EXPECT_EQ(utf8To1252("clé ♪", '?'), std::string("cl\xE9 ?"));
    // Not UTF-8 at all: a lone Windows-1252 byte, a cut sequence, an overlong form.
    for (const char *bad : {"cl\xE9", "\xC3", "\xC0\xAF"}) {
        EXPECT_FALSE(utf8To1252(bad, '?')) << bad;
    }
}

TEST(Bytes1252, KnowsTheFiveUndefinedBytes)
{
    int undefined = 0;
    for (int b = 0; b < 256; ++b)
        undefined += isUndefinedByte(static_cast<unsigned char>(b)) ? 1 : 0;
    EXPECT_EQ(undefined, 5);
    EXPECT_TRUE(isUndefinedByte(0x81));
    EXPECT_FALSE(isUndefinedByte(0x80));
}

TEST(ItemCore, NumbersAreReadByTheirShape)
{
    EXPECT_EQ(numberValue(" 05 "), 5.0);
    EXPECT_EQ(numberValue("-1.5"), -1.5);
    EXPECT_EQ(numberValue(".5"), 0.5);
    EXPECT_EQ(numberValue("2e3"), 2000.0);
    for (const char *text : {"", "+", "e3", "1e", "1 2", "1,5", "x1"}) {
        EXPECT_FALSE(numberValue(text)) << text;
    }
}

TEST(ItemCore, ATextFollowedByMoreThanBlanksIsMarked)
{
    const auto items = readItems("\"a\"  ,\"b\"c\"\r\n", 2);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].clean);
    EXPECT_FALSE(items[1].clean);
    EXPECT_EQ(items[1].bytes, "b");
}

TEST(ItemCore, ARecordLineRefusesQuotesAndLineBreaks)
{
    RecordLine record;
    record.text("a").number(3).empty();
    EXPECT_EQ(record.line(), "\"a\",3,\r\n");
    EXPECT_EQ(RecordLine().text("a\"b").problem(), ItemProblem::Quote);
    EXPECT_EQ(RecordLine().text("a\nb").text("ok").problem(), ItemProblem::LineBreak);
}

// A save killed between its temporary file and the rename leaves that file behind; the next
// save of the same file removes it once a minute old, and nothing else: not another file's, nor
// a teacher's own file that only looks like one.
TEST(WholeSave, ASaveClearsTheTemporariesThatKilledSavesLeft)
{
    QTemporaryDir dir;
    const auto at = [&dir](const char *name) { return QDir(dir.path()).filePath(name); };
    const char *kept[] = {".avatars.tpq.tempel-Xy34Zw",  ".KSV.tpq.tempel-Ab12C",
                          "KSV.tpq.tempel-Ab12Cd",       "notes.txt",
                          ".question.tpq.tempel-000000", ".notes.tempel-backup"};
    ASSERT_TRUE(QFile(at(".KSV.tpq.tempel-Ab12Cd")).open(QIODevice::WriteOnly));
    for (const char *name : kept)
        ASSERT_TRUE(QFile(at(name)).open(QIODevice::WriteOnly));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
    for (const char *name :
         {".KSV.tpq.tempel-Ab12Cd", ".question.tpq.tempel-000000", ".KSV.tpq.tempel-Ab12C",
          "KSV.tpq.tempel-Ab12Cd", "notes.txt", ".notes.tempel-backup"}) {
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(saveWholeFile(at("KSV.tpq").toStdString(), "x"));
    QStringList expected{"KSV.tpq"};
    for (const char *name : kept)
        expected << name;
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    EXPECT_TRUE(isSaveTemporary(".KSV.tpq.tempel-Ab12Cd", "KSV.tpq"));
}
