// The settings store filled from KSV.tpq and themes.tpq, item by item.
#include "game/services/form_admin.h"
#include "game/services/module_nouveau_themes.h"

#include "support/programfoldertest.h"

namespace {
class SettingsStore : public ProgramFolderTest {
protected:
    // A KSV.tpq whose item 9 and 10 are as given; the rest is a plain record.
    void writeKsvWithPoints(const QByteArray &perdus, const QByteArray &gagnes)
    {
        writeFile("KSV.tpq", "\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\","
                             "\"oui\"," +
                                 perdus + "," + gagnes + ",\"non\"\r\n");
    }
    QString perdus() { return form_admin().Label_points->Caption(); }
    QString gagnes() { return form_admin().Label_points_gagnes->Caption(); }
};
} // namespace

TEST_F(SettingsStore, HoldsItsDefaultsBeforeAnyRead)
{
    Form_admin &a = form_admin();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "question");
    EXPECT_EQ(a.Text_nombre_questions->Text(), "20");
    EXPECT_EQ(a.Text_nombre_secondes->Text(), "120");
    EXPECT_EQ(a.Label_bruitage_vrai->Caption(), "Ding");
    EXPECT_EQ(a.Label_bruitage_faux->Caption(), "Buzzer");
    EXPECT_EQ(a.Check_bouton_option->Value(), 1);
    EXPECT_EQ(a.Check_tictac->Value(), 1);
    EXPECT_EQ(a.Check_musique->Value(), 1);
    EXPECT_EQ(perdus(), "0");
    EXPECT_EQ(gagnes(), "1");
    EXPECT_EQ(a.Check_speech->Value(), 0);
    EXPECT_TRUE(Aucun_theme_actif());
}

TEST_F(SettingsStore, ReadsEveryItemOfAFullRecord)
{
    writeFile("KSV.tpq", "\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"non\",\"oui\","
                         "\"5\",\"temps\",\"non\"\r\n");
    Charger_parametres();
    Form_admin &a = form_admin();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "question");
    EXPECT_EQ(a.Text_nombre_questions->Text(), "20");
    EXPECT_EQ(a.Text_nombre_secondes->Text(), "120");
    EXPECT_EQ(a.Label_bruitage_vrai->Caption(), "Ding");
    EXPECT_EQ(a.Label_bruitage_faux->Caption(), "Buzzer");
    EXPECT_EQ(a.Check_bouton_option->Value(), 1);
    EXPECT_EQ(a.Check_tictac->Value(), 0);
    EXPECT_EQ(a.Check_musique->Value(), 1);
    EXPECT_EQ(perdus(), "5");
    EXPECT_EQ(gagnes(), "temps");
    EXPECT_EQ(a.Check_speech->Value(), 0);
}

namespace {
struct PointsCase {
    QByteArray item;
    QString before;
    QString after;
};
} // namespace

TEST_F(SettingsStore, PointsLostFollowTheirRules)
{
    const PointsCase cases[] = {
        {"\"05\"", "7", "5"},    {"5", "7", "5"},       {"", "7", "0"},
        {"\"21\"", "7", "7"},    {"\"abc\"", "7", "7"}, {"\"temps\"", "7", "temps"},
        {"\"0\"", "temps", "0"}, {"\"20\"", "7", "20"}, {"\"Temps\"", "7", "7"},
        {"\"-1\"", "7", "7"},    {"\"2.5\"", "7", "7"},
    };
    for (const auto &c : cases) {
        form_admin().Label_points->setCaption(c.before);
        writeKsvWithPoints(c.item, "\"1\"");
        Charger_parametres();
        EXPECT_EQ(perdus(), c.after) << c.item.constData();
    }
}

TEST_F(SettingsStore, PointsWonFollowTheirRules)
{
    const PointsCase cases[] = {
        {"", "3", "3"},         {"\"0\"", "3", "3"},  {"\"1\"", "3", "1"},
        {"\"020\"", "3", "20"}, {"\"21\"", "3", "3"}, {"\"temps\"", "3", "temps"},
    };
    for (const auto &c : cases) {
        form_admin().Label_points_gagnes->setCaption(c.before);
        writeKsvWithPoints("\"0\"", c.item);
        Charger_parametres();
        EXPECT_EQ(gagnes(), c.after) << c.item.constData();
    }
}

TEST_F(SettingsStore, GameTypeIsTakenOnlyFromItsTwoExactWords)
{
    Form_admin &a = form_admin();
    writeFile("KSV.tpq", "\"temps\"\r\n");
    Charger_parametres();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "temps");
    writeFile("KSV.tpq", "\"Question\"\r\n");
    Charger_parametres();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "temps");
}

TEST_F(SettingsStore, CountsAndSoundsAreTakenAsWritten)
{
    writeFile("KSV.tpq", "\"question\",\"020\",\"0600\",\"Cloche\",\"\",\"Oui\"\r\n");
    Charger_parametres();
    Form_admin &a = form_admin();
    EXPECT_EQ(a.Text_nombre_questions->Text(), "020");
    EXPECT_EQ(a.Text_nombre_secondes->Text(), "0600");
    EXPECT_EQ(a.Label_bruitage_vrai->Caption(), "Cloche");
    EXPECT_EQ(a.Label_bruitage_faux->Caption(), "");
    EXPECT_EQ(a.Check_bouton_option->Value(), 0); // "Oui" is not "oui"
}

TEST_F(SettingsStore, AShortOrMissingFileKeepsWhatItCannotGive)
{
    Form_admin &a = form_admin();
    a.Check_speech->setValue(1);
    writeFile("KSV.tpq", "\"temps\",\"30\"\r\n");
    Charger_parametres();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "temps");
    EXPECT_EQ(a.Text_nombre_questions->Text(), "30");
    EXPECT_EQ(a.Text_nombre_secondes->Text(), "120");
    EXPECT_EQ(a.Check_musique->Value(), 1);
    EXPECT_EQ(a.Check_speech->Value(), 1);

    QFile::remove(path("KSV.tpq"));
    Charger_parametres();
    EXPECT_EQ(a.Label_type_de_jeu->Caption(), "temps");
}

TEST_F(SettingsStore, ItemsSpreadOverLinesReadAsOneRecord)
{
    writeFile("KSV.tpq", "\"temps\",\"20\"\r\n\"90\",\"Ding\",\r\n\"non\"\r\n");
    Charger_parametres();
    Form_admin &a = form_admin();
    EXPECT_EQ(a.Text_nombre_secondes->Text(), "90");
    EXPECT_EQ(a.Label_bruitage_faux->Caption(), "");
    EXPECT_EQ(a.Check_bouton_option->Value(), 0);
}

TEST_F(SettingsStore, ThemeSwitchesAreOnOnlyForAnExactOui)
{
    QByteArray themes;
    for (int k = 1; k <= 26; ++k)
        themes += (k == 19   ? "\"oui\""
                   : k == 20 ? "\"Oui\""
                   : k == 21 ? ""
                             : "\"non\"") +
                  QByteArray(k < 26 ? "," : "\r\n");
    writeFile("themes.tpq", themes);
    Charger_parametres();
    EXPECT_EQ(form_admin().theme("ecoutes")->Caption(), "oui");
    EXPECT_EQ(form_admin().theme("fichier_texte")->Caption(), "non");
    EXPECT_EQ(form_admin().theme("fichier_texte2")->Caption(), "non");
    EXPECT_FALSE(Aucun_theme_actif());

    writeFile("themes.tpq", QByteArray("\"non\",").repeated(25) + "\"non\"\r\n");
    Charger_parametres();
    EXPECT_TRUE(Aucun_theme_actif());
}

TEST_F(SettingsStore, TheInitialisationButtonRereadsTheFiles)
{
    writeFile("KSV.tpq", "\"temps\"\r\n");
    form_admin().Command_initialisation->setValue(true);
    EXPECT_EQ(form_admin().Label_type_de_jeu->Caption(), "temps");
}
