// The file commands of the main window: open, insert, save, save as and print.
#include "editor/frmmain.h"

#include "platform/messagebox.h"
#include "platform/wholefile.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

namespace editor {

namespace {

// A Windows-style filter "description|pattern" in Qt's form; the descriptions name their
// patterns already.
QString filtre(const char *windows)
{
    return QString::fromUtf8(windows).section(u'|', 0, 0);
}

const QString kFiltreOuvrir = filtre("Ficher texte (*.txt*)|*.txt*");
const QString kFiltreEnregistrer = filtre("Fichier texte (*.txt*)|*.txt*");
const QString kFiltreEnregistrerSous = filtre("Fichiers texte (*.txt*)|*.txt*");

void erreur(const QString &texte)
{
    platform::MsgBox(texte, platform::vbCritical, QStringLiteral("Erreur"));
}

// Far beyond any question file: a larger file is refused before it is read.
constexpr qint64 kPlusGrandFichier = 64 * 1024 * 1024;

// A size as people read it: "70 Mo", "812 octets".
QString taille(qint64 octets)
{
    constexpr qint64 kMo = 1024 * 1024;
    if (octets < kMo)
        return QStringLiteral("%1 octets").arg(octets);
    // Rounded up: a file just over the limit must not read as being at it.
    return QStringLiteral("%1 Mo").arg((octets + kMo - 1) / kMo);
}

} // namespace

std::optional<TexteLu> frmMain::lireFichier(const QString &chemin)
{
    const platform::FileRead lu = platform::readWholeFile(chemin, kPlusGrandFichier);
    switch (lu.status) {
    case platform::FileRead::Ok: return texteDuFichier(lu.bytes);
    case platform::FileRead::TooLarge:
        erreur(QStringLiteral("Le fichier %1 est trop grand pour être ouvert : il fait %2, et un "
                              "fichier de questions ne dépasse pas %3.")
                   .arg(chemin, taille(lu.size), taille(kPlusGrandFichier)));
        return std::nullopt;
    case platform::FileRead::Missing:
    case platform::FileRead::Unreadable: break;
    }
    erreur(QStringLiteral("Impossible de lire le fichier %1.").arg(chemin));
    return std::nullopt;
}

bool frmMain::enregistrerDans(Form1 &document, const QString &chemin)
{
    const OctetsAEcrire aEcrire = octetsDuTexte(document.texte(), document.finDeLigne());
    if (!aEcrire.ok()) {
        erreur(QStringLiteral("Impossible d'enregistrer %1.\n%2").arg(chemin, aEcrire.erreur));
        return false;
    }
    // The write's own message names the file and says why.
    const platform::WriteResult resultat = platform::writeWholeFile(chemin, aEcrire.octets);
    if (!resultat) {
        erreur(resultat.error);
        return false;
    }
    document.setModifie(false);
    return true;
}

bool frmMain::peutRemplacer(const Form1 &document, const QString &chemin)
{
    const QFileInfo fichier(chemin);
    if (!fichier.exists() && !fichier.isSymLink())
        return true;
    if (!sansNom(document) && fichier == QFileInfo(document.Caption()))
        return true;
    return platform::MsgBox(
               QStringLiteral("Le fichier %1 existe déjà. Voulez-vous le remplacer ?").arg(chemin),
               platform::vbYesNo | platform::vbExclamation, kTitreApplication) == platform::vbYes;
}

bool frmMain::sansNom(const Form1 &document)
{
    return document.Caption().startsWith(QLatin1String("Document"));
}

bool frmMain::enregistrer(Form1 &document)
{
    if (!sansNom(document))
        return enregistrerDans(document, document.Caption());
    const QString nom =
        m_dialogues->enregistrer(this, QStringLiteral("Enregistrer"), kFiltreEnregistrer);
    if (nom.isEmpty())
        return false;
    const QString chemin = nomAvecExtension(nom);
    return peutRemplacer(document, chemin) && enregistrerDans(document, chemin);
}

bool frmMain::peutAbandonner(Form1 &document)
{
    if (!document.modifie())
        return true;
    if (auto *fenetre = qobject_cast<QMdiSubWindow *>(document.parentWidget()))
        mdiArea->setActiveSubWindow(fenetre);
    const int reponse = platform::MsgBox(
        QStringLiteral("Enregistrer les modifications de %1 ?").arg(document.Caption()),
        platform::vbYesNoCancel | platform::vbExclamation, kTitreApplication);
    if (reponse == platform::vbYes)
        return enregistrer(document);
    return reponse == platform::vbNo;
}

std::optional<frmMain::Choisi> frmMain::choisirFichier()
{
    if (!documentActif())
        NouveauDocument();
    Form1 *document = documentActif();
    const QString chemin = m_dialogues->ouvrir(this, QStringLiteral("Ouvrir"), kFiltreOuvrir);
    if (chemin.isEmpty())
        return std::nullopt;
    return Choisi{document, chemin};
}

void frmMain::mnuFileOpen_Click()
{
    const auto choisi = choisirFichier();
    // Read only once the changes are dealt with: saving them may write the chosen file itself.
    if (!choisi || !peutAbandonner(*choisi->document))
        return;
    const auto lu = lireFichier(choisi->chemin);
    if (!lu)
        return;
    choisi->document->setTexte(lu->texte);
    choisi->document->setModifie(false);
    choisi->document->setFinDeLigne(lu->finDeLigne);
    choisi->document->setCaption(choisi->chemin);
}

void frmMain::Inserer_Click()
{
    const auto choisi = choisirFichier();
    if (!choisi)
        return;
    const auto lu = lireFichier(choisi->chemin);
    if (!lu)
        return;
    // The document keeps its own name: saving it never overwrites the inserted file.
    choisi->document->setTexte(choisi->document->texte() + u'\n' + lu->texte);
}

void frmMain::mnuFileSave_Click()
{
    if (Form1 *document = documentActif())
        enregistrer(*document);
}

void frmMain::mnuFileSaveAs_Click()
{
    Form1 *document = documentActif();
    if (!document)
        return;
    const QString nom =
        m_dialogues->enregistrer(this, QStringLiteral("Save As"), kFiltreEnregistrerSous);
    if (nom.isEmpty())
        return;
    const QString chemin = nomAvecExtension(nom);
    // The window takes the new name only once its file holds the text.
    if (peutRemplacer(*document, chemin) && enregistrerDans(*document, chemin))
        document->setCaption(chemin);
}

void frmMain::mnuFilePrint_Click()
{
    Form1 *document = documentActif();
    if (!document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(document->Caption()).fileName());
    if (!m_dialogues->imprimer(this, printer, document->RichTextBox1->textCursor().hasSelection()))
        return;
    imprimer(*document, printer);
}

void frmMain::imprimer(const Form1 &document, QPrinter &printer)
{
    // The window wraps its lines only at its far right margin, but paper must wrap them: a copy
    // of the text, or of the selection when the printer's range is the selection, wraps at the
    // page's width.
    const QTextDocument *texte = document.RichTextBox1->document();
    const QTextCursor curseur = document.RichTextBox1->textCursor();
    std::unique_ptr<QTextDocument> copie;
    if (printer.printRange() == QPrinter::Selection) {
        if (!curseur.hasSelection())
            return;
        copie = std::make_unique<QTextDocument>();
        copie->setDefaultFont(texte->defaultFont());
        QTextCursor(copie.get()).insertFragment(curseur.selection());
    } else {
        copie.reset(texte->clone());
    }
    QTextOption option = copie->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copie->setDefaultTextOption(option);
    copie->print(&printer);
}

} // namespace editor
