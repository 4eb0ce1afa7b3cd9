// The editor's main window: the document windows, menus, toolbar and find bar.
#pragma once

#include "editor/dialogues.h"
#include "editor/form1.h"
#include "platform/controls.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMap>
#include <QMdiArea>
#include <QToolBar>

#include <memory>

class QPrinter;

namespace editor {

// The product name: window captions, message titles, the About box.
inline const QString kTitreApplication = QStringLiteral("Tempello Quiz Creator");

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(std::unique_ptr<Dialogues> dialogues = dialoguesQt());
    ~frmMain() override;

    QMdiArea *mdiArea;
    QToolBar *tbToolBar;
    QComboBox *Combo1;
    QToolBar *Toolbar_rechercher;
    platform::TextBox *Txt_Find;
    platform::CommandButton *Cmd_Find;
    platform::CheckBox *Chk_Casse;
    platform::OptionButton *Opt_Haut, *Opt_Bas;
    // Menu items by caption, for the shortcuts and the find bar's toggle.
    QMap<QString, QAction *> menus;

    // The document window with the focus among the children, or none.
    Form1 *documentActif() const;
    QList<Form1 *> documents() const;

    void MDIForm_Load();
    void NouveauDocument();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();

    void mnuFileOpen_Click();
    void Inserer_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    // Prints the document's text, or its selection when `printer` asks for the selection only.
    static void imprimer(const Form1 &document, QPrinter &printer);

    void tbToolBar_ButtonClick(const QString &key);
    void Combo1_Click();
    void compter_lignes_Click();
    void effacer_Click();
    void effacertout_Click();
    void selectionnertout_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();

    void rechercher_Click();
    void Txt_Find_Change();
    void Cmd_Find_Click();
    void Trouve_Le();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A document window about to close asks about its changes.
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void creerMenus();
    void creerBarreOutils();
    void creerBarreRecherche();
    QAction *menu(QMenu *parent, const QString &caption, void (frmMain::*handler)(),
                  const QKeySequence &shortcut = {});
    void MDIForm_Unload();
    // Reads a file's text; an "Erreur" message and nothing when it cannot be read.
    std::optional<TexteLu> lireFichier(const QString &chemin);
    // Open and insert alike: the active document (a new one when none is open) and the file
    // chosen for it; nothing when the choice is cancelled.
    struct Choisi {
        Form1 *document;
        QString chemin;
    };
    std::optional<Choisi> choisirFichier();
    // Writes the document whole to `chemin`; an "Erreur" message and false when it fails.
    bool enregistrerDans(Form1 &document, const QString &chemin);
    // A never-named document: "Document n".
    static bool sansNom(const Form1 &document);
    // Before `document` is written to `chemin`, a name chosen in the save dialog: whether the
    // file there may go. Another file is replaced only when the user says so; the document's
    // own file, or no file, asks nothing.
    static bool peutRemplacer(const Form1 &document, const QString &chemin);
    // "Enregistrer" on `document`; false when it was cancelled or failed.
    bool enregistrer(Form1 &document);
    // Before a document's text is dropped: a document holding changes asks whether to save
    // them. False when the user cancels, or the save he asked for did not happen.
    bool peutAbandonner(Form1 &document);
    // Closes every document window, each asking about its changes; false when one stays.
    bool fermerDocuments();
    void basculerStyle(const QString &key);
    // Whether the text of the active document is on show, rather than its wizard.
    bool texteAffiche() const;
    // The commands on the text are on while the text is on show.
    void activerCommandesTexte();

    std::unique_ptr<Dialogues> m_dialogues;
    int m_nombreDocuments = 0;
    QList<QAction *> m_commandesTexte;
    QString m_texteCherche;
};

} // namespace editor
