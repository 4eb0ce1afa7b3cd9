// The game's own pictures and sounds as the game sees them (compiled in), the avatars the
// build delivers, a question pack built by the build, and the generator's repeatability.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "game/wavecheck.h"

#include <set>

namespace {

using wavecheck::readWave;
using wavecheck::Wave;

struct Picture {
    const char *path;
    int width;
    int height;
};

// Names and sizes as the loaders ask for them.
const Picture pictures[] = {
    {"FOND/1024", 1024, 768},
    {"FOND/1280", 1280, 1024},
    {"FOND/1440", 1440, 900},
    {"FOND/1680", 1680, 1050},
    {"FOND/1024_600", 1024, 600},
    {"FOND/ACCUEIL", 800, 600},
    {"FOND/ACCUEIL2PHYLACTERES", 800, 600},
    {"FOND/1JOUEUR", 800, 600},
    {"FOND/2JOUEURS", 800, 600},
    {"FOND/3JOUEURS", 800, 600},
    {"FOND/FOND1JOUEUR", 800, 600},
    {"FOND/FOND2JOUEURS", 800, 600},
    {"FOND/FOND3JOUEURS", 800, 600},
    {"FOND/FOND4JOUEURS", 800, 600},
    {"FOND/FOND8JOUEURS", 800, 600},
    {"FOND/FOND9JOUEURS", 800, 600},
    {"FOND/FOND16JOUEURS", 800, 600},
    {"FOND/FOND27JOUEURS", 800, 600},
    {"FOND/FOND32JOUEURS", 800, 600},
    {"IMAGES/100", 146, 200},
};

QStringList soundNames()
{
    QStringList names{"ACCUEIL", "TICTAC", "VRAI", "FAUX"};
    for (const char *n : {"01", "02", "03", "04", "05", "06", "07", "08", "09"})
        names << QStringLiteral("GAGNER") + QLatin1String(n);
    for (const char *n : {"01", "02", "03", "04", "05", "06", "07", "08"})
        names << QStringLiteral("PERDU") + QLatin1String(n);
    return names;
}

QByteArray resourceBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(GameResources, EveryPictureDecodesAsJpegAtItsSize)
{
    for (const Picture &p : pictures) {
        SCOPED_TRACE(p.path);
        QImageReader reader(QStringLiteral(":/tempeljeu/") + QLatin1String(p.path));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << qPrintable(reader.errorString());
        EXPECT_EQ(img.size(), QSize(p.width, p.height));
    }
}

TEST(GameResources, PicturesAreNotBlank)
{
    // A drawing that silently failed leaves one flat colour.
    for (const Picture &p : pictures) {
        SCOPED_TRACE(p.path);
        const QImage img(QStringLiteral(":/tempeljeu/") + QLatin1String(p.path));
        std::set<QRgb> colours;
        for (int y = 0; y < img.height(); y += 7)
            for (int x = 0; x < img.width(); x += 7)
                colours.insert(img.pixel(x, y) & 0xF0F0F0);
        EXPECT_GT(colours.size(), 20u);
    }
}

TEST(GameResources, EverySoundIsAShortAudiblePcmWave)
{
    for (const QString &name : soundNames()) {
        SCOPED_TRACE(qPrintable(name));
        const Wave w = readWave(resourceBytes(QStringLiteral(":/tempeljeu/DMSEG/") + name));
        ASSERT_TRUE(w.error.isEmpty()) << qPrintable(w.error);
        EXPECT_GT(w.seconds, 0.2);
        EXPECT_LT(w.seconds, 5.0);
        EXPECT_GT(w.peak, 8000) << "too quiet to hear in a classroom";
        EXPECT_LT(w.peak, 32767) << "clipped";
    }
}

TEST(GameResources, TickTockLastsAboutOneSecondSoItCanLoop)
{
    const Wave w = readWave(resourceBytes(QStringLiteral(":/tempeljeu/DMSEG/TICTAC")));
    ASSERT_TRUE(w.error.isEmpty());
    EXPECT_NEAR(w.seconds, 1.0, 0.05);
}

TEST(GameResources, ApplauseAndBoosAreEachDifferent)
{
    // The game draws one at random; identical files would make the draw pointless.
    std::set<QByteArray> seen;
    for (const QString &name : soundNames()) {
        if (name.startsWith(QLatin1String("GAGNER")) || name.startsWith(QLatin1String("PERDU"))) {
            EXPECT_TRUE(
                seen.insert(resourceBytes(QStringLiteral(":/tempeljeu/DMSEG/") + name)).second)
                << qPrintable(name);
        }
    }
}

TEST(GameResources, ExtraAliasesAreNotCompiledIn)
{
    // Upper case without extension is the one spelling: the loader upper-cases what it is asked.
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/tempeljeu/FOND/accueil")));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/tempeljeu/FOND/ACCUEIL.jpg")));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/tempeljeu/DMSEG/ACCUEIL.wav")));
}

TEST(AvatarGifs, AtLeastTwelveAnimatedGifsAreDelivered)
{
    const QDir folder(QStringLiteral(TEMPEL_DELIVERED_DIR "/avatars"));
    const QStringList gifs = folder.entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    EXPECT_GE(gifs.size(), 12);
    for (const QString &name : gifs) {
        SCOPED_TRACE(qPrintable(name));
        QImageReader reader(folder.filePath(name));
        EXPECT_EQ(reader.format(), "gif");
        EXPECT_TRUE(reader.supportsAnimation());
        const int frames = reader.imageCount();
        EXPECT_GE(frames, 2);
        EXPECT_LE(frames, 8);
        const QImage first = reader.read();
        ASSERT_FALSE(first.isNull());
        EXPECT_GE(first.width(), 90);
        EXPECT_LE(first.width(), 140);
        EXPECT_GE(first.height(), 90);
        EXPECT_LE(first.height(), 140);
        EXPECT_GT(reader.nextImageDelay(), 0);
        const QImage second = reader.read();
        ASSERT_FALSE(second.isNull());
        EXPECT_NE(first.convertToFormat(QImage::Format_RGB32),
                  second.convertToFormat(QImage::Format_RGB32))
            << "the avatar does not move";
    }
}

TEST(ResourcePack, PicturesAreFoundUnderTheRootTheLoaderGives)
{
    const QString pack = QStringLiteral(TEMPEL_EXAMPLE_PACK);
    ASSERT_TRUE(QFile::exists(pack));
    const QString root = QStringLiteral("/packtest");
    ASSERT_TRUE(QResource::registerResource(pack, root));
    const QImage violon(QStringLiteral(":/packtest/IMAGES/VIOLON"));
    const QImage trompette(QStringLiteral(":/packtest/IMAGES/TROMPETTE"));
    EXPECT_FALSE(violon.isNull());
    EXPECT_FALSE(trompette.isNull());
    EXPECT_TRUE(QResource::unregisterResource(pack, root));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/packtest/IMAGES/VIOLON")));
}

TEST(ResourceGenerator, RunsAgainToTheSameBytesAsTheCompiledInResources)
{
    // The build only regenerates when the generator changes, so its output must not drift.
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(TEMPEL_GENERATOR), {out.filePath("res"), out.filePath("avatars")});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().constData();

    auto sameAsCompiled = [&](const QString &alias, const QString &file) {
        SCOPED_TRACE(qPrintable(alias));
        const QByteArray fresh = resourceBytes(out.filePath("res/" + file));
        ASSERT_FALSE(fresh.isEmpty());
        EXPECT_TRUE(fresh == resourceBytes(QStringLiteral(":/tempeljeu/") + alias));
    };
    for (const Picture &p : pictures)
        sameAsCompiled(QLatin1String(p.path), QLatin1String(p.path) + QStringLiteral(".jpg"));
    for (const QString &name : soundNames())
        sameAsCompiled(QStringLiteral("DMSEG/") + name,
                       QStringLiteral("DMSEG/") + name + QStringLiteral(".wav"));

    const QDir delivered(QStringLiteral(TEMPEL_DELIVERED_DIR "/avatars"));
    const QDir fresh(out.filePath("avatars"));
    for (const QString &gif : fresh.entryList({QStringLiteral("*.gif")}, QDir::Files)) {
        SCOPED_TRACE(qPrintable(gif));
        EXPECT_TRUE(resourceBytes(fresh.filePath(gif)) == resourceBytes(delivered.filePath(gif)));
    }
}
