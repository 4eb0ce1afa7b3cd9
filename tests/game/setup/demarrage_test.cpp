// The real game started where there is no graphical screen: a French message and status 1,
// never Qt's abort.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {
struct SansEcran {
    const char *why;
    const char *display; // nullptr: not set at all
    const char *message;
};

const SansEcran kSansEcran[] = {
    {"no display at all", nullptr,
     "Tempeljeu a besoin d'un écran graphique : aucun affichage n'est disponible "
     "(variable DISPLAY vide).\n"},
    {"an empty DISPLAY", "",
     "Tempeljeu a besoin d'un écran graphique : aucun affichage n'est disponible "
     "(variable DISPLAY vide).\n"},
    {"a display that does not answer", ":59999",
     "Tempeljeu a besoin d'un écran graphique : l'affichage :59999 ne répond pas.\n"},
};
} // namespace

TEST(Demarrage, WithoutAGraphicalScreenTheGameSaysSoInFrenchAndEndsWithStatusOne)
{
    for (const SansEcran &c : kSansEcran) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (c.display)
            env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(TEMPEL_PRODUCTS_DIR "/Tempeljeu"), {});
        ASSERT_TRUE(game.waitForFinished(30000)) << c.why;
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << c.why;
        EXPECT_EQ(game.exitCode(), 1) << c.why;
        EXPECT_EQ(QString::fromUtf8(game.readAllStandardError()), QString::fromUtf8(c.message))
            << c.why;
    }
}
