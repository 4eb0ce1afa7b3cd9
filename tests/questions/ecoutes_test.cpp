#include "questionprogramtest.h"

#include "questions/ecoutes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
class Ecoutes : public QuestionProgramTest {
protected:
    void layPieces(const QStringList &names)
    {
        for (const QString &name : names)
            lay("ecoutes/" + name, "RIFF");
    }
};
} // namespace

TEST_F(Ecoutes, PlaysEachPieceOfTheFolderOnceAndOffersItsTitleAmongOthers)
{
    const QStringList pieces = {QString::fromUtf8("Gamme de do majeur.wav"),
                                QString::fromUtf8("Arpège de la mineur.wav"), "Quinte juste.wav",
                                "Tierce majeure.mp3", "Octave.wav"};
    layPieces(pieces);
    expectEachOnceThenAnew(int(pieces.size()), [&] {
        const auto items = ask("ecoutes");
        expectAnswersWell(items);
        if (HasFailure())
            return QString();
        const QString sound = items[7].asText();
        EXPECT_TRUE(sound.startsWith("ecoutes/")) << sound.toStdString();
        EXPECT_TRUE(exists(sound)) << sound.toStdString();
        const int right = int(*items[5].numericValue());
        EXPECT_EQ(items[std::size_t(right)].asText(), QFileInfo(sound).completeBaseName());
        for (int i = 1; i <= 4; ++i) {
            const QString title = items[std::size_t(i)].asText();
            EXPECT_TRUE(std::any_of(pieces.begin(), pieces.end(), [&](const QString &p) {
                return QFileInfo(p).completeBaseName() == title;
            })) << title.toStdString();
        }
        EXPECT_EQ(items[6].asText(), "ECOUTE");
        EXPECT_EQ(items[8].asText(), "ecoutes.rcc");
        return sound;
    });
}

TEST_F(Ecoutes, NeverOffersAPieceThatTheGameCouldNotFindAgain)
{
    // Names that Windows-1252 cannot hold, hidden files, folders and files that are no sound
    // are left out, so three pieces remain: too few for a question.
    layPieces({"Un.wav", "Deux.wav", "Trois.wav", QString::fromUtf8("Quatre ♪.wav"), ".cache.wav",
               "Lisez-moi.txt"});
    ASSERT_TRUE(QDir(path("ecoutes")).mkdir("Cinq"));
    const auto items = ask("ecoutes");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_TRUE(items[0].asText().startsWith("Il faut au moins quatre morceaux"));
    EXPECT_TRUE(items[5].asText().isEmpty());
}

TEST_F(Ecoutes, TwoFilesOfOneTitleCountAsOnePiece)
{
    layPieces({"Un.wav", "Un.mp3", "Deux.wav", "Trois.wav"});
    const auto items = ask("ecoutes");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_TRUE(items[0].asText().startsWith("Il faut au moins quatre morceaux"));
    EXPECT_TRUE(packHasPicture(QStringLiteral(TEMPEL_PRODUCTS_DIR "/ecoutes.rcc"), "ECOUTE"));
}

// A title is drawn once however many formats hold it; only sound files are pieces.
TEST_F(Ecoutes, PiecesAreTheTitlesOfSoundFiles)
{
    layPieces({"Un.wav", "Un.MP3", "Deux.ogg", "Trois.flac", "Lisez-moi.txt", "Quatre.mid"});
    const auto pieces = questions::piecesIn(path("ecoutes").toStdString());
    std::vector<std::pair<std::string, std::vector<std::string>>> seen;
    for (const auto &piece : pieces)
        seen.emplace_back(piece.title1252, piece.files1252);
    EXPECT_EQ(seen, (decltype(seen){{"Deux", {"Deux.ogg"}},
                                    {"Trois", {"Trois.flac"}},
                                    {"Un", {"Un.MP3", "Un.wav"}}}));
}
