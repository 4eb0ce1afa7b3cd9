// The find bar, the question count, the edit commands and the About box.
#include "editortest.h"

#include "editor/frmabout.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/registry_desktop.h"
#include "support/recordingstarter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace editor;

namespace {
QString selection(Form1 &d)
{
    return d.RichTextBox1->textCursor().selectedText();
}
int debut(Form1 &d)
{
    return d.RichTextBox1->textCursor().selectionStart();
}
} // namespace

TEST_F(EditorTest, FindBarSearchesUpThenReportsNothingMore)
{
    main->rechercher_Click();
    EXPECT_FALSE(main->Toolbar_rechercher->isHidden());
    EXPECT_EQ(main->menus.value(QStringLiteral("Rechercher"))->text(),
              QStringLiteral("Cacher le formulaire de recherche"));
    document().setTexte(QStringLiteral("la la"));
    document().RichTextBox1->moveCursor(QTextCursor::End);
    main->Txt_Find->setText(QStringLiteral("la"));
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 3);
    EXPECT_EQ(selection(document()), QStringLiteral("la"));
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 0);
    main->Cmd_Find_Click();
    const auto m = messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, QStringLiteral("Impossible de trouver : \"LA\""));
    EXPECT_EQ(m[0].title, QString());
    EXPECT_EQ(debut(document()), 0);
}

TEST_F(EditorTest, FindBarDownwardsWithCaseAndItsStateKept)
{
    document().setTexte(QStringLiteral("LA la la"));
    document().RichTextBox1->moveCursor(QTextCursor::Start);
    main->Opt_Bas->setValue(true);
    main->Chk_Casse->setValue(1);
    main->Txt_Find->setText(QStringLiteral("la"));
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 3);
    main->rechercher_Click();
    main->rechercher_Click();
    EXPECT_EQ(main->Txt_Find->Text(), QStringLiteral("la"));
    EXPECT_TRUE(main->Opt_Bas->Value());
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 6);
    main->Cmd_Find_Click();
    ASSERT_EQ(messages().size(), 1u);
    // A found character is not found again.
    document().RichTextBox1->moveCursor(QTextCursor::Start);
    main->Txt_Find->setText(QStringLiteral("a"));
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 4);
    main->Cmd_Find_Click();
    EXPECT_EQ(debut(document()), 7);
    main->Txt_Find->setText({});
    EXPECT_FALSE(main->Cmd_Find->isEnabled());
}

// The window is scrolled right to the end of a long line; the text found further down
// starts at the left edge.
TEST_F(EditorTest, FoundTextComesFullyIntoView)
{
    main->show();
    QStringList lignes{QStringLiteral("x").repeated(400)};
    for (int i = 0; i < 100; ++i)
        lignes << QStringLiteral("ligne %1").arg(i);
    lignes << QStringLiteral("cible trouvée");
    document().setTexte(lignes.join(u'\n'));
    QTextEdit *editeur = document().RichTextBox1;
    QTextCursor fin(editeur->document());
    fin.setPosition(400);
    editeur->setTextCursor(fin);
    main->Opt_Bas->setValue(true);
    main->Txt_Find->setText(QStringLiteral("cible trouvée"));
    main->Cmd_Find_Click();
    ASSERT_EQ(selection(document()), QStringLiteral("cible trouvée"));
    const QTextCursor trouve = editeur->textCursor();
    for (const int position : {trouve.selectionStart(), trouve.selectionEnd()}) {
        QTextCursor c(editeur->document());
        c.setPosition(position);
        EXPECT_TRUE(editeur->viewport()->rect().contains(editeur->cursorRect(c))) << position;
    }
}

// How lines are counted is the rules' test; here, the two messages.
TEST_F(EditorTest, CountSaysHowManyQuestions)
{
    main->compter_lignes_Click();
    ouvrir(QStringLiteral("q.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    main->compter_lignes_Click();
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, QStringLiteral("Vous savez au moins compter jusqu'à 2, non?"));
    EXPECT_EQ(m[1].text, QStringLiteral("Il y a 5 questions dans ce texte"));
    EXPECT_EQ(m[1].title, kTitreApplication);
}

TEST_F(EditorTest, ClipboardAndDeleteCommands)
{
    document().setTexte(QStringLiteral("do\nré mi"));
    main->selectionnertout_Click();
    EXPECT_EQ(selection(document()).size(), 8);
    main->mnuEditCopy_Click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("do\nré mi"));
    QTextCursor c = document().RichTextBox1->textCursor();
    c.setPosition(0);
    c.setPosition(2, QTextCursor::KeepAnchor);
    document().RichTextBox1->setTextCursor(c);
    main->mnuEditCut_Click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("do"));
    EXPECT_EQ(document().texte(), QStringLiteral("\nré mi"));
    document().RichTextBox1->moveCursor(QTextCursor::End);
    main->mnuEditPaste_Click();
    EXPECT_EQ(document().texte(), QStringLiteral("\nré mido"));
    main->effacer_Click(); // nothing selected: nothing changes
    EXPECT_EQ(document().texte(), QStringLiteral("\nré mido"));
}

TEST_F(EditorTest, AboutBoxShowsTheVersionAndClosesOnEnterOrEscape)
{
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about(main.get());
        EXPECT_EQ(about.lblVersion->Caption(), QStringLiteral("Version 1.2.0"));
        EXPECT_EQ(about.lblTitle->Caption(), QStringLiteral("Tempello Quiz Creator"));
        EXPECT_EQ(about.windowTitle(), QStringLiteral("A propos de Tempello Quiz Creator"));
        about.show();
        QTest::keyClick(&about, touche);
        EXPECT_FALSE(about.isVisible());
    }
}

class SysInfoTest : public EditorTest {
protected:
    void TearDown() override
    {
        platform::setRegistryAnswerer({});
        platform::setProcessStarter(nullptr);
        EditorTest::TearDown();
    }
    void repondre(std::optional<QString> chemin, std::optional<QString> dossier,
                  bool demarre = true)
    {
        platform::setRegistryAnswerer(
            [=](platform::RegistryRoot, const QString &key, const QString &name) {
                if (key.endsWith(QLatin1String("\\MSINFO")) && name == u"PATH")
                    return chemin;
                if (key.endsWith(QLatin1String("Shared Tools Location")) && name == u"MSINFO")
                    return dossier;
                return std::optional<QString>();
            });
        auto starter = std::make_unique<RecordingStarter>(&started);
        starter->answer = demarre;
        platform::setProcessStarter(std::move(starter));
    }
    std::vector<QString> started;
};

TEST_F(SysInfoTest, StartsTheToolNamedByTheFirstValue)
{
    repondre(QStringLiteral("/usr/bin/hardinfo"), std::nullopt);
    frmAbout about;
    about.cmdSysInfo->setValue(true);
    EXPECT_EQ(started, std::vector<QString>{"/usr/bin/hardinfo"});
    EXPECT_TRUE(messages().empty());
}

TEST_F(SysInfoTest, UnavailableWhenNothingStarts)
{
    QDir(m_folder.path()).mkpath(QStringLiteral("outils"));
    const struct {
        std::optional<QString> chemin, dossier;
        bool demarre;
    } cas[] = {{std::nullopt, std::nullopt, true},
               {std::nullopt, path(QStringLiteral("outils")), true},
               {QStringLiteral("/nulle/part"), std::nullopt, false}};
    for (const auto &c : cas) {
        repondre(c.chemin, c.dossier, c.demarre);
        frmAbout about;
        about.StartSysInfo();
        const auto m = messages();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_EQ(m[0].title, kTitreApplication);
    }
    writeFile(QStringLiteral("outils/MSINFO32.EXE"), "");
    repondre(std::nullopt, path(QStringLiteral("outils")));
    frmAbout().StartSysInfo();
    ASSERT_FALSE(started.empty());
    EXPECT_EQ(started.back(), path(QStringLiteral("outils/MSINFO32.EXE")));
}

TEST_F(EditorTest, DesktopAnswersWithAnInformationToolFoundOnThePath)
{
    const QByteArray ancien = qgetenv("PATH");
    QDir(m_folder.path()).mkpath(QStringLiteral("bin"));
    const QString outil = path(QStringLiteral("bin/gnome-system-monitor"));
    writeFile(QStringLiteral("bin/gnome-system-monitor"), "#!/bin/sh\n");
    QFile(outil).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", path(QStringLiteral("bin")).toLocal8Bit());
    const QString cle = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    EXPECT_EQ(
        platform::registryValue(platform::RegistryRoot::LocalMachine, cle, QStringLiteral("PATH")),
        outil);
    EXPECT_FALSE(platform::desktop::systemInformationValue(cle, QStringLiteral("AUTRE")));
    QFile::remove(outil);
    EXPECT_FALSE(platform::desktop::systemInformationValue(cle, QStringLiteral("PATH")));
    qputenv("PATH", ancien);
}
