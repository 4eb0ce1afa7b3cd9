// The tool's window from its start to its save: settings files in, controls, files out.
#include "admin/form1.h"

#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/screens.h"
#include "support/hostilefiles.h"
#include "support/messagerecorder.h"
#include "support/programfoldertest.h"
#include "support/recordingstarter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>

using namespace platform;

namespace {
const QByteArray kReglagesLivres = "\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\","
                                   "\"oui\",\"oui\",\"0\",\"1\",\"non\"\r\n";

QByteArray themes(const QStringList &oui)
{
    QByteArrayList items;
    for (const char *cle : datafiles::kClesThemes)
        items << (oui.contains(QLatin1String(cle)) ? "\"oui\"" : "\"non\"");
    return items.join(',') + "\r\n";
}

QStringList toutesLesCles()
{
    QStringList cles;
    for (const char *cle : datafiles::kClesThemes)
        cles << QLatin1String(cle);
    return cles;
}
} // namespace

class Form1Test : public ProgramFolderTest, protected MessageRecorder {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        enregistrerMessages();
        auto starter = std::make_unique<RecordingStarter>(&m_demarrages);
        starter->answer = true;
        starter->arguments = &m_arguments;
        setProcessStarter(std::move(starter));
    }
    void TearDown() override
    {
        setProcessStarter(nullptr);
        setRegistryAnswerer({});
        ProgramFolderTest::TearDown();
    }

    Form1 &outil() { return Screens::get<Form1>(); }
    void recharger() { Screens::unloadAll(); }

    void programmes(const QStringList &cles) const
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("questions"));
        for (const QString &cle : cles)
            writeFile(QStringLiteral("questions/") + cle, "");
    }
    void ecoutes(int fichiers) const
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("ecoutes"));
        for (int i = 0; i < fichiers; ++i)
            writeFile(QStringLiteral("ecoutes/morceau%1.mp3").arg(i), "x");
    }
    void emplacement(int slot, const QByteArray &ligne) const
    {
        writeFile(datafiles::fichierEmplacement(slot), ligne);
    }
    // Every pack's question program, four pieces to listen to and an empty slot file for each slot.
    void installationComplete(const QStringList &themesOui) const
    {
        writeFile("KSV.tpq", kReglagesLivres);
        writeFile("themes.tpq", themes(themesOui));
        writeFile("random.tpq", "0,1\r\n");
        programmes(toutesLesCles().mid(0, 19));
        ecoutes(4);
        QDir(m_folder.path()).mkpath(QStringLiteral("textes"));
        for (int slot = 1; slot <= 7; ++slot)
            emplacement(slot, "\"\",\"\"\r\n");
    }

    std::vector<QString> m_demarrages;
    std::vector<QStringList> m_arguments;
};

// ---- The start ----

TEST_F(Form1Test, QuestionOrderSelectsItsOptionInEitherLayout)
{
    struct Cas {
        const char *contenu;
        bool aleatoire, ordre;
    };
    const Cas cas[] = {{"0,1\r\n", true, false},  {" 0  1 \r\n", true, false},
                       {"1,1\r\n", false, true},  {" 1  1 \r\n", false, true},
                       {"2,1\r\n", false, false}, {"", false, false}};
    for (const Cas &c : cas) {
        writeFile("random.tpq", c.contenu);
        EXPECT_EQ(outil().Option_aleatoire->Value(), c.aleatoire) << c.contenu;
        EXPECT_EQ(outil().Option_ordre->Value(), c.ordre) << c.contenu;
        recharger();
    }
}

TEST_F(Form1Test, StartsFromTheStoredSettings)
{
    writeFile("KSV.tpq", "\"temps\",\"1000\",\"90\",\"non\",\"Hu\xE9"
                         "es\",\"oui\",\"non\",\"oui\","
                         "\"05\",,\"oui\"\r\n");
    Form1 &f = outil();
    EXPECT_TRUE(f.Option_temps->Value());
    EXPECT_FALSE(f.Option_question->Value());
    EXPECT_EQ(f.Text_nombre_questions->Text(), "100");
    EXPECT_EQ(f.Text_nombre_secondes->Text(), "90");
    EXPECT_EQ(f.Label_minutes->Caption(), "1,5");
    EXPECT_EQ(f.Check_bruitage_vrai->Value(), 0);
    EXPECT_EQ(f.Combo_bruitage_vrai->Text(), "Ding");
    EXPECT_EQ(f.Check_bruitage_faux->Value(), 1);
    EXPECT_EQ(f.Combo_bruitage_faux->Text(), QString::fromUtf8("Huées"));
    EXPECT_EQ(f.Check_bouton_option->Value(), 1);
    EXPECT_EQ(f.Check_tictac->Value(), 0);
    EXPECT_EQ(f.Check_musique->Value(), 1);
    EXPECT_EQ(f.Check_speech->Value(), 1);
    // The time game's lists; "05" selects "5", the empty points won keep the default.
    EXPECT_EQ(f.Combo_points->ListCount(), 21);
    EXPECT_EQ(f.Combo_points_gagnes->ListCount(), 20);
    EXPECT_EQ(f.Combo_points->Text(), "5");
    EXPECT_EQ(f.Combo_points_gagnes->Text(), "1");
}

TEST_F(Form1Test, StoredValuesOutsideTheirSetsChangeNothing)
{
    writeFile("KSV.tpq", "\"Question\",\"20\",\"120\",\"ding\",\"buzzer\",\"oui\",\"oui\",\"oui\","
                         "\"21\",\"0\",\"non\"\r\n");
    Form1 &f = outil();
    EXPECT_TRUE(f.Option_question->Value());
    EXPECT_EQ(f.Combo_points->ListCount(), 22);
    EXPECT_EQ(f.Combo_points->ListIndex(), -1);
    EXPECT_EQ(f.Combo_points_gagnes->ListIndex(), -1);
    EXPECT_EQ(f.Check_bruitage_vrai->Value(), 1);
    EXPECT_EQ(f.Combo_bruitage_vrai->ListIndex(), -1);
    EXPECT_EQ(f.Combo_bruitage_faux->ListIndex(), -1);
}

TEST_F(Form1Test, StoredPointsAreLookedUpInTheStoredTypesLists)
{
    // The time game offers no "Temps restant": the lost points stay at the default "0".
    writeFile("KSV.tpq", "\"temps\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"oui\","
                         "\"temps\",\"temps\",\"non\"\r\n");
    EXPECT_EQ(outil().Combo_points->Text(), "0");
    EXPECT_EQ(outil().Combo_points_gagnes->Text(), "1");
    recharger();
    writeFile("KSV.tpq", "\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"oui\","
                         ",\"temps\",\"non\"\r\n");
    EXPECT_EQ(outil().Combo_points->Text(), "0");
    EXPECT_EQ(outil().Combo_points_gagnes->Text(), "Temps restant");
}

TEST_F(Form1Test, MissingFilesLeaveTheFirstState)
{
    Form1 &f = outil();
    EXPECT_TRUE(f.Option_question->Value());
    EXPECT_EQ(f.Text_nombre_questions->Text(), "999");
    EXPECT_EQ(f.Text_nombre_secondes->Text(), "999");
    EXPECT_EQ(f.Label_minutes->Caption(), "00,11");
    EXPECT_EQ(f.Combo_points->ListIndex(), -1);
    EXPECT_FALSE(f.Option_aleatoire->Value() || f.Option_ordre->Value());
    for (CheckBox *box : f.Check_themes) {
        EXPECT_EQ(box->Value(), 0) << box->objectName().toStdString();
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
}

TEST_F(Form1Test, APackWithoutItsProgramIsUntickedAndDisabled)
{
    writeFile("themes.tpq", themes(toutesLesCles()));
    programmes({"compos", "aigu3"});
    // A folder is no program.
    QDir(m_folder.path()).mkpath("visages");
    Form1 &f = outil();
    for (int i = 0; i < 18; ++i) {
        CheckBox *box = f.Check_themes[i];
        const bool present = box == f.Check_theme("compos") || box == f.Check_theme("aigu3");
        EXPECT_EQ(box->Value(), present ? 1 : 0) << box->objectName().toStdString();
        EXPECT_EQ(box->isEnabled(), present) << box->objectName().toStdString();
    }
}

// The listening program and the listening folder share one name, so at most one of them is
// there; the folder decides.
TEST_F(Form1Test, TheListeningThemeNeedsFourPieces)
{
    writeFile("themes.tpq", themes({"ecoutes"}));
    ecoutes(3);
    EXPECT_EQ(outil().Check_theme("ecoutes")->Value(), 0);
    EXPECT_FALSE(outil().Check_theme("ecoutes")->isEnabled());
    recharger();
    ecoutes(4);
    EXPECT_EQ(outil().Check_theme("ecoutes")->Value(), 0);
    EXPECT_TRUE(outil().Check_theme("ecoutes")->isEnabled());
    recharger();
    QDir(path("ecoutes")).removeRecursively();
    programmes({"ecoutes"});
    EXPECT_EQ(outil().Check_theme("ecoutes")->Value(), 0);
    EXPECT_FALSE(outil().Check_theme("ecoutes")->isEnabled());
    // A missing folder is no error: the window opens as usual.
    outil().Show();
    EXPECT_TRUE(outil().isVisible());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(Form1Test, SlotRowsComeFromTheirFiles)
{
    writeFile("themes.tpq", themes({"fichier_texte", "fichier_texte3", "fichier_texte4"}));
    emplacement(1, "\"/q/textes/Baroque.txt\",\"Baroque\"\r\n");
    emplacement(2, "\"/q/textes/Jazz.txt\",\"Jazz\"\r\n");
    emplacement(3, "\"/q/textes/Sans titre.txt\",\"\"\r\n");
    emplacement(4, "\"\",\"\"\r\n");
    emplacement(5, "\"/q/Mes, textes/a.txt\",\"a\"\r\n");
    Form1 &f = outil();
    struct Attendu {
        int slot;
        const char *titre, *chemin;
        int coche;
        bool active;
    };
    const Attendu attendus[] = {{1, "Baroque", "/q/textes/Baroque.txt", 1, true},
                                {2, "Jazz", "/q/textes/Jazz.txt", 0, true},
                                {3, "", "", 0, false},
                                {4, "", "", 0, false},
                                {5, "a", "/q/Mes, textes/a.txt", 0, true},
                                {6, "", "", 0, false}};
    for (const Attendu &a : attendus) {
        EXPECT_EQ(f.Check_fichier_texte(a.slot)->Caption(), a.titre) << a.slot;
        EXPECT_EQ(f.Label_chemin_fichier_texte(a.slot)->Caption(), a.chemin) << a.slot;
        EXPECT_EQ(f.Check_fichier_texte(a.slot)->Value(), a.coche) << a.slot;
        EXPECT_EQ(f.Check_fichier_texte(a.slot)->isEnabled(), a.active) << a.slot;
    }
}

TEST_F(Form1Test, ShowsEveryCaptionCentred)
{
    Form1 &f = outil();
    EXPECT_EQ(f.Caption(), "Administration de Tempello Quiz");
    EXPECT_EQ(f.width(), 800);
    EXPECT_EQ(f.height(), 600);
    EXPECT_EQ(f.Left(), (Form::screenWidth() - f.Width()) / 2);
    EXPECT_EQ(f.Top(), (Form::screenHeight() - f.Height()) / 2);
    const std::pair<const char *, const char *> captions[] = {
        {"Frame1", "Type de Quiz"},
        {"Frame9", "Nombre de points à chaque réponse"},
        {"Frame2", "Bruitages"},
        {"Frame3", "Divers"},
        {"Frame4", "Choix des thèmes"},
        {"Frame8", "Fichiers textes"},
        {"Option_question", "Questions (       questions à chaque partie)"},
        {"Option_temps", "Temps : "},
        {"Label3", "secondes (          minutes)"},
        {"Label2", "Nombre de points gagnés"},
        {"Label1", "Nombre de points perdus"},
        {"Check_bruitage_vrai", "Entendre un son lorsque la réponse est bonne"},
        {"Check_bruitage_faux", "Entendre un son lorsque la réponse est fausse"},
        {"Check_tictac", "Entendre le tic-tac de Tempello pendant le jeu"},
        {"Check_musique", "Entendre une musique au démarrage du jeu"},
        {"Check_bouton_option", "Autoriser l'accès aux options"},
        {"Check_speech", "Activer la synthèse vocale"},
        {"Option_aleatoire", "Questions aléatoires"},
        {"Option_ordre", "Questions dans l'ordre"},
        {"Command_telecharger", "Télécharger des questionnaires sur Internet"},
        {"Command_supprimer_questions", "Supprimer les scores du quiz \"Questions\""},
        {"Command_supprimer_temps", "Supprimer les scores du quiz \"Temps\""},
        {"Command_ouvrir_texte4", "Ouvrir"}};
    for (const auto &[nom, caption] : captions) {
        auto *w = f.findChild<QWidget *>(QString::fromLatin1(nom));
        ASSERT_TRUE(w) << nom;
        QString texte = w->property("text").toString();
        if (auto *cadre = qobject_cast<QGroupBox *>(w))
            texte = cadre->title();
        EXPECT_EQ(texte, QString::fromUtf8(caption)) << nom;
    }
    EXPECT_EQ(f.Image_quitter->toolTip(), "Retour");
}

// ---- Quiz type and points lists ----

TEST_F(Form1Test, ChoosingAQuizTypeRefillsBothListsWithTheirDefaults)
{
    installationComplete({});
    Form1 &f = outil();
    f.Combo_points->choisir("Temps restant");
    f.Combo_points_gagnes->choisir("Temps restant");
    f.Option_temps->setValue(true);
    EXPECT_EQ(f.Combo_points_gagnes->ListCount(), 20);
    EXPECT_EQ(f.Combo_points->ListCount(), 21);
    EXPECT_EQ(f.Combo_points_gagnes->Text(), "1");
    EXPECT_EQ(f.Combo_points->Text(), "0");
    EXPECT_EQ(f.Combo_points->findText("Temps restant"), -1);
    f.Combo_points->choisir("15");
    f.Option_question->setValue(true);
    EXPECT_EQ(f.Combo_points->List(0), "Temps restant");
    EXPECT_EQ(f.Combo_points_gagnes->List(0), "Temps restant");
    EXPECT_EQ(f.Combo_points->ListIndex(), 1);
    EXPECT_EQ(f.Combo_points_gagnes->ListIndex(), 1);
    // The boxes keep their text; the minutes follow only the seconds box.
    EXPECT_EQ(f.Text_nombre_secondes->Text(), "120");
    EXPECT_EQ(f.Label_minutes->Caption(), "2");
}

TEST_F(Form1Test, MinutesFollowTheSecondsBoxAndKeepTheirCaptionOnBadText)
{
    Form1 &f = outil();
    EXPECT_EQ(f.Label_minutes->Caption(), "00,11");
    const std::pair<const char *, const char *> frappes[] = {{"100", "1,66"}, {"", "1,66"},
                                                             {"abc", "1,66"}, {"69", "1,15"},
                                                             {"6a", "1,15"},  {"-30", "-0,5"}};
    for (const auto &[texte, minutes] : frappes) {
        f.Text_nombre_secondes->setText(texte);
        EXPECT_EQ(f.Label_minutes->Caption(), minutes) << texte;
    }
}

// ---- Saving ----

TEST_F(Form1Test, CountsAreCheckedAtTheirBoundsAndNothingIsWrittenAfterAFailure)
{
    struct Cas {
        const char *questions, *secondes;
        const char *message; // nullptr: saved
    };
    const char *questions = "Le nombre de questions doit être compris entre 1 et 500";
    const char *temps = "Le temps doit être compris entre 10 et 600";
    // Each box against its own bounds; what a count may look like is the rules' table.
    const Cas cas[] = {{"0", "120", questions},   {"1", "120", nullptr}, {"500", "120", nullptr},
                       {"501", "120", questions}, {"20", "9", temps},    {"20", "10", nullptr},
                       {"20", "600", nullptr},    {"20", "601", temps},  {"abc", "abc", questions}};
    for (const Cas &c : cas) {
        for (const QString &fichier : QDir(m_folder.path()).entryList(QDir::Files))
            QFile::remove(path(fichier));
        m_messages.clear();
        Form1 &f = outil();
        f.Check_bouton_option->setValue(1);
        f.Text_nombre_questions->setText(c.questions);
        f.Text_nombre_secondes->setText(c.secondes);
        f.Show();
        f.Image_quitter_Click();
        if (c.message) {
            ASSERT_EQ(m_messages.size(), 1u) << c.questions << "/" << c.secondes;
            EXPECT_EQ(m_messages[0].text, QString::fromUtf8(c.message));
            EXPECT_EQ(m_messages[0].style, vbInformation);
            EXPECT_EQ(m_messages[0].title, "Erreur");
            EXPECT_TRUE(f.isVisible());
            EXPECT_FALSE(exists("KSV.tpq") || exists("themes.tpq") || exists("random.tpq") ||
                         exists("fichier_texte7.tpq"));
        } else {
            EXPECT_TRUE(m_messages.empty()) << c.questions << "/" << c.secondes;
            EXPECT_FALSE(f.isVisible());
            EXPECT_TRUE(readFile("KSV.tpq").startsWith("\"question\",\"" + QByteArray(c.questions) +
                                                       "\",\"" + c.secondes + "\","));
        }
        recharger();
    }
}

TEST_F(Form1Test, SavesTheTenFilesByteForByte)
{
    installationComplete({"compos", "aigu1", "grave7", "ecoutes", "fichier_texte2"});
    emplacement(2, "\"/q/textes/Jazz.txt\",\"Jazz & Blues\"\r\n");
    emplacement(3, "\"/q/textes/Baroque.txt\",\"Baroque\"\r\n");
    Form1 &f = outil();
    // Read at the start, so written only by the save.
    QFile::remove(path("fichier_texte7.tpq"));
    f.Option_temps->setValue(true);
    f.Text_nombre_secondes->setText("90");
    f.Combo_bruitage_vrai->choisir("Applaudissements");
    f.Check_bruitage_faux->setValue(0);
    f.Check_tictac->setValue(0);
    f.Check_bouton_option->setValue(0);
    f.Check_speech->setValue(1);
    f.Combo_points->choisir("15");
    f.Check_theme("organa")->setValue(1);
    f.Check_theme("compos")->setValue(0);
    f.Option_ordre->setValue(true);
    // The warning comes before any file is written.
    m_pendantMessage = [this] { EXPECT_EQ(readFile("KSV.tpq"), kReglagesLivres); };
    f.Show();
    f.Image_quitter_Click();

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text,
              QString::fromUtf8(
                  "Le bouton Option ne sera invisible qu'après le redémarrage du programme!"));
    EXPECT_EQ(m_messages[0].style, vbOKOnly);
    EXPECT_EQ(m_messages[0].title, "Avertissement!");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(readFile("KSV.tpq"), "\"temps\",\"20\",\"90\",\"Applaudissements\",\"non\",\"non\","
                                   "\"non\",\"oui\",\"15\",\"1\",\"oui\"\r\n");
    EXPECT_EQ(readFile("themes.tpq"),
              themes({"organa", "aigu1", "grave7", "ecoutes", "fichier_texte2"}));
    EXPECT_EQ(readFile("random.tpq"), "1,1\r\n");
    EXPECT_EQ(readFile("fichier_texte.tpq"), "\"\",\"\"\r\n");
    EXPECT_EQ(readFile("fichier_texte2.tpq"), "\"/q/textes/Jazz.txt\",\"Jazz & Blues\"\r\n");
    // Unticked, yet saved with its title and path.
    EXPECT_EQ(readFile("fichier_texte3.tpq"), "\"/q/textes/Baroque.txt\",\"Baroque\"\r\n");
    EXPECT_EQ(readFile("fichier_texte7.tpq"), "\"\",\"\"\r\n");
}

TEST_F(Form1Test, SavesEmptyItemsForWhatIsNotSelected)
{
    writeFile("KSV.tpq",
              "\"Question\",\"20\",\"120\",\"x\",\"x\",\"oui\",\"oui\",\"oui\",\"x\",\"x\","
              "\"non\"\r\n");
    writeFile("random.tpq", "7,1\r\n");
    Form1 &f = outil();
    f.Show();
    f.Image_quitter_Click();
    EXPECT_EQ(readFile("KSV.tpq"),
              "\"question\",\"20\",\"120\",\"\",\"\",\"oui\",\"oui\",\"oui\",,,"
              "\"non\"\r\n");
    EXPECT_EQ(readFile("random.tpq"), "1,1\r\n");
}

// A folder, a named pipe, a link into a missing folder or a path through a file in the place
// of any of the ten files is found before the first file is written: none is written, and the
// message names the file and says why.
TEST_F(Form1Test, AFileThatCannotBeWrittenKeepsTheWindowOpen)
{
    QStringList fichiers = {"KSV.tpq", "themes.tpq", "random.tpq"};
    for (int slot = 1; slot <= datafiles::kNombreEmplacements; ++slot)
        fichiers << datafiles::fichierEmplacement(slot);
    const auto hostile = [](Hostile kind) {
        return [kind](const QString &at) { layHostile(at, kind, {}); };
    };
    const auto lien = [this](const char *cible) {
        return [this, cible](const QString &at) { ASSERT_TRUE(QFile::link(path(cible), at)); };
    };
    writeFile("simple.txt", "x");
    const std::pair<std::function<void(const QString &)>, const char *> places[] = {
        {hostile(Hostile::Folder), "un dossier porte déjà ce nom"},
        {hostile(Hostile::Fifo), "ce nom désigne un périphérique, un tube ou un autre objet qui "
                                 "n'est pas un fichier ordinaire, et qui n'est pas remplacé"},
        {lien("absent/r.tpq"), "le dossier n'existe pas"},
        {lien("simple.txt/r.tpq"), "le dossier n'existe pas"}};
    for (const auto &[poser, pourquoi] : places) {
        for (int bloque = 0; bloque < fichiers.size(); ++bloque) {
            SCOPED_TRACE(qPrintable(fichiers[bloque]));
            installationComplete({});
            m_messages.clear();
            Form1 &f = outil();
            for (const QString &fichier : fichiers)
                QFile::remove(path(fichier));
            poser(path(fichiers[bloque]));
            f.Show();
            f.Image_quitter_Click();
            ASSERT_EQ(m_messages.size(), 1u);
            EXPECT_EQ(m_messages[0].text,
                      QString::fromUtf8("Impossible d'enregistrer le fichier %1 : %2.")
                          .arg(fichiers[bloque], QString::fromUtf8(pourquoi)));
            EXPECT_EQ(m_messages[0].title, "Erreur");
            EXPECT_TRUE(f.isVisible());
            for (int i = 0; i < fichiers.size(); ++i) {
                if (i != bloque) {
                    EXPECT_FALSE(exists(fichiers[i])) << i;
                }
            }
            recharger();
            QDir(path(fichiers[bloque])).removeRecursively();
            QFile::remove(path(fichiers[bloque]));
        }
    }
}

// ---- Text-file slots ----

TEST_F(Form1Test, ChoosingAFileFillsTheSlotAndWritesItsFileAtOnce)
{
    installationComplete({});
    writeFile("textes/quiz.solfege.txt", "x");
    const QString choisi = path("textes/quiz.solfege.txt");
    Form1 &f = outil();
    QString dossier;
    f.setChoixFichier([&](const QString &d) {
        dossier = d;
        return std::optional<QString>(choisi);
    });
    f.Command_ouvrir_texte(4)->setValue(true);
    EXPECT_EQ(dossier, path("textes"));
    EXPECT_EQ(f.Caption(), "quiz.solfege.txt");
    EXPECT_EQ(f.Check_fichier_texte(4)->Caption(), "quiz.solfege");
    EXPECT_EQ(f.Check_fichier_texte(4)->Value(), 1);
    EXPECT_TRUE(f.Check_fichier_texte(4)->isEnabled());
    EXPECT_EQ(f.Label_chemin_fichier_texte(4)->Caption(), choisi);
    EXPECT_EQ(readFile("fichier_texte4.tpq"), "\"" + choisi.toUtf8() + "\",\"quiz.solfege\"\r\n");
    // One row's actions never touch another row.
    EXPECT_EQ(readFile("fichier_texte3.tpq"), "\"\",\"\"\r\n");
    EXPECT_EQ(f.Check_fichier_texte(3)->Caption(), "");
}

TEST_F(Form1Test, ChoosingAFileTicksASetButUntickedSlot)
{
    installationComplete({});
    emplacement(2, "\"/q/Jazz.txt\",\"Jazz\"\r\n");
    writeFile("textes/Blues", "x");
    Form1 &f = outil();
    ASSERT_EQ(f.Check_fichier_texte(2)->Value(), 0);
    f.setChoixFichier(
        [this](const QString &) { return std::optional<QString>(path("textes/Blues")); });
    f.Command_ouvrir_texte(2)->setValue(true);
    EXPECT_EQ(f.Check_fichier_texte(2)->Value(), 1);
    // A name without a dot is its own title.
    EXPECT_EQ(f.Check_fichier_texte(2)->Caption(), "Blues");
}

TEST_F(Form1Test, CancellingTheDialogChangesNothing)
{
    installationComplete({});
    Form1 &f = outil();
    const QString caption = f.Caption();
    f.setChoixFichier([](const QString &) { return std::optional<QString>(); });
    f.Command_ouvrir_texte(1)->setValue(true);
    EXPECT_EQ(f.Caption(), caption);
    EXPECT_EQ(f.Check_fichier_texte(1)->Caption(), "");
    EXPECT_FALSE(f.Check_fichier_texte(1)->isEnabled());
    EXPECT_EQ(readFile("fichier_texte.tpq"), "\"\",\"\"\r\n");
}

TEST_F(Form1Test, AFileThatCannotBeOpenedOrHeldIsRefused)
{
    installationComplete({});
    writeFile("textes/Dit \"oui\".txt", "x");
    writeFile("textes/\u266B.txt", "x");
    const QString refuses[] = {path("textes/Absent.txt"), path("textes/Dit \"oui\".txt"),
                               path("textes/\u266B.txt")};
    for (const QString &chemin : refuses) {
        m_messages.clear();
        Form1 &f = outil();
        f.setChoixFichier([&](const QString &) { return std::optional<QString>(chemin); });
        f.Command_ouvrir_texte(5)->setValue(true);
        ASSERT_EQ(m_messages.size(), 1u) << chemin.toStdString();
        EXPECT_EQ(m_messages[0].text, "Impossible d'ouvrir le fichier: " + chemin);
        EXPECT_EQ(m_messages[0].style, vbOKOnly);
        EXPECT_EQ(m_messages[0].title, "Tempelgestion");
        EXPECT_EQ(f.Caption(), QFileInfo(chemin).fileName());
        EXPECT_EQ(f.Check_fichier_texte(5)->Caption(), "");
        EXPECT_EQ(f.Label_chemin_fichier_texte(5)->Caption(), "");
        EXPECT_EQ(readFile("fichier_texte5.tpq"), "\"\",\"\"\r\n");
        recharger();
    }
}

TEST_F(Form1Test, UntickingASlotEmptiesItInTheWindowOnly)
{
    installationComplete({"fichier_texte6"});
    emplacement(6, "\"/q/Jazz.txt\",\"Jazz\"\r\n");
    Form1 &f = outil();
    f.Check_fichier_texte(6)->setValue(0);
    EXPECT_EQ(f.Check_fichier_texte(6)->Caption(), "");
    EXPECT_EQ(f.Label_chemin_fichier_texte(6)->Caption(), "");
    EXPECT_FALSE(f.Check_fichier_texte(6)->isEnabled());
    EXPECT_EQ(readFile("fichier_texte6.tpq"), "\"/q/Jazz.txt\",\"Jazz\"\r\n");
}

// ---- Score clearing and download page ----

TEST_F(Form1Test, ClearingScoresAsksFirstAndDeletesOnlyItsOwnFile)
{
    writeFile("Scoresquestion.tpq", "q");
    writeFile("Scorestemps.tpq", "t");
    Form1 &f = outil();
    m_reponse = vbCancel;
    f.Command_supprimer_questions->setValue(true);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text,
              QString::fromUtf8("Les scores seront effacés si vous cliquez sur "
                                "OK!\r\nIl ne sera plus possible de les récupérer."));
    EXPECT_EQ(m_messages[0].style, 65);
    EXPECT_EQ(m_messages[0].title, "Attention!");
    EXPECT_TRUE(exists("Scoresquestion.tpq"));
    m_reponse = vbOK;
    f.Command_supprimer_questions->setValue(true);
    EXPECT_FALSE(exists("Scoresquestion.tpq"));
    EXPECT_TRUE(exists("Scorestemps.tpq"));
    // No file left: nothing to say.
    f.Command_supprimer_questions->setValue(true);
    EXPECT_EQ(m_messages.size(), 3u);
    f.Command_supprimer_temps->setValue(true);
    EXPECT_FALSE(exists("Scorestemps.tpq"));
}

TEST_F(Form1Test, WithoutABrowserTheAddressIsGiven)
{
    for (const std::optional<QString> &valeur :
         {std::optional<QString>(), std::optional<QString>("\"")}) {
        m_messages.clear();
        setRegistryAnswerer([&](RegistryRoot, const QString &, const QString &) { return valeur; });
        outil().Command_telecharger->setValue(true);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(
            m_messages[0].text,
            QString::fromUtf8("Le navigateur ne peut pas être trouvé. Veuillez le lancer depuis "
                              "le menu Démarrer en utilisant l'adresse ") +
                kAdresseTelechargement);
        EXPECT_EQ(m_messages[0].style, vbExclamation);
        EXPECT_EQ(m_messages[0].title, "Erreur!");
        EXPECT_TRUE(m_demarrages.empty());
    }
}

TEST_F(Form1Test, TheBrowserIsStartedOnTheDownloadPage)
{
    writeFile("Mon navigateur", "#!/bin/sh\n");
    const QString programme = path("Mon navigateur");
    QFile::setPermissions(programme, QFile::permissions(programme) | QFileDevice::ExeOwner);
    struct Cas {
        QString valeur;
        QString programme;
        QStringList arguments;
    };
    const Cas cas[] = {
        {"\"" + programme + "\" -osint -url \"%1\"", programme, {kAdresseTelechargement}},
        {"\"" + programme + "\" --nouvelle %u", programme, {kAdresseTelechargement}},
        {QStringLiteral("/bin/sh -c %u"),
         QStringLiteral("/bin/sh"),
         {"-c", kAdresseTelechargement}}};
    for (const Cas &c : cas) {
        m_demarrages.clear();
        m_arguments.clear();
        setRegistryAnswerer([&](RegistryRoot root, const QString &key, const QString &name) {
            EXPECT_EQ(root, RegistryRoot::ClassesRoot);
            EXPECT_EQ(key, "HTTP\\Shell\\Open\\command");
            EXPECT_EQ(name, "");
            return std::optional<QString>(c.valeur);
        });
        outil().Command_telecharger->setValue(true);
        ASSERT_EQ(m_demarrages.size(), 1u) << c.valeur.toStdString();
        EXPECT_EQ(m_demarrages[0], c.programme) << c.valeur.toStdString();
        EXPECT_EQ(m_arguments[0], c.arguments) << c.valeur.toStdString();
    }
    // A program that is nowhere is not started, and nothing is said.
    m_demarrages.clear();
    setRegistryAnswerer([](RegistryRoot, const QString &, const QString &) {
        return std::optional<QString>("navigateur-introuvable-xyz %u");
    });
    outil().Command_telecharger->setValue(true);
    EXPECT_TRUE(m_demarrages.empty());
    EXPECT_TRUE(m_messages.empty());
}

// ---- Files that are not what they should be ----

TEST_F(Form1Test, ReadsItsFilesFromRegularFilesOnly)
{
    installationComplete({});
    const auto outilNeuf = [this]() -> Form1 & {
        recharger();
        return outil();
    };
    expectReadersWithstandHostileFiles(
        m_folder.path(), {{"the settings", "KSV.tpq", "\"temps\"\r\n\"42\"\r\n", "42", "999",
                           [&] { return outilNeuf().Text_nombre_questions->Text(); }},
                          {"a slot file", "fichier_texte3.tpq", "\"/q/Jazz.txt\",\"Jazz\"\r\n",
                           "/q/Jazz.txt|Jazz", "|",
                           [&] {
                               Form1 &f = outilNeuf();
                               return f.Label_chemin_fichier_texte(3)->Caption() + "|" +
                                      f.Check_fichier_texte(3)->Caption();
                           }},
                          {"the chosen question file", "textes/Blues.txt", "\"Q\"\r\n", "Blues", "",
                           [&] {
                               Form1 &f = outilNeuf();
                               f.setChoixFichier([this](const QString &) {
                                   return std::optional(path("textes/Blues.txt"));
                               });
                               f.Command_ouvrir_texte(5)->setValue(true);
                               return f.Check_fichier_texte(5)->Caption();
                           },
                           false, false}});
}

// A record that cannot be written stops the save before any file is written, saying why.
TEST_F(Form1Test, RetourChecksEveryRecordBeforeItWritesAny)
{
    installationComplete({});
    Form1 &f = outil();
    f.Show();
    f.Label_chemin_fichier_texte(6)->setCaption("/q/Dit \"oui\".txt");
    f.Text_nombre_questions->setText("42");
    f.Image_quitter_Click();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text,
              QString::fromUtf8("Impossible d'enregistrer le fichier fichier_texte6.tpq : le texte "
                                "« /q/Dit \"oui\".txt » contient un guillemet (\"), qui ne peut "
                                "pas être enregistré."));
    EXPECT_EQ(readFile("KSV.tpq"), kReglagesLivres);
    EXPECT_TRUE(f.isVisible());
}
