#include "datafiles/settingsfiles.h"

#include "support/hostilefiles.h"
#include "support/programfoldertest.h"

#include <QFile>

using namespace datafiles;

namespace {
class SettingsFiles : public ProgramFolderTest {};

std::array<QString, kNombreThemes> allThemes(const QString &value)
{
    std::array<QString, kNombreThemes> themes;
    themes.fill(value);
    return themes;
}
} // namespace

TEST_F(SettingsFiles, ReglagesAreWrittenByteExact)
{
    Reglages r{"question", "20", "120", "Applaudissements", "non", "oui", "oui", "non",
               "temps",    "15", "oui"};
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierReglages), enregistrementReglages(r)));
    EXPECT_EQ(readFile(kFichierReglages),
              "\"question\",\"20\",\"120\",\"Applaudissements\",\"non\",\"oui\",\"oui\",\"non\","
              "\"temps\",\"15\",\"oui\"\r\n");

    r.points_perdus.clear();
    r.bruitage_faux = QString::fromUtf8("Huées");
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierReglages), enregistrementReglages(r)));
    EXPECT_EQ(readFile(kFichierReglages),
              "\"question\",\"20\",\"120\",\"Applaudissements\",\"Hu\xE9"
              "es\",\"oui\",\"oui\","
              "\"non\",,\"15\",\"oui\"\r\n");
}

TEST_F(SettingsFiles, ReglagesReadBackAsWritten)
{
    const Reglages r{"temps", "020", "600", "", "Buzzer", "non", "oui", "oui", "", "temps", "non"};
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierReglages), enregistrementReglages(r)));
    const auto items = lireEnregistrement(path(kFichierReglages), kNombreReglages);
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[1].asText(), "020");
    EXPECT_TRUE(items[1].equalsNumber(20));
    EXPECT_EQ(items[3].kind, Item::Kind::Text);
    EXPECT_EQ(items[8].kind, Item::Kind::Empty);
    EXPECT_TRUE(items[9].is("temps"));
}

TEST_F(SettingsFiles, ThemesAreTwentySixQuotedSwitches)
{
    auto themes = allThemes("non");
    themes[18] = "oui";
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierThemes), enregistrementThemes(themes)));
    const QByteArray bytes = readFile(kFichierThemes);
    EXPECT_EQ(bytes.count(','), 25);
    EXPECT_TRUE(bytes.endsWith("\"non\"\r\n"));
    const auto items = lireEnregistrement(path(kFichierThemes), kNombreThemes);
    ASSERT_EQ(items.size(), 26u);
    EXPECT_TRUE(items[18].is("oui"));
    EXPECT_EQ(QString(kClesThemes[18]), "ecoutes");
}

TEST_F(SettingsFiles, QuestionOrderHasTwoLayoutsThatReadTheSame)
{
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierOrdre), enregistrementOrdre(0)));
    EXPECT_EQ(readFile(kFichierOrdre), QByteArray("0,1\r\n"));
    ASSERT_TRUE(ecrireOrdreJeu(path(kFichierOrdre), 0));
    EXPECT_EQ(readFile(kFichierOrdre), QByteArray(" 0  1 \r\n"));
    ASSERT_TRUE(ecrireOrdreJeu(path(kFichierOrdre), 1));
    EXPECT_EQ(readFile(kFichierOrdre), QByteArray(" 1  1 \r\n"));

    const auto game = lireEnregistrement(path(kFichierOrdre), 2);
    ASSERT_TRUE(ecrireEnregistrement(path(kFichierOrdre), enregistrementOrdre(1)));
    EXPECT_EQ(readFile(kFichierOrdre), QByteArray("1,1\r\n"));
    const auto tool = lireEnregistrement(path(kFichierOrdre), 2);
    ASSERT_EQ(game.size(), 2u);
    ASSERT_EQ(tool.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(game[i].equalsNumber(1));
        EXPECT_TRUE(tool[i].equalsNumber(1));
    }
}

// The game keeps the flag as the tool and the text slots read it, and writes its own layout.
TEST_F(SettingsFiles, TheGameRewritesTheOrderFlagAsEveryReaderTakesIt)
{
    const std::pair<QByteArray, const char *> rows[] = {
        {"1,1\r\n", " 1  1 \r\n"},
        {" 0  1 \r\n", " 0  1 \r\n"},
        {" 1  7 \r\n", " 1  1 \r\n"},
        {"\"1\",\"1\"\r\n", " 1  1 \r\n"},
        {"\xEF\xBB\xBF"
         "1,1\r\n",
         " 1  1 \r\n"},
        {"\r\n1,1\r\n", " 0  1 \r\n"}, // an empty first item
        {"n'importe quoi", " 0  1 \r\n"},
        {"1.5,1", " 0  1 \r\n"},
        {"-2,1", "-2  1 \r\n"},
        {{}, " 0  1 \r\n"},
    };
    for (const auto &[contenu, ecrit] : rows) {
        writeFile(kFichierOrdre, contenu);
        ASSERT_TRUE(ecrireOrdreJeu(path(kFichierOrdre), lireOrdre(path(kFichierOrdre))));
        EXPECT_EQ(readFile(kFichierOrdre), QByteArray(ecrit)) << contenu.toStdString();
    }
    QFile::remove(path(kFichierOrdre));
    EXPECT_EQ(lireOrdre(path(kFichierOrdre)), 0);
}

TEST_F(SettingsFiles, SlotFilesAreNamedBySlotAndKeepAPathWithAComma)
{
    EXPECT_EQ(fichierEmplacement(1), "fichier_texte.tpq");
    EXPECT_EQ(fichierEmplacement(7), "fichier_texte7.tpq");

    ASSERT_TRUE(
        ecrireEnregistrement(path(fichierEmplacement(2)), enregistrementEmplacement("", "")));
    EXPECT_EQ(readFile("fichier_texte2.tpq"), QByteArray("\"\",\"\"\r\n"));

    const QString chemin = "/home/prof/Mes, textes/Baroque.txt";
    ASSERT_TRUE(ecrireEnregistrement(path(fichierEmplacement(2)),
                                     enregistrementEmplacement(chemin, "Baroque")));
    const auto items = lireEnregistrement(path(fichierEmplacement(2)), 2);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].asText(), chemin);
    EXPECT_EQ(items[1].asText(), "Baroque");
}

TEST_F(SettingsFiles, ARefusedTextLeavesTheFileAsItWas)
{
    ASSERT_TRUE(
        ecrireEnregistrement(path("fichier_texte.tpq"), enregistrementEmplacement("/a.txt", "a")));
    const auto result = ecrireEnregistrement(path("fichier_texte.tpq"),
                                             enregistrementEmplacement("/b\"c.txt", "b\"c"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readFile("fichier_texte.tpq"), QByteArray("\"/a.txt\",\"a\"\r\n"));
}

TEST_F(SettingsFiles, AMissingFileReadsAsNoItems)
{
    EXPECT_TRUE(lireEnregistrement(path("absent.tpq"), 11).empty());
}

TEST_F(SettingsFiles, RecordsAreReadFromRegularFilesOnly)
{
    const auto premier = [this](const QString &file) {
        const auto items = lireEnregistrement(path(file), 2);
        return items.empty() ? QString("(aucun)") : items[0].asText() + "|" + items[1].asText();
    };
    expectReadersWithstandHostileFiles(
        m_folder.path(), {{"a settings record", kFichierReglages, "\"temps\"\r\n\"20\"\r\n",
                           "temps|20", "(aucun)", [&] { return premier(kFichierReglages); }},
                          {"the order flag", kFichierOrdre, "1,1\r\n", "1", "0",
                           [&] { return QString::number(lireOrdre(path(kFichierOrdre))); }}});
}
