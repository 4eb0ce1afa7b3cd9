// Document windows, the wizard inside them, and the placement stored at exit.
#include "editortest.h"

#include "datafiles/itemformat.h"
#include "platform/messagebox.h"
#include "support/touches.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <functional>

using namespace editor;

TEST_F(EditorTest, DocumentNumbersAreNeverReused)
{
    ASSERT_EQ(main->documents().size(), 1);
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));
    main->mdiArea->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->documentActif(), nullptr);
    main->NouveauDocument();
    main->menus.value(QStringLiteral("Nouvelle Fenêtre"))->trigger();
    main->tbToolBar_ButtonClick(QStringLiteral("New"));
    QStringList captions;
    for (Form1 *d : main->documents())
        captions << d->Caption();
    EXPECT_EQ(captions, QStringList({"Document 2", "Document 3", "Document 4"}));
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 4"));
}

TEST_F(EditorTest, CommandsWithoutADocumentDoNothing)
{
    main->mdiArea->closeAllSubWindows();
    main->mnuFileSave_Click();
    main->mnuFileSaveAs_Click();
    main->mnuFilePrint_Click();
    main->compter_lignes_Click();
    main->Cmd_Find_Click();
    main->tbToolBar_ButtonClick(QStringLiteral("Bold"));
    main->effacertout_Click();
    EXPECT_TRUE(dialogues->titres.isEmpty());
    EXPECT_TRUE(messages().empty());
    // Opening creates the document it opens into; cancelling leaves it empty.
    main->mnuFileOpen_Click();
    ASSERT_NE(main->documentActif(), nullptr);
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 2"));
}

TEST_F(EditorTest, ExitStoresThePlacementInTwips)
{
    main->show();
    main->setGeometry(60, 40, 700, 500);
    QCoreApplication::processEvents();
    const QRect cadre = main->frameGeometry();
    main->mnuFileExit_Click();
    EXPECT_TRUE(main->mdiArea->subWindowList().isEmpty());
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainWidth")).toString(),
              QString::number(cadre.width() * 15));
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainHeight")).toString(),
              QString::number(cadre.height() * 15));
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainLeft")).toString(),
              QString::number(cadre.x() * 15));
}

TEST_F(EditorTest, ExitWhileMinimizedStoresNothing)
{
    main->showMinimized();
    main->mnuFileExit_Click();
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Settings/MainWidth")));
}

TEST_F(EditorTest, TheLayoutFollowsTheWindowsSize)
{
    main->show();
    QMdiSubWindow *fenetre = main->mdiArea->currentSubWindow();
    fenetre->resize(fenetre->size() + QSize(150, 90));
    QCoreApplication::processEvents();
    const MiseEnPage m = miseEnPage(platform::pixelsToTwips(document().width()),
                                    platform::pixelsToTwips(document().height()), kRichTextBox1);
    EXPECT_EQ(document().RichTextBox1->width(), platform::twipsToPixels(m.editeur.width));
    EXPECT_EQ(document().Command_ajouter_questions->y(), platform::twipsToPixels(m.boutonTop));
}

// Quitting, closing the window and opening another file into it each ask first: "Annuler"
// keeps everything, "Non" drops the changes, "Oui" saves them and goes on.
TEST_F(EditorTest, ChangedTextIsNeverDroppedWithoutAQuestion)
{
    ouvrir(QStringLiteral("q.txt"), "ancien");
    writeFile(QStringLiteral("autre.txt"), "autre");
    document().RichTextBox1->insertPlainText(QStringLiteral("nouveau "));
    const std::function<void()> commandes[] = {
        [this] { main->mnuFileExit_Click(); },
        [this] { main->mdiArea->currentSubWindow()->close(); },
        [this] {
            dialogues->fichiers.push_back(path(QStringLiteral("autre.txt")));
            main->mnuFileOpen_Click();
        }};
    for (const auto &commande : commandes) {
        reponses.push_back(platform::vbCancel);
        commande();
        const auto m = messages();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].text, QStringLiteral("Enregistrer les modifications de %1 ?")
                                 .arg(path(QStringLiteral("q.txt"))));
        EXPECT_EQ(m[0].style, platform::vbYesNoCancel | platform::vbExclamation);
        ASSERT_EQ(main->documents().size(), 1);
        EXPECT_EQ(document().texte(), QStringLiteral("nouveau ancien"));
    }
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Settings/MainWidth")));

    reponses.push_back(platform::vbNo);
    dialogues->fichiers.push_back(path(QStringLiteral("autre.txt")));
    main->mnuFileOpen_Click();
    EXPECT_EQ(document().texte(), QStringLiteral("autre"));
    EXPECT_EQ(readFile(QStringLiteral("q.txt")), QByteArray("ancien"));
    EXPECT_EQ(messages().size(), 1u);

    // A document without changes closes without a question.
    main->NouveauDocument();
    main->mdiArea->currentSubWindow()->close();
    EXPECT_TRUE(messages().empty());

    main->mdiArea->setActiveSubWindow(main->mdiArea->subWindowList().front());
    document().RichTextBox1->insertPlainText(QStringLiteral("x"));
    main->NouveauDocument();
    document().Command_ajouter_questions->setValue(true);
    document().Command_suivant1->setValue(true);
    document().Command_suivant2->setValue(true);
    document().Command_suivant3->setValue(true);
    // "Oui" saves and goes on; "Oui" whose save is cancelled stops the exit; then "Non".
    reponses = {platform::vbYes, platform::vbYes, platform::vbNo};
    main->mnuFileExit_Click();
    EXPECT_EQ(readFile(QStringLiteral("autre.txt")), QByteArray("xautre"));
    EXPECT_EQ(main->mdiArea->subWindowList().size(), 1);
    main->mnuFileExit_Click();
    EXPECT_EQ(messages().size(), 3u);
    EXPECT_TRUE(main->mdiArea->subWindowList().isEmpty());
    EXPECT_TRUE(QSettings().contains(QStringLiteral("Settings/MainWidth")));
}

// "Annuler" on the first of several changed documents ends the exit there.
TEST_F(EditorTest, QuitStopsAtTheFirstCancel)
{
    document().setTexte(QStringLiteral("un"));
    main->NouveauDocument();
    document().setTexte(QStringLiteral("deux"));
    reponses = {platform::vbCancel, platform::vbNo};
    main->mnuFileExit_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(main->documents().size(), 2);
}

class WizardTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        QDir dossier(m_folder.path());
        dossier.mkpath(QStringLiteral("images/anim"));
        dossier.mkpath(QStringLiteral("audio/cris"));
        QImage image(20, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path(QStringLiteral("images/x.jpg")));
        image.save(path(QStringLiteral("images/anim/x.jpg")));
        writeFile(QStringLiteral("images/notes.txt"), "pas une image");
        writeFile(QStringLiteral("audio/y.wav"), "RIFF");
        writeFile(QStringLiteral("audio/cris/y.wav"), "RIFF");
        main->NouveauDocument();
        d = &document();
    }

    // Runs the wizard from the editor page to the appended line.
    void question(const QString &q, const QStringList &reponses, int bonne = 0)
    {
        d->Command_ajouter_questions->setValue(true);
        d->Question->setText(q);
        for (int i = 0; i < 4; ++i)
            d->Reponse[i]->setText(reponses.value(i));
        if (bonne > 0)
            d->Option[bonne - 1]->setValue(true);
        d->Command_suivant1->setValue(true);
        d->Command_suivant2->setValue(true);
        d->Command_suivant3->setValue(true);
    }
    void choisir(FileListBox *liste, const QString &nom)
    {
        const auto trouves = liste->findItems(nom, Qt::MatchExactly);
        ASSERT_EQ(trouves.size(), 1) << nom.toStdString();
        cliquerEntree(liste, liste->row(trouves.front()));
    }
    QByteArray enregistre()
    {
        enregistrerSous(path(QStringLiteral("quiz")));
        return readFile(QStringLiteral("quiz.txt"));
    }

    Form1 *d = nullptr;
};

TEST_F(WizardTest, FirstLineHasNoLineEndAndTheNextAddsOne)
{
    EXPECT_EQ(d->page(), 0);
    question(QStringLiteral("Q"), {"R", "S", "T", "U"}, 2);
    EXPECT_EQ(d->page(), 0);
    EXPECT_EQ(enregistre(), QByteArray("\"Q\",\"R\",\"S\",\"T\",\"U\",\"2\",\"\",\"\""));
    question(QStringLiteral("Quel compositeur ?"), {"Bach", "Mozart", "Liszt", "Ravel"}, 4);
    EXPECT_EQ(enregistre(), QByteArray("\"Q\",\"R\",\"S\",\"T\",\"U\",\"2\",\"\",\"\"\r\n"
                                       "\"Quel compositeur ?\",\"Bach\",\"Mozart\",\"Liszt\","
                                       "\"Ravel\",\"4\",\"\",\"\""));
}

// The file lists take the focus on their pages, which makes their first entry current.
TEST_F(WizardTest, PassingThroughTheMediaPagesPicksNothing)
{
    main->show();
    main->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), main.get());
    question(QStringLiteral("Q"), {"R", "S", "T", "U"});
    EXPECT_TRUE(d->texte().endsWith(QLatin1String(",\"\",\"\""))) << d->texte().toStdString();
}

// The text hidden behind the wizard's pages is out of reach of the edit commands and their
// keys, Del and Ctrl+A; the pages' boxes keep those keys for themselves.
TEST_F(WizardTest, EditCommandsLeaveTheHiddenTextAlone)
{
    main->show();
    main->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), main.get());
    d->RichTextBox1->setFocus();
    QTest::keyClicks(d->RichTextBox1, QStringLiteral("garde"));
    d->Command_ajouter_questions->setValue(true);
    QTest::keyClicks(d->Question, QStringLiteral("Q"));
    appuyer(d->Question, Qt::Key_A, Qt::ControlModifier);
    appuyer(d->Question, Qt::Key_Delete);
    EXPECT_TRUE(d->Question->Text().isEmpty());
    d->Command_suivant1->setValue(true);
    ASSERT_EQ(QApplication::focusWidget(), d->File_image);
    appuyer(d->File_image, Qt::Key_A, Qt::ControlModifier);
    appuyer(d->File_image, Qt::Key_Delete);
    // A search would give the hidden text the focus, and with it the keys typed next.
    main->Txt_Find->setText(QStringLiteral("garde"));
    main->Cmd_Find->setValue(true);
    EXPECT_EQ(QApplication::focusWidget(), d->File_image);
    // The same commands from the menu and the toolbar, on a selection made before.
    d->RichTextBox1->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("collé"));
    for (const char *nom : {"Couper", "Coller", "&Supprimer", "Supprimer tout"})
        main->menus.value(QString::fromUtf8(nom))->trigger();
    main->tbToolBar->findChild<QAction *>(QStringLiteral("Cut"))->trigger();
    EXPECT_EQ(d->texte(), QStringLiteral("garde"));
    // Another document on show in its text takes them back, and gives them up on return.
    QAction *supprimer = main->menus.value(QStringLiteral("&Supprimer"));
    main->NouveauDocument();
    EXPECT_TRUE(supprimer->isEnabled());
    main->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(d->parentWidget()));
    ASSERT_EQ(&document(), d);
    EXPECT_FALSE(supprimer->isEnabled());
    d->Command_suivant2->setValue(true);
    d->Command_suivant3->setValue(true);
    EXPECT_TRUE(d->texte().startsWith(QLatin1String("garde\n\""))) << d->texte().toStdString();
    // Back on the text, the keys are the menu's again, wherever the focus is in the window.
    d->Command_ajouter_questions->setFocus();
    appuyer(d->Command_ajouter_questions, Qt::Key_A, Qt::ControlModifier);
    appuyer(d->Command_ajouter_questions, Qt::Key_Delete);
    EXPECT_TRUE(d->texte().isEmpty());
}

TEST_F(WizardTest, CaptionsAreNeitherCutNorWrapped)
{
    for (platform::OptionButton *option : d->Option)
        EXPECT_GE(option->width(), option->sizeHint().width()) << option->Caption().toStdString();
    const std::pair<platform::Label *, platform::TextBox *> legendes[] = {
        {d->Label7, d->Chemin_Image}, {d->Label8, d->Chemin_musique}};
    for (const auto &[legende, boite] : legendes) {
        EXPECT_FALSE(legende->wordWrap());
        EXPECT_GE(legende->width(), legende->fontMetrics().horizontalAdvance(legende->text()));
        EXPECT_LT(legende->geometry().right(), boite->x());
    }
}

TEST_F(WizardTest, UntouchedOptionGivesOne)
{
    question(QStringLiteral("Clé de sol ?"), {"oui", "non"});
    EXPECT_EQ(enregistre(),
              QByteArray("\"Cl\xE9 de sol ?\",\"oui\",\"non\",\"\",\"\",\"1\",\"\",\"\""));
}

TEST_F(WizardTest, PicturesAndSoundsRelativeToTheirFolders)
{
    EXPECT_EQ(d->File_image->ListCount(), 1); // x.jpg, not notes.txt
    d->Command_ajouter_questions->setValue(true);
    d->Command_suivant1->setValue(true);
    d->Dir_image->setPath(path(QStringLiteral("images/anim")));
    choisir(d->File_image, QStringLiteral("x.jpg"));
    EXPECT_EQ(d->Chemin_Image->Text(), QStringLiteral("anim/x.jpg"));
    EXPECT_FALSE(d->Picture_question->Picture().isNull());
    d->Command_suivant2->setValue(true);
    d->Dir_musique->setPath(path(QStringLiteral("audio/cris")));
    choisir(d->File_musique, QStringLiteral("y.wav"));
    EXPECT_EQ(d->Chemin_musique->Text(), QStringLiteral("cris/y.wav"));
    d->Command_suivant3->setValue(true);
    // The next question keeps the picture and the sound; only the texts are emptied.
    d->Command_ajouter_questions->setValue(true);
    EXPECT_TRUE(d->Question->Text().isEmpty());
    d->Command_suivant1->setValue(true);
    d->Dir_image->setPath(path(QStringLiteral("images")));
    choisir(d->File_image, QStringLiteral("x.jpg"));
    d->Command_suivant2->setValue(true);
    d->Command_annuler2->setValue(true);
    d->Command_suivant3->setValue(true);
    EXPECT_EQ(enregistre(),
              QByteArray("\"\",\"\",\"\",\"\",\"\",\"1\",\"anim/x.jpg\",\"cris/y.wav\"\r\n"
                         "\"\",\"\",\"\",\"\",\"\",\"1\",\"x.jpg\",\"\""));
}

// What the wizard writes is what the game's text-slot program asks, accents and media included.
TEST_F(WizardTest, TextSlotProgramAsksTheWrittenQuestionUnchanged)
{
    question(QStringLiteral("Quelle note est à l'aigu ?"), {"Ré", "Mi", "Fa dièse", "Sol"}, 3);
    d->Command_ajouter_questions->setValue(true);
    d->Question->setText(QStringLiteral("Œuvre « à deux » ?"));
    d->Reponse[0]->setText(QStringLiteral("Oui, à 100 %"));
    d->Reponse[1]->setText(QStringLiteral("Non"));
    d->Option[1]->setValue(true);
    d->Command_suivant1->setValue(true);
    d->Dir_image->setPath(path(QStringLiteral("images/anim")));
    choisir(d->File_image, QStringLiteral("x.jpg"));
    d->Command_suivant2->setValue(true);
    d->Dir_musique->setPath(path(QStringLiteral("audio/cris")));
    choisir(d->File_musique, QStringLiteral("y.wav"));
    d->Command_suivant3->setValue(true);
    const QList<QByteArray> lines = enregistre().split('\n');
    ASSERT_EQ(lines.size(), 2);

    QDir(m_folder.path()).mkpath(QStringLiteral("questions"));
    const QString program = path(QStringLiteral("questions/fichier_texte"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TEMPEL_PRODUCTS_DIR "/questions/fichier_texte"), program));
    writeFile(QStringLiteral("fichier_texte.tpq"), "\"quiz.txt\",\"Quiz\"\r\n");
    writeFile(QStringLiteral("random.tpq"), "1,1\r\n");
    for (const QByteArray &line : lines) {
        QProcess run;
        run.start(program, {});
        ASSERT_TRUE(run.waitForFinished(10000));
        ASSERT_EQ(run.exitCode(), 0);
        // The record holds the line's eight items, then an empty ninth.
        const auto asked = datafiles::readItems(readFile(QStringLiteral("question.tpq")), 9);
        const auto written = datafiles::readItems(line, 8);
        ASSERT_EQ(asked.size(), 9u);
        ASSERT_EQ(written.size(), 8u);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(asked[i].asText(), written[i].asText()) << i;
        EXPECT_TRUE(asked[8].asText().isEmpty());
    }
}

TEST_F(WizardTest, FolderOutsideImagesGoesBackAndAnyChangeEmptiesThePath)
{
    choisir(d->File_image, QStringLiteral("x.jpg"));
    ASSERT_EQ(d->Chemin_Image->Text(), QStringLiteral("x.jpg"));
    d->Dir_image->setPath(m_folder.path());
    EXPECT_EQ(d->Dir_image->Path(), QDir::cleanPath(path(QStringLiteral("images"))));
    EXPECT_TRUE(d->Chemin_Image->Text().isEmpty());
    EXPECT_TRUE(d->Picture_question->Picture().isNull());
    choisir(d->File_image, QStringLiteral("x.jpg"));
    d->Dir_image->setPath(path(QStringLiteral("images/anim")));
    EXPECT_TRUE(d->Chemin_Image->Text().isEmpty());
    choisir(d->File_musique, QStringLiteral("y.wav"));
    ASSERT_EQ(d->Chemin_musique->Text(), QStringLiteral("y.wav"));
    d->Dir_musique->setPath(path(QStringLiteral("audio/cris")));
    EXPECT_TRUE(d->Chemin_musique->Text().isEmpty());
    d->Dir_musique->setPath(QStringLiteral("/"));
    EXPECT_EQ(d->Dir_musique->Path(), QDir::cleanPath(path(QStringLiteral("audio"))));
    // The folder list lets the user reach a subfolder by activating it.
    const auto anim = d->Dir_image->findItems(QStringLiteral("anim"), Qt::MatchEndsWith);
    ASSERT_FALSE(anim.isEmpty());
    emit d->Dir_image->itemActivated(anim.front());
    EXPECT_EQ(d->Dir_image->Path(), QDir::cleanPath(path(QStringLiteral("images/anim"))));
}

TEST_F(WizardTest, CancelEmptiesThePictureAndBackWritesNothing)
{
    d->Command_ajouter_questions->setValue(true);
    d->Question->setText(QStringLiteral("Q"));
    d->Command_suivant1->setValue(true);
    choisir(d->File_image, QStringLiteral("x.jpg"));
    d->Command_annuler1->setValue(true);
    EXPECT_TRUE(d->Chemin_Image->Text().isEmpty());
    EXPECT_TRUE(d->Picture_question->Picture().isNull());
    EXPECT_EQ(d->page(), 2);
    d->Command_retour2->setValue(true);
    EXPECT_EQ(d->page(), 1);
    d->Command_effacer->setValue(true);
    EXPECT_TRUE(d->Question->Text().isEmpty());
    d->Command_retour1->setValue(true);
    EXPECT_EQ(d->page(), 0);
    EXPECT_TRUE(d->texte().isEmpty());
}

TEST_F(WizardTest, BoxesRefuseQuotesAndLineBreaks)
{
    d->Command_ajouter_questions->setValue(true);
    d->Question->setFocus();
    QTest::keyClicks(d->Question, QStringLiteral("Un \"la\""));
    EXPECT_EQ(d->Question->Text(), QStringLiteral("Un la"));
    // A text the code page lacks is refused when the line is composed; nothing is appended.
    d->Reponse[0]->setText(QStringLiteral("♪"));
    d->Command_suivant1->setValue(true);
    d->Command_suivant2->setValue(true);
    d->Command_suivant3->setValue(true);
    const auto m = messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].title, QStringLiteral("Attention!"));
    EXPECT_EQ(d->page(), 3);
    EXPECT_TRUE(d->texte().isEmpty());
}

TEST_F(WizardTest, PictureWhoseNameHoldsAQuoteIsRefused)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.save(path(QStringLiteral("images/a\"b.jpg")));
    d->File_image->setPath(d->Dir_image->Path());
    choisir(d->File_image, QStringLiteral("a\"b.jpg"));
    EXPECT_TRUE(d->Chemin_Image->Text().isEmpty());
    ASSERT_EQ(messages().size(), 1u);
}

TEST_F(WizardTest, LineAfterAFinalLineEndFollowsAnEmptyLine)
{
    ouvrir(QStringLiteral("a.txt"), "\"A\"\r\n");
    question(QStringLiteral("B"), {});
    EXPECT_EQ(d->texte(), QStringLiteral("\"A\"\n\n\"B\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\""));
}

TEST_F(EditorTest, MissingMediaFoldersLeaveTheListsEmpty)
{
    QDir(path(QStringLiteral("images"))).removeRecursively();
    QDir(path(QStringLiteral("audio"))).removeRecursively();
    main->NouveauDocument();
    EXPECT_EQ(document().File_image->ListCount(), 0);
    EXPECT_EQ(document().File_musique->ListCount(), 0);
    document().Command_ajouter_questions->setValue(true);
    document().Command_suivant1->setValue(true);
    document().Command_suivant2->setValue(true);
    document().Command_suivant3->setValue(true);
    EXPECT_EQ(document().texte(), QStringLiteral("\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\""));
}
