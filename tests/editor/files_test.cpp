// Open, insert, save, save as and print.
#include "editortest.h"

#include "platform/messagebox.h"
#include "support/hostilefiles.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

using namespace editor;

namespace {
// Every byte a question file may hold besides CR and LF, 0x80-0x9F included.
QByteArray tousLesOctets()
{
    QByteArray b;
    for (int i = 0x20; i <= 0xFF; ++i)
        b.append(char(i));
    return "\t" + b + "\r\n\"Q\",\"R\"\r\n\r\nfin";
}

int pages(const QByteArray &pdf)
{
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}
} // namespace

TEST_F(EditorTest, OpenAndSaveAreByteExact)
{
    // Beside CR LF or LF, a lone CR is no line end and is kept; alone, CR ends the lines.
    // Question lines whose line ends are lone CRs beside one LF: one line, far past the margin.
    const QByteArray question =
        "\"Quelle note ?\",\"Do\",\"R\xE9\",\"Mi\",\"Fa\",\"2\",\"\",\"\"\r";
    const QByteArray perdues = question.repeated(500) + "\n" + question;
    const QByteArray cas[] = {tousLesOctets(), "a\nb\n\xA0\x80\n", "",
                              "\r\n",          "x\r\r\n\r\ny\r",   "a\rb\nc\n",
                              perdues,         "\ra\r\rb",         "{\\rtf1 \\b gras\\b0}"};
    for (const QByteArray &octets : cas) {
        ouvrir(QStringLiteral("q.txt"), octets);
        EXPECT_EQ(document().Caption(), path(QStringLiteral("q.txt")));
        EXPECT_FALSE(document().modifie()) << "just opened";
        // Only a line past the far right margin wraps there.
        const QTextDocument *texte = document().RichTextBox1->document();
        texte->documentLayout()->blockBoundingRect(texte->lastBlock());
        EXPECT_EQ(texte->firstBlock().layout()->lineCount() > 1, octets == perdues);
        writeFile(QStringLiteral("q.txt"), "autre");
        main->mnuFileSave_Click();
        EXPECT_EQ(readFile(QStringLiteral("q.txt")), octets);
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(document().texte().left(3), QStringLiteral("{\\r"));
}

TEST_F(EditorTest, FormattingStaysInTheWindow)
{
    ouvrir(QStringLiteral("q.txt"), "\"Q\"\r\n\"R\"");
    main->selectionnertout_Click();
    QAction *gras = main->tbToolBar->findChild<QAction *>(QStringLiteral("Bold"));
    gras->trigger();
    EXPECT_TRUE(gras->isChecked());
    EXPECT_EQ(document().RichTextBox1->fontWeight(), QFont::Bold);
    // The look is not saved, so it is no change that closing would ask about.
    EXPECT_FALSE(document().modifie());
    for (const char *bouton : {"Italic", "Underline", "Center", "Align Right"}) {
        main->tbToolBar_ButtonClick(QString::fromLatin1(bouton));
        EXPECT_FALSE(document().modifie()) << bouton;
    }
    main->Combo1->setCurrentIndex(main->Combo1->count() - 1);
    main->Combo1_Click();
    EXPECT_EQ(document().RichTextBox1->font().pointSize(), 72);
    EXPECT_FALSE(document().modifie());
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("q.txt")), QByteArray("\"Q\"\r\n\"R\""));
    // A second click on the same selection undoes the first.
    gras->trigger();
    EXPECT_FALSE(gras->isChecked());
    EXPECT_EQ(document().RichTextBox1->fontWeight(), QFont::Normal);
}

// Lines ended by CR alone, as older Mac editors write them, show as lines and keep their ends.
TEST_F(EditorTest, CrOnlyFileOpensAsLinesAndKeepsItsLineEnds)
{
    ouvrir(QStringLiteral("q.txt"), "\"A\"\r\"B\"");
    QTextEdit *editeur = document().RichTextBox1;
    EXPECT_EQ(editeur->document()->blockCount(), 2);
    editeur->moveCursor(QTextCursor::End);
    QTest::keyClick(editeur, Qt::Key_Return);
    QTest::keyClicks(editeur, QStringLiteral("\"C\""));
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("q.txt")), QByteArray("\"A\"\r\"B\"\r\"C\""));
}

// Saving the changes may write the very file chosen: it is read after the answer.
TEST_F(EditorTest, OpeningItsOwnChangedFileKeepsTheChangesSaved)
{
    ouvrir(QStringLiteral("q.txt"), "\"A\"");
    QTextEdit *editeur = document().RichTextBox1;
    editeur->moveCursor(QTextCursor::End);
    editeur->insertPlainText(QStringLiteral("\n\"B\""));
    main->mnuFileOpen_Click(); // the file dialog cancelled: nothing asked
    EXPECT_TRUE(messages().empty());
    reponses.push_back(platform::vbYes);
    dialogues->fichiers.push_back(path(QStringLiteral("q.txt")));
    main->mnuFileOpen_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(document().texte(), QStringLiteral("\"A\"\n\"B\""));
    editeur->moveCursor(QTextCursor::End);
    editeur->insertPlainText(QStringLiteral("\n\"C\""));
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("q.txt")), QByteArray("\"A\"\r\n\"B\"\r\n\"C\""));
}

TEST_F(EditorTest, InsertAppendsOnANewLineAndKeepsTheDocumentsName)
{
    writeFile(QStringLiteral("insere.txt"), "\"I\"\r\n\"J\"");
    dialogues->fichiers.push_back(path(QStringLiteral("insere.txt")));
    main->Inserer_Click();
    EXPECT_EQ(document().texte(), QStringLiteral("\n\"I\"\n\"J\""));
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));
    reponses.push_back(platform::vbNo); // the inserted text is not kept
    ouvrir(QStringLiteral("doc.txt"), "\"D\"");
    dialogues->fichiers.push_back(path(QStringLiteral("insere.txt")));
    main->Inserer_Click();
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("doc.txt")), QByteArray("\"D\"\r\n\"I\"\r\n\"J\""));
    EXPECT_EQ(readFile(QStringLiteral("insere.txt")), QByteArray("\"I\"\r\n\"J\""));
    EXPECT_EQ(dialogues->titres, QStringList({"Ouvrir", "Ouvrir", "Ouvrir"}));
}

TEST_F(EditorTest, SaveOfANewDocumentAsksEachTimeAndKeepsItsCaption)
{
    document().setTexte(QStringLiteral("\"Q\""));
    dialogues->fichiers = {path(QStringLiteral("quiz")), path(QStringLiteral("deux.TXT"))};
    main->mnuFileSave_Click();
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("quiz.txt")), QByteArray("\"Q\""));
    EXPECT_EQ(readFile(QStringLiteral("deux.TXT")), QByteArray("\"Q\""));
    EXPECT_FALSE(exists(QStringLiteral("deux.TXT.txt")));
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));
    EXPECT_EQ(dialogues->titres, QStringList({"Enregistrer", "Enregistrer"}));
    main->mnuFileSave_Click(); // cancelled
    EXPECT_TRUE(messages().empty());
}

TEST_F(EditorTest, SaveAsRetitlesAndLaterSavesGoThere)
{
    document().setTexte(QStringLiteral("a"));
    for (const char *nom : {"quiz", "quiz.txt"}) {
        enregistrerSous(path(QString::fromLatin1(nom)));
        EXPECT_EQ(document().Caption(), path(QStringLiteral("quiz.txt")));
    }
    EXPECT_FALSE(exists(QStringLiteral("quiz.txt.txt")));
    document().setTexte(QStringLiteral("b"));
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("quiz.txt")), QByteArray("b"));
    EXPECT_EQ(dialogues->titres, QStringList({"Save As", "Save As"}));
    // Emptying everything and saving writes an empty file.
    main->effacertout_Click();
    main->mnuFileSave_Click();
    EXPECT_EQ(readFile(QStringLiteral("quiz.txt")), QByteArray());
}

// A name picked in the save dialog may be a teacher's question file: it goes only on "Oui".
TEST_F(EditorTest, SavingOverAnotherFileAsksFirst)
{
    writeFile(QStringLiteral("rythme.txt"), "\"R\"");
    document().setTexte(QStringLiteral("nouveau"));
    reponses = {platform::vbNo, platform::vbNo};
    dialogues->fichiers.push_back(path(QStringLiteral("rythme")));
    main->mnuFileSave_Click();
    enregistrerSous(path(QStringLiteral("rythme.txt")));
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    for (const Message &question : m) {
        EXPECT_EQ(question.text, QStringLiteral("Le fichier %1 existe déjà. Voulez-vous le "
                                                "remplacer ?")
                                     .arg(path(QStringLiteral("rythme.txt"))));
        EXPECT_EQ(question.style & 0x0F, platform::vbYesNo);
    }
    EXPECT_EQ(readFile(QStringLiteral("rythme.txt")), QByteArray("\"R\""));
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));
    EXPECT_EQ(document().texte(), QStringLiteral("nouveau"));
    EXPECT_TRUE(document().modifie());

    reponses.push_back(platform::vbYes);
    enregistrerSous(path(QStringLiteral("rythme")));
    EXPECT_EQ(readFile(QStringLiteral("rythme.txt")), QByteArray("nouveau"));
    EXPECT_EQ(document().Caption(), path(QStringLiteral("rythme.txt")));
    // Now its own file: saving there again asks nothing.
    messages();
    document().setTexte(QStringLiteral("encore"));
    main->mnuFileSave_Click();
    enregistrerSous(path(QStringLiteral("rythme.txt")));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(readFile(QStringLiteral("rythme.txt")), QByteArray("encore"));
}

TEST_F(EditorTest, FailedWriteSaysSoAndChangesNothing)
{
    document().setTexte(QStringLiteral("a"));
    enregistrerSous(path(QStringLiteral("absent/quiz")));
    auto m = messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].title, QStringLiteral("Erreur"));
    EXPECT_TRUE(m[0].text.contains(QStringLiteral("quiz.txt")));
    EXPECT_EQ(m[0].text.count(QStringLiteral("Impossible d'enregistrer")), 1)
        << m[0].text.toStdString();
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));

    reponses.push_back(platform::vbNo);
    ouvrir(QStringLiteral("q.txt"), "ancien");
    messages();
    document().setTexte(QStringLiteral("do → ré"));
    main->mnuFileSave_Click();
    m = messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].text.contains(QStringLiteral("« → »")));
    EXPECT_EQ(readFile(QStringLiteral("q.txt")), QByteArray("ancien"));
}

// Even once the changes may be dropped ("Non"), a file that cannot be read leaves them there.
TEST_F(EditorTest, UnreadableFileSaysSoAndKeepsTheText)
{
    document().setTexte(QStringLiteral("garde"));
    dialogues->fichiers.push_back(path(QStringLiteral("manque.txt")));
    reponses.push_back(platform::vbNo);
    main->mnuFileOpen_Click();
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].title, QStringLiteral("Erreur"));
    EXPECT_TRUE(m[1].text.contains(path(QStringLiteral("manque.txt"))));
    EXPECT_EQ(document().texte(), QStringLiteral("garde"));
    EXPECT_EQ(document().Caption(), QStringLiteral("Document 1"));
}

TEST_F(EditorTest, PrintsTheSelectionOrTheWholeTextToPdf)
{
    QStringList lignes;
    for (int i = 0; i < 300; ++i)
        lignes << QStringLiteral("\"Question %1\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\",\"\"").arg(i);
    document().setTexte(lignes.join(u'\n'));
    dialogues->pdf = path(QStringLiteral("tout.pdf"));
    main->mnuFilePrint_Click();
    EXPECT_FALSE(dialogues->selectionOfferte);
    const int toutes = pages(readFile(QStringLiteral("tout.pdf")));
    EXPECT_GT(toutes, 2);

    QTextCursor c = document().RichTextBox1->textCursor();
    c.setPosition(0);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    document().RichTextBox1->setTextCursor(c);
    dialogues->pdf = path(QStringLiteral("selection.pdf"));
    dialogues->imprimerSelection = true;
    main->mnuFilePrint_Click();
    EXPECT_TRUE(dialogues->selectionOfferte);
    EXPECT_EQ(pages(readFile(QStringLiteral("selection.pdf"))), 1);

    // The user may still choose the whole text while something is selected.
    dialogues->pdf = path(QStringLiteral("choix.pdf"));
    dialogues->imprimerSelection = false;
    main->mnuFilePrint_Click();
    EXPECT_EQ(pages(readFile(QStringLiteral("choix.pdf"))), toutes);

    dialogues->pdf.clear(); // cancelled
    main->mnuFilePrint_Click();
    EXPECT_TRUE(messages().empty());
}

// The window does not wrap a long question line; paper does, so nothing is lost.
TEST_F(EditorTest, PrintedLinesWrapAtThePagesWidth)
{
    QStringList mots;
    for (int i = 1; i <= 60; ++i)
        mots << QStringLiteral("mot%1").arg(i);
    const auto imprimer = [this](const QString &ligne, const QString &pdf) {
        document().setTexte(QStringList(40, ligne).join(u'\n'));
        dialogues->pdf = path(pdf);
        main->mnuFilePrint_Click();
        return pages(readFile(pdf));
    };
    EXPECT_EQ(imprimer(QStringLiteral("mot1"), QStringLiteral("courtes.pdf")), 1);
    EXPECT_GT(imprimer(mots.join(u' '), QStringLiteral("longues.pdf")), 1);
}

// What the user sees in the real print dialog: "Sélection" offered and chosen only when text
// is selected.
TEST_F(EditorTest, RealPrintDialogPresetsTheSelection)
{
    for (const bool selection : {true, false}) {
        QPrinter printer;
        bool vu = false, offerte = false, choisie = false;
        // The dialog is looked at, then closed, from its own loop; one that never shows as the
        // modal window is closed at the deadline, so that the test fails rather than waits.
        const QDeadlineTimer limite(10000);
        QTimer regard;
        QObject::connect(&regard, &QTimer::timeout, [&] {
            auto *dialogue = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialogue) {
                if (auto *bouton =
                        dialogue->findChild<QRadioButton *>(QStringLiteral("printSelection"))) {
                    vu = true;
                    offerte = !bouton->isHidden() && bouton->isEnabled();
                    choisie = bouton->isChecked();
                }
                dialogue->reject();
            } else if (limite.hasExpired()) {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
                        d->reject();
                }
            }
        });
        regard.start(10);
        EXPECT_FALSE(dialoguesQt()->imprimer(nullptr, printer, selection));
        regard.stop();
        ASSERT_TRUE(vu) << "the print dialog with its choice of the selection";
        EXPECT_EQ(offerte, selection);
        EXPECT_EQ(choisie, selection);
    }
}

TEST_F(EditorTest, OpenAndInsertReadRegularFilesOnly)
{
    const auto lire = [this](void (editor::frmMain::*commande)(), const char *fichier) {
        // Nothing to ask about first: the file is read.
        document().setTexte(QStringLiteral("garde"));
        document().setModifie(false);
        dialogues->fichiers.push_back(path(QString::fromLatin1(fichier)));
        (main.get()->*commande)();
        messages();
        return document().texte();
    };
    expectReadersWithstandHostileFiles(
        m_folder.path(),
        {{"Ouvrir", "a.txt", "do", "do", "garde",
          [&] { return lire(&editor::frmMain::mnuFileOpen_Click, "a.txt"); }, true, false},
         {"Insérer", "b.txt", "do", "garde\ndo", "garde",
          [&] { return lire(&editor::frmMain::Inserer_Click, "b.txt"); }, true, false}});
}

// A file larger than a question file can be is refused with its size, rounded up; the text
// stays. It is read only once the question about the text's changes is answered.
TEST_F(EditorTest, AHugeFileIsRefusedWithItsSize)
{
    document().setTexte(QStringLiteral("garde"));
    const QString grand = path(QStringLiteral("grand.txt"));
    const struct {
        qint64 octets;
        const char *taille;
    } cas[] = {{qint64(100) << 20, "100 Mo"}, {(qint64(64) << 20) + 1, "65 Mo"}};
    for (const auto &c : cas) {
        writeFile(QStringLiteral("grand.txt"), "do");
        ASSERT_TRUE(QFile(grand).resize(c.octets));
        dialogues->fichiers.push_back(grand);
        reponses.push_back(platform::vbNo);
        main->mnuFileOpen_Click();
        const auto m = messages();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[1].text, QString::fromUtf8("Le fichier %1 est trop grand pour être ouvert : "
                                               "il fait %2, et un fichier de questions ne "
                                               "dépasse pas 64 Mo.")
                                 .arg(grand, QString::fromLatin1(c.taille)));
        EXPECT_EQ(document().texte(), QStringLiteral("garde"));
    }
    dialogues->fichiers.push_back(grand);
    reponses.push_back(platform::vbCancel);
    main->mnuFileOpen_Click();
    const auto m = messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].text.startsWith(QStringLiteral("Enregistrer les modifications")));
}
