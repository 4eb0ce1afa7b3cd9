#include "game/avatars/form_photos.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/messagebox.h"
#include "platform/screens.h"

#include "game/pointememoire.h"
#include "support/programfoldertest.h"
#include "support/touches.h"

#include <QDir>
#include <QFile>
#include <QValidator>

using platform::Screens;

namespace {
// A 1 x 1 GIF picture.
const QByteArray kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF!\xF9\x04\x01\x00"
                      "\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                      43);

class Photos : public ProgramFolderTest {
protected:
    // Message boxes are answered and remembered instead of failing the test.
    void attendreMessages()
    {
        platform::setMsgBoxAnswerer([this](const QString &text, int, const QString &title) {
            m_messages << title + ": " + text;
            return int(platform::vbOK);
        });
    }
    // Slot `p`'s picture, decoded as the screen would when shown.
    bool montreUneImage(int p)
    {
        form_photos().afficherImages();
        return !form_photos().Image_photo(p)->Picture().isNull();
    }
    // The next picture dialogs answer with `chemin` (nothing: cancelled).
    void choisir(std::optional<QString> chemin)
    {
        form_photos().setChoixFichier([chemin](QWidget *, const QString &, int) { return chemin; });
    }
    QStringList m_messages;
};
} // namespace

TEST_F(Photos, AFirstStartShowsTheStartingNamesWithoutPictures)
{
    Form_photos &photos = form_photos();
    for (int p = 1; p <= 32; ++p) {
        EXPECT_EQ(photos.Text(p)->Text(), QStringLiteral("Joueur %1").arg(p));
        EXPECT_EQ(photos.Label_chemin_image(p)->Caption(), "");
    }
    EXPECT_FALSE(montreUneImage(1));
    EXPECT_EQ(photos.Label_nombre_joueurs->Caption(), "Label1");
}

TEST_F(Photos, TheFileFillsEverySlotAndPicturesWaitUntilShown)
{
    writeFile("ours.gif", kGif);
    QByteArray fichier;
    for (int k = 1; k <= 32; ++k) {
        fichier += (k > 1 ? "," : "") + QByteArray("\"Nom") + QByteArray::number(k) + "\",";
        fichier += k == 3 ? "\"" + path("ours.gif").toUtf8() + "\"" : QByteArray("\"\"");
    }
    writeFile("avatars.tpq", fichier + "\r\n");
    Form_photos &photos = form_photos();
    EXPECT_EQ(photos.Text(1)->Text(), "Nom1");
    EXPECT_EQ(photos.Text(32)->Text(), "Nom32");
    EXPECT_EQ(photos.Label_chemin_image(3)->Caption(), path("ours.gif"));
    // Nothing is decoded at load: the avatar screen loads during the welcome countdown.
    EXPECT_TRUE(photos.Image_photo(3)->Picture().isNull());
    EXPECT_TRUE(montreUneImage(3));
    EXPECT_FALSE(montreUneImage(2));
}

TEST_F(Photos, HiddenSlotsDecodeNoPicture)
{
    writeFile("ours.gif", kGif);
    writeFile("avatars.tpq", "\"A\",\"\",\"B\",\"" + path("ours.gif").toUtf8() + "\"\r\n");
    form_photos().Image_photo(2)->setVisible(false);
    EXPECT_FALSE(montreUneImage(2));
    form_photos().Image_photo(2)->setVisible(true);
    EXPECT_TRUE(montreUneImage(2));
}

TEST_F(Photos, AMissingOrUnreadablePictureKeepsItsPathAndShowsNothing)
{
    writeFile("pas_une_image.gif", "bonjour");
    writeFile("avatars.tpq", "\"A\",\"" + path("absent.gif").toUtf8() + "\",\"B\",\"" +
                                 path("pas_une_image.gif").toUtf8() + "\"\r\n");
    EXPECT_FALSE(montreUneImage(1));
    EXPECT_FALSE(montreUneImage(2));
    EXPECT_EQ(form_photos().Label_chemin_image(1)->Caption(), path("absent.gif"));
    form_photos().Image_retour_Click();
    EXPECT_TRUE(readFile("avatars.tpq").contains(path("absent.gif").toUtf8()));
}

TEST_F(Photos, ReturnHidesTheScreenAndWritesTheFileByteForByte)
{
    form_nombre_joueurs().Label_1_joueur->Click();
    Form_photos &photos = form_photos();
    photos.Text(2)->setText(QStringLiteral("Chloé"));
    photos.Label_chemin_image(2)->setCaption("/a b/c.gif");
    photos.Image_retour_Click();
    EXPECT_FALSE(photos.isVisible());
    EXPECT_EQ(form_nombre_joueurs().Label_score->BackColor(), 0xFFFFFFu);
    const QByteArray fichier = readFile("avatars.tpq");
    EXPECT_TRUE(
        fichier.startsWith("\"Joueur 1\",\"\",\"Chlo\xE9\",\"/a b/c.gif\",\"Joueur 3\",\"\","));
    EXPECT_EQ(fichier.size(), 472 - 3 + 10); // a shorter name, a longer path
}

TEST_F(Photos, AFailedSaveIsToldAndTheGameGoesOn)
{
    attendreMessages();
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("avatars.tpq")); // cannot be written as a file
    form_photos().Show();
    form_photos().Image_retour_Click();
    ASSERT_EQ(m_messages.size(), 1);
    // French to the end: the cause by name, and no system text in English after it.
    EXPECT_EQ(m_messages[0],
              QString::fromUtf8("Erreur: Les noms et les images des joueurs n'ont pas pu être "
                                "enregistrés.\nImpossible d'enregistrer le fichier avatars.tpq : "
                                "un dossier porte déjà ce nom."));
    EXPECT_FALSE(form_photos().isVisible());
}

TEST_F(Photos, ANameTheFileCannotHoldIsToldAndTheOldFileStays)
{
    attendreMessages();
    form_photos().Image_retour_Click();
    const QByteArray avant = readFile("avatars.tpq");
    form_photos().Text(4)->setText("Ωmega"); // set by code: the name box itself refuses it
    form_photos().Image_retour_Click();
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_EQ(readFile("avatars.tpq"), avant);
}

TEST_F(Photos, NameBoxesRefuseWhatTheFileCannotHold)
{
    const QValidator *v = form_photos().Text(1)->validator();
    ASSERT_TRUE(v);
    const auto accepte = [v](QString s) {
        int pos = 0;
        return v->validate(s, pos) != QValidator::Invalid;
    };
    EXPECT_TRUE(accepte(QStringLiteral("Zoë, l'as €")));
    EXPECT_FALSE(accepte(QStringLiteral("Le \"chef\"")));
    EXPECT_FALSE(accepte(QStringLiteral("a\tb")));
    EXPECT_FALSE(accepte(QStringLiteral("a\nb")));
    EXPECT_FALSE(accepte(QStringLiteral("Ωmega")));
}

// The box limits what is typed to 15 characters; a longer name from the file is neither cut
// at load nor at the next save, and shows its beginning.
TEST_F(Photos, ALongNameFromTheFileIsKeptWholeWhileTypingStopsAtFifteen)
{
    const QString longNom = QStringLiteral("Marie-Antoinette de Lorrai"); // 26 characters
    QByteArray fichier = "\"" + longNom.toLatin1() + "\",\"\"";
    for (int k = 2; k <= 32; ++k)
        fichier += ",\"Joueur " + QByteArray::number(k) + "\",\"\"";
    writeFile("avatars.tpq", fichier + "\r\n");

    platform::TextBox *nom1 = form_photos().Text(1);
    EXPECT_EQ(nom1->Text(), longNom);
    EXPECT_EQ(nom1->cursorPosition(), 0);
    Sauver_avatars();
    EXPECT_EQ(readFile("avatars.tpq"), fichier + "\r\n");

    // Typing goes through the box's limit as a user's keys would.
    platform::TextBox *nom2 = form_photos().Text(2);
    nom2->clear();
    nom2->insert(QStringLiteral("Abcdefghijklmnopqrst"));
    EXPECT_EQ(nom2->Text(), QStringLiteral("Abcdefghijklmno"));
}

TEST_F(Photos, APickedPictureSetsItsSlotOnly)
{
    writeFile("ours.gif", kGif);
    choisir(path("ours.gif"));
    form_photos().Image_photo_Click(7);
    EXPECT_EQ(form_photos().Label_chemin_image(7)->Caption(), path("ours.gif"));
    EXPECT_FALSE(form_photos().Image_photo(7)->Picture().isNull());
    EXPECT_EQ(form_photos().Label_chemin_image(6)->Caption(), "");
    EXPECT_EQ(form_photos().Text(7)->Text(), "Joueur 7");
}

TEST_F(Photos, APickedFileThatCannotBeKeptIsRefusedWithAnError)
{
    attendreMessages();
    QDir(m_folder.path()).mkdir("a\"b");
    QDir(m_folder.path()).mkdir("a\tb");
    writeFile("a\"b/ours.gif", kGif);
    writeFile("a\tb/ours.gif", kGif);
    writeFile("texte.gif", "pas une image");
    for (const QString &fichier :
         {path("a\"b/ours.gif"), path("a\tb/ours.gif"), path("texte.gif"), path("absent.gif")}) {
        m_messages.clear();
        choisir(fichier);
        form_photos().Image_photo_Click(2);
        ASSERT_EQ(m_messages.size(), 1) << qPrintable(fichier);
        EXPECT_TRUE(m_messages[0].startsWith("Erreur: "));
        EXPECT_EQ(form_photos().Label_chemin_image(2)->Caption(), "");
    }
}

TEST_F(Photos, ThePickerOpensOnTheAvatarFolderInTheListsView)
{
    QString dossier;
    int vue = 0;
    form_photos().setChoixFichier([&](QWidget *, const QString &d, int v) {
        dossier = d;
        vue = v;
        return std::nullopt;
    });
    form_photos().Image_photo_Click(1);
    EXPECT_EQ(dossier, path("avatars"));
    EXPECT_EQ(vue, 28717); // thumbnails, as loaded
    cliquerEntree(form_photos().List1, 3);
    form_photos().Image_photo_Click(9);
    EXPECT_EQ(vue, 28715);
    EXPECT_EQ(form_photos().List1->ListCount(), 5);
}

// A damaged participants file of 400 MB: its start gives the names, the rest is never held.
TEST_F(Photos, AHugeParticipantsFileIsReadOnlyAsFarAsItsStart)
{
    writeFile("avatars.tpq", "\"Ana\",\"\",\"Bob\"");
    {
        QFile fichier(path("avatars.tpq"));
        ASSERT_TRUE(fichier.open(QIODevice::Append));
        ASSERT_TRUE(fichier.resize(qint64(400) << 20)); // sparse: costs no disk
    }
    const long avant = pointeMemoireKo();
    Form_photos &photos = form_photos();
    EXPECT_LT(pointeMemoireKo() - avant, kCroissanceMaxKo);
    EXPECT_EQ(photos.Text(1)->Text(), "Ana");
    EXPECT_EQ(photos.Text(3)->Text(), "Joueur 3");
}
