// The tool's window from its start to its save: settings files in, controls, files out.
#include "admin/form1.h"

#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/screens.h"
#include "support/programfoldertest.h"

#include <QDir>
#include <QFile>

using namespace platform;

namespace {
struct Message {
    QString text;
    int style;
    QString title;
};

struct Demarrage {
    QString programme;
    QStringList arguments;
};

class RecordingStarter : public ProcessStarter {
public:
    explicit RecordingStarter(std::vector<Demarrage> &log) : m_log(log) {}
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        m_log.push_back({program, arguments});
        return true;
    }

private:
    std::vector<Demarrage> &m_log;
};

const QByteArray kReglagesLivres =
    "\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"oui\",\"0\",\"1\",\"non\"\r\n";

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

class Form1Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        setMsgBoxAnswerer([this](const QString &text, int style, const QString &title) {
            m_messages.push_back({text, style, title});
            if (m_pendantMessage)
                m_pendantMessage();
            return m_reponse;
        });
        setProcessStarter(std::make_unique<RecordingStarter>(m_demarrages));
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
        for (const QString &cle : cles)
            writeFile(cle, "");
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
    // Every question program but the listening one (its folder takes its name), four pieces to
    // listen to and an empty slot file for each slot.
    void installationComplete(const QStringList &themesOui) const
    {
        writeFile("KSV.tpq", kReglagesLivres);
        writeFile("themes.tpq", themes(themesOui));
        writeFile("random.tpq", "0,1\r\n");
        programmes(toutesLesCles().mid(0, 18));
        ecoutes(4);
        for (int slot = 1; slot <= 7; ++slot)
            emplacement(slot, "\"\",\"\"\r\n");
    }

    std::vector<Message> m_messages;
    std::vector<Demarrage> m_demarrages;
    std::function<void()> m_pendantMessage;
    int m_reponse = vbOK;
};

// ---- The start ----

TEST_F(Form1Test, QuestionOrderSelectsItsOptionInEitherLayout)
{
    struct Cas {
        const char *contenu;
        bool aleatoire, ordre;
    };
    const Cas cas[] = {{"0,1\r\n", true, false}, {" 0  1 \r\n", true, false},
                       {"1,1\r\n", false, true}, {" 1  1 \r\n", false, true},
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
    writeFile("KSV.tpq", "\"temps\",\"1000\",\"90\",\"non\",\"Hu\xE9" "es\",\"oui\",\"non\",\"oui\","
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
    EXPECT_TRUE(outil().isHidden());
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
        EXPECT_EQ(f.Check_fichier_texte(a.slot)->text(), a.titre) << a.slot;
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
    const std::pair<const char *, const char *> frappes[] = {
        {"100", "1,66"}, {"", "1,66"}, {"abc", "1,66"}, {"69", "1,15"}, {"6a", "1,15"}, {"-30", "-0,5"}};
    for (const auto &[texte, minutes] : frappes) {
        f.Text_nombre_secondes->setText(texte);
        EXPECT_EQ(f.Label_minutes->Caption(), minutes) << texte;
    }
}
