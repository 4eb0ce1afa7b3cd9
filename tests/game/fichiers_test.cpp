// Every reader of the game against what may stand in its file's place: a named pipe, a link to
// a device or a folder read as a missing file, without holding the game.
#include "game/avatars/dialogue_avatar.h"
#include "game/avatars/form_photos.h"
#include "game/match/question.h"
#include "game/services/form_admin.h"
#include "game/services/highscorelist.h"
#include "game/services/module_nouveau_themes.h"
#include "game/services/respicture.h"
#include "platform/codec1252.h"
#include "platform/screens.h"

#include "match/partietest.h"
#include "support/hostilefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

namespace {
class Fichiers : public PartieTest {};

QByteArray png(QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(size, QImage::Format_RGB32).save(&buffer, "PNG");
    return bytes;
}

QString taille(const QPixmap &p)
{
    return p.isNull() ? QStringLiteral("(aucune)")
                      : QStringLiteral("%1x%2").arg(p.width()).arg(p.height());
}
} // namespace

TEST_F(Fichiers, TheGamesFilesAreReadFromRegularFilesOnly)
{
    QString scores;
    for (int i = 0; i < 15; ++i)
        scores += highscores::scrambleLine(QStringLiteral("Ana\t%1").arg(20 - i)) + "\r\n";
    platform::ListBox box(nullptr, QStringLiteral("lstScores"));

    expectReadersWithstandHostileFiles(
        m_folder.path(),
        {{"the settings", "KSV.tpq", "\"temps\"\r\n", "temps", "question",
          [] {
              form_admin().Label_type_de_jeu->setCaption(QStringLiteral("question"));
              Charger_parametres();
              return form_admin().Label_type_de_jeu->Caption();
          }},
         {"the participants", "avatars.tpq", "\"Alice\",\"\"\r\n", "Alice", "Joueur 1",
          [] {
              platform::Screens::unload<Form_photos>();
              return form_photos().Text(1)->Text();
          }},
         {"a score list", "Scoresquestion.tpq", *platform::encode1252(scores), "Ana", "",
          [&] {
              HighScoreList list;
              list.SetListCount(15);
              list.FileName(path("Scoresquestion.tpq"));
              box.Clear();
              list.FillScoreList(box);
              return box.List(0).section(u'\t', 0, 0).mid(3).trimmed();
          },
          false, false},
         {"an avatar", "avatars/a.png", png({4, 3}), "4x3", "(aucune)",
          [this] { return taille(premiereImage(path("avatars/a.png"))); }, true, false}});
}

// The question on show: question.tpq, a text question's picture and a pack's resource file.
TEST_F(Fichiers, TheQuestionsFilesAreReadFromRegularFilesOnly)
{
    Form_jeu &j = ouvrir("1");
    regler({});
    const auto montrer = [&](const QString &theme, const QByteArray &record) {
        writeFile("question.tpq", record);
        j.Label_type_questionnaire->setCaption(theme);
        Afficher_question(j);
    };
    QFile ecoutes(QStringLiteral(TEMPEL_PRODUCTS_DIR "/ecoutes.rcc"));
    ASSERT_TRUE(ecoutes.open(QIODevice::ReadOnly));
    const QString defaut = taille(ResPicture().LoadResPicture("images", "100"));

    expectReadersWithstandHostileFiles(
        m_folder.path(),
        {{"the question", "question.tpq", question("Q ?", {"A", "B"}, "1"), "Q ?", "",
          [&] {
              j.Label_type_questionnaire->setCaption(QStringLiteral("compos"));
              Afficher_question(j);
              return j.Label_question->Caption();
          }},
         {"a question's picture", "images/x.png", png({5, 2}), "5x2", defaut,
          [&] {
              montrer(QStringLiteral("fichier_texte"), question("Q ?", {"A", "B"}, "1", "x.png"));
              return taille(j.Image_question->Picture());
          },
          true, false},
         {"a pack's resource file", "pack.rcc", ecoutes.readAll(), "image", "défaut",
          [&] {
              montrer(QStringLiteral("ecoutes"),
                      question("Q ?", {"A", "B"}, "1", "ECOUTE", {}, "pack.rcc"));
              return taille(j.Image_question->Picture()) == defaut ? QStringLiteral("défaut")
                                                                   : QStringLiteral("image");
          },
          true, false}});
}
