#include "questionprogramtest.h"

#include "platform/codec1252.h"
#include "questions/notetable.h"

#include <QDir>

using notes::Clef;

namespace {
struct Level {
    Clef clef;
    int level;
};

std::ostream &operator<<(std::ostream &os, const Level &l)
{
    return os << notes::keyOf(l.clef) << l.level;
}

QString keyOf(const Level &l)
{
    return QString::fromLatin1(notes::keyOf(l.clef)) + QString::number(l.level);
}

std::vector<Level> allLevels()
{
    std::vector<Level> levels;
    for (const Clef clef : {Clef::Aigu, Clef::Grave}) {
        for (int level = 1; level <= notes::kLevels; ++level)
            levels.push_back({clef, level});
    }
    return levels;
}

QString builtRcc(Clef clef)
{
    return QDir(QStringLiteral(TEMPEL_PRODUCTS_DIR))
        .filePath(QString::fromLatin1(notes::keyOf(clef)) + ".rcc");
}

class NoteLevel : public QuestionProgramTest, public ::testing::WithParamInterface<Level> {};
} // namespace

TEST_P(NoteLevel, AsksEachNoteOfItsRangeOnceWhoseRightAnswerNamesIt)
{
    const Level l = GetParam();
    const notes::Range range = notes::rangeOf(l.clef, l.level);
    // The notes the level may draw, by picture name.
    QHash<QString, int> positions;
    for (int p = range.lowest; p <= range.highest; ++p)
        positions.insert(QString::fromStdString(notes::resourceNameOf(l.clef, p)), p);

    // Each note of the level once in a game, before any comes again.
    expectEachOnceThenAnew(range.highest - range.lowest + 1, [&] {
        const auto items = ask(keyOf(l));
        expectAnswersWell(items);
        if (HasFailure())
            return QString();
        EXPECT_EQ(items[0].asText(), "Quelle est cette note ?");
        const QString picture = items[6].asText();
        EXPECT_TRUE(positions.contains(picture)) << picture.toStdString();
        const int right = int(*items[5].numericValue());
        const char *name =
            notes::kNames[std::size_t(notes::nameIndexOf(l.clef, positions.value(picture)))];
        EXPECT_EQ(items[std::size_t(right)].asText(), platform::decode1252(name));
        for (int i = 1; i <= 4; ++i) {
            EXPECT_TRUE(
                std::find_if(notes::kNames.begin(), notes::kNames.end(), [&](const char *n) {
                    return platform::decode1252(n) == items[std::size_t(i)].asText();
                }) != notes::kNames.end());
        }
        EXPECT_EQ(items[7].asText(), "");
        EXPECT_EQ(items[8].asText(), QString::fromLatin1(notes::keyOf(l.clef)) + ".rcc");
        return picture;
    });
}

INSTANTIATE_TEST_SUITE_P(BothClefs, NoteLevel, ::testing::ValuesIn(allLevels()),
                         [](const ::testing::TestParamInfo<Level> &info) {
                             return keyOf(info.param).toStdString();
                         });

TEST(NoteTable, EachLevelReachesFurtherUpToThreeLedgerLines)
{
    for (const Clef clef : {Clef::Aigu, Clef::Grave}) {
        // Level 1 holds the clef's own note: sol on the second line, fa on the fourth.
        const int clefNote = clef == Clef::Aigu ? 2 : 6;
        EXPECT_LE(notes::rangeOf(clef, 1).lowest, clefNote);
        EXPECT_GE(notes::rangeOf(clef, 1).highest, clefNote);
        EXPECT_EQ(notes::kNames[std::size_t(notes::nameIndexOf(clef, clefNote))],
                  std::string(clef == Clef::Aigu ? "sol" : "fa"));
        for (int level = 2; level <= notes::kLevels; ++level) {
            const auto narrower = notes::rangeOf(clef, level - 1),
                       wider = notes::rangeOf(clef, level);
            EXPECT_LE(wider.lowest, narrower.lowest);
            EXPECT_GE(wider.highest, narrower.highest);
            EXPECT_GT(wider.highest - wider.lowest, narrower.highest - narrower.lowest);
        }
        EXPECT_EQ(notes::rangeOf(clef, 7).lowest, -6);
        EXPECT_EQ(notes::rangeOf(clef, 7).highest, 14);
    }
    // Known notes: the bottom lines, middle do and the lowest and highest of level 7.
    EXPECT_EQ(notes::resourceNameOf(Clef::Aigu, 0), "MI4");
    EXPECT_EQ(notes::resourceNameOf(Clef::Aigu, -2), "DO4");
    EXPECT_EQ(notes::resourceNameOf(Clef::Aigu, -6), "FA3");
    EXPECT_EQ(notes::resourceNameOf(Clef::Aigu, 14), "MI6");
    EXPECT_EQ(notes::resourceNameOf(Clef::Grave, 0), "SOL2");
    EXPECT_EQ(notes::resourceNameOf(Clef::Grave, 10), "DO4");
    EXPECT_EQ(notes::resourceNameOf(Clef::Grave, -6), "LA1");
    EXPECT_EQ(notes::resourceNameOf(Clef::Grave, 14), "SOL4");
}

TEST(NotePacks, HoldAPictureForEveryNoteOfEveryLevel)
{
    for (const Level &l : allLevels()) {
        const notes::Range range = notes::rangeOf(l.clef, l.level);
        for (int p = range.lowest; p <= range.highest; ++p) {
            const QString name = QString::fromStdString(notes::resourceNameOf(l.clef, p));
            EXPECT_TRUE(packHasPicture(builtRcc(l.clef), name)) << name.toStdString();
        }
    }
}
