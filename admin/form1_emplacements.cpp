// The seven text-file slots: choosing a slot's question file, and emptying a slot.
#include "admin/form1.h"

#include "admin/regles.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/wholefile.h"

#include <QFileInfo>

using namespace platform;

void Form1::Check_fichier_texte_Click(int slot)
{
    CheckBox *box = Check_fichier_texte(slot);
    if (box->Value() == 1)
        return;
    box->setEnabled(false);
    box->setCaption(QString());
    Label_chemin_fichier_texte(slot)->setCaption(QString());
}

void Form1::Command_ouvrir_texte_Click(int slot)
{
    const auto chemin = m_choixFichier(programPath(QStringLiteral("textes")));
    if (!chemin)
        return;
    setCaption(QFileInfo(*chemin).fileName());
    // A path that a slot file cannot hold is refused like a file that cannot be read.
    if (datafiles::textItemProblem(*chemin) || !isReadableFile(*chemin)) {
        MsgBox(QStringLiteral("Impossible d'ouvrir le fichier: ") + *chemin, vbOKOnly,
               QStringLiteral("Tempelgestion"));
        return;
    }
    Label_chemin_fichier_texte(slot)->setCaption(*chemin);
    CheckBox *box = Check_fichier_texte(slot);
    box->setCaption(admin::titreFichier(*chemin));
    box->setValue(1);
    box->setEnabled(true);
    // Written at once; a failure shows at the save, which writes the slot again.
    const QString fichier = programPath(datafiles::fichierEmplacement(slot));
    (void)datafiles::ecrireEnregistrement(
        fichier, datafiles::enregistrementEmplacement(*chemin, box->Caption()));
}
