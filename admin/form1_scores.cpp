// The two score-clearing buttons and the download page of further question packs.
#include "admin/form1.h"

#include "admin/regles.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/programfolder.h"
#include "platform/registry.h"

#include <QFile>
#include <QStandardPaths>

using namespace platform;

void Form1::Command_supprimer_questions_Click()
{
    effacerScores(QStringLiteral("Scoresquestion.tpq"));
}

void Form1::Command_supprimer_temps_Click()
{
    effacerScores(QStringLiteral("Scorestemps.tpq"));
}

// The game keeps its score files in the program folder, wherever the tool was started from.
void Form1::effacerScores(const QString &fichier)
{
    const int reponse =
        MsgBox(QStringLiteral("Les scores seront effacés si vous cliquez sur OK!\r\n"
                              "Il ne sera plus possible de les récupérer."),
               vbOKCancel + vbInformation, QStringLiteral("Attention!"));
    if (reponse == vbOK)
        QFile::remove(programPath(fichier));
}

QString Form1::chemin_navigateur()
{
    const auto valeur = registryValue(RegistryRoot::ClassesRoot,
                                      QStringLiteral("HTTP\\Shell\\Open\\command"), QString());
    return valeur ? admin::sansGuillemets(*valeur) : QString();
}

void Form1::Command_telecharger_Click()
{
    const QString navigateur = chemin_navigateur();
    if (navigateur.isEmpty()) {
        MsgBox(QStringLiteral("Le navigateur ne peut pas être trouvé. Veuillez le lancer depuis le "
                              "menu Démarrer en utilisant l'adresse ") +
                   kAdresseTelechargement,
               vbExclamation, QStringLiteral("Erreur!"));
        return;
    }
    // Started with an argument list, never through a shell; a failed start is not reported.
    const auto commande = admin::commandeNavigateur(navigateur, kAdresseTelechargement);
    if (!commande)
        return;
    const QString programme = QStandardPaths::findExecutable(commande->programme);
    if (!programme.isEmpty())
        startProgram(programme, commande->arguments);
}
