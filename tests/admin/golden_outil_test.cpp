// The tool's window as a golden picture (support/golden.h): three-digit counts in their boxes,
// the clef frames' titles above their levels, the minutes on the line of "secondes (", a slot
// title with "&" as written.
#include "admin/form1.h"

#include "platform/screens.h"
#include "support/golden.h"
#include "support/programfoldertest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>

class GoldenOutil : public ProgramFolderTest {};

TEST_F(GoldenOutil, TheWindowLooksAsItsReference)
{
    // The window asks for Arial; Liberation Sans has its metrics and is installed.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    writeFile("KSV.tpq", "\"question\",\"999\",\"100\",\"Ding\",\"Buzzer\",\"oui\",\"oui\","
                         "\"oui\",\"0\",\"1\",\"non\"\r\n");
    QByteArrayList themes;
    for (std::size_t i = 0; i < datafiles::kClesThemes.size(); ++i)
        themes << (i == 20 ? "\"non\"" : "\"oui\"");
    writeFile("themes.tpq", themes.join(',') + "\r\n");
    QDir(m_folder.path()).mkpath(QStringLiteral("questions"));
    for (std::size_t i = 0; i < 19; ++i)
        writeFile(QStringLiteral("questions/") + QLatin1String(datafiles::kClesThemes[i]), "");
    QDir(m_folder.path()).mkpath(QStringLiteral("ecoutes"));
    for (int i = 0; i < 4; ++i)
        writeFile(QStringLiteral("ecoutes/morceau%1.wav").arg(i), "x");
    writeFile("fichier_texte.tpq", "\"/q/textes/rock.txt\",\"Rock & Pop\"\r\n");
    writeFile("fichier_texte2.tpq", "\"/q/textes/jazz.txt\",\"Jazz\"\r\n");

    Form1 &outil = platform::Screens::get<Form1>();
    outil.Show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    verifierImage(QStringLiteral("outil"), &outil);
}
