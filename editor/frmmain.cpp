#include "editor/frmmain.h"

#include "editor/frmabout.h"
#include "editor/toolbaricons.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>

namespace editor {

frmMain::frmMain(std::unique_ptr<Dialogues> dialogues) : m_dialogues(std::move(dialogues))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitreApplication);
    setWindowIcon(iconeProgramme());
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(mdiArea);
    creerMenus();
    creerBarreOutils();
    addToolBarBreak();
    creerBarreRecherche();
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::activerCommandesTexte);
    resize(800, 720);
    MDIForm_Load();
}

frmMain::~frmMain()
{
    // The area outlives this class's part of the window, and tells of its windows as they go.
    disconnect(mdiArea, nullptr, this, nullptr);
}

QAction *frmMain::menu(QMenu *parent, const QString &caption, void (frmMain::*handler)(),
                       const QKeySequence &shortcut)
{
    QAction *action = parent->addAction(caption, this, handler);
    action->setShortcut(shortcut);
    menus.insert(caption, action);
    return action;
}

void frmMain::creerMenus()
{
    QMenu *fichier = menuBar()->addMenu(QStringLiteral("Fichier"));
    menu(fichier, QStringLiteral("Nouveau"), &frmMain::NouveauDocument,
         QKeySequence(QStringLiteral("Ctrl+N")));
    menu(fichier, QStringLiteral("Ouvrir..."), &frmMain::mnuFileOpen_Click,
         QKeySequence(QStringLiteral("Ctrl+O")));
    fichier->addSeparator();
    menu(fichier, QStringLiteral("Enregistrer"), &frmMain::mnuFileSave_Click,
         QKeySequence(QStringLiteral("Ctrl+S")));
    menu(fichier, QStringLiteral("Enregistrer sous..."), &frmMain::mnuFileSaveAs_Click);
    fichier->addSeparator();
    menu(fichier, QStringLiteral("Insérer"), &frmMain::Inserer_Click);
    fichier->addSeparator();
    menu(fichier, QStringLiteral("Imprimer..."), &frmMain::mnuFilePrint_Click,
         QKeySequence(QStringLiteral("Ctrl+P")));
    fichier->addSeparator();
    menu(fichier, QStringLiteral("Quitter"), &frmMain::mnuFileExit_Click);

    QMenu *edition = menuBar()->addMenu(QStringLiteral("Édition"));
    m_commandesTexte << menu(edition, QStringLiteral("Couper"), &frmMain::mnuEditCut_Click)
                     << menu(edition, QStringLiteral("Copier"), &frmMain::mnuEditCopy_Click)
                     << menu(edition, QStringLiteral("Coller"), &frmMain::mnuEditPaste_Click);
    edition->addSeparator();
    // In the text, Del and Ctrl+A stay the editor's own keys, which do the same on a selection.
    m_commandesTexte << menu(edition, QStringLiteral("&Supprimer"), &frmMain::effacer_Click,
                             QKeySequence(Qt::Key_Delete))
                     << menu(edition, QStringLiteral("Supprimer tout"),
                             &frmMain::effacertout_Click);
    edition->addSeparator();
    m_commandesTexte << menu(edition, QStringLiteral("&Sélectionner tout"),
                             &frmMain::selectionnertout_Click,
                             QKeySequence(QStringLiteral("Ctrl+A")));

    QMenu *fenetre = menuBar()->addMenu(QStringLiteral("Fenêtre"));
    connect(fenetre, &QMenu::aboutToShow, this, [this, fenetre] {
        fenetre->clear();
        menu(fenetre, QStringLiteral("Nouvelle Fenêtre"), &frmMain::NouveauDocument);
        const QList<QMdiSubWindow *> fenetres = mdiArea->subWindowList();
        if (!fenetres.isEmpty())
            fenetre->addSeparator();
        for (int i = 0; i < fenetres.size(); ++i) {
            QMdiSubWindow *w = fenetres[i];
            QAction *a =
                fenetre->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(w->windowTitle()), this,
                                   [this, w] { mdiArea->setActiveSubWindow(w); });
            a->setCheckable(true);
            a->setChecked(w == mdiArea->currentSubWindow());
        }
    });
    menu(fenetre, QStringLiteral("Nouvelle Fenêtre"), &frmMain::NouveauDocument);

    QMenu *outils = menuBar()->addMenu(QStringLiteral("Outils"));
    menu(outils, QStringLiteral("Compter le nombre de questions"), &frmMain::compter_lignes_Click);
    menu(outils, QStringLiteral("Rechercher"), &frmMain::rechercher_Click);

    QMenu *aide = menuBar()->addMenu(QStringLiteral("Aide"));
    menu(aide, QStringLiteral("À propos de..."), &frmMain::mnuHelpAbout_Click);
}

void frmMain::creerBarreOutils()
{
    tbToolBar = addToolBar(QStringLiteral("tbToolBar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    struct Bouton {
        const char *key;
        const char *tooltip;
    };
    // An empty key is a separator.
    static constexpr Bouton kBoutons[] = {{"New", "Nouveau"},
                                          {"Open", "Ouvrir"},
                                          {"Save", "Enregistrer"},
                                          {"", ""},
                                          {"Print", "Imprimer"},
                                          {"", ""},
                                          {"Cut", "Couper"},
                                          {"Copy", "Copier"},
                                          {"Paste", "Coller"},
                                          {"", ""},
                                          {"Bold", "Bold"},
                                          {"Italic", "Italic"},
                                          {"Underline", "Underline"},
                                          {"", ""},
                                          {"Align Left", "Align Left"},
                                          {"Center", "Center"},
                                          {"Align Right", "Align Right"}};
    auto *alignements = new QActionGroup(this);
    for (const Bouton &b : kBoutons) {
        const QString key = QString::fromLatin1(b.key);
        if (key.isEmpty()) {
            tbToolBar->addSeparator();
            continue;
        }
        QAction *a = tbToolBar->addAction(iconeBouton(key), QString::fromLatin1(b.tooltip));
        a->setObjectName(key);
        a->setToolTip(QString::fromLatin1(b.tooltip));
        if (key == u"Bold" || key == u"Italic" || key == u"Underline")
            a->setCheckable(true);
        if (key == u"Align Left" || key == u"Center" || key == u"Align Right") {
            a->setCheckable(true);
            alignements->addAction(a);
        }
        if (key == u"Cut" || key == u"Copy" || key == u"Paste")
            m_commandesTexte << a;
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    tbToolBar->addSeparator();
    Combo1 = new QComboBox(tbToolBar);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const int taille : {8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 36, 48, 60, 72})
        Combo1->addItem(QString::number(taille));
    Combo1->setCurrentIndex(0);
    Combo1->setFixedWidth(platform::twipsToPixels(855) + 20);
    tbToolBar->addWidget(Combo1);
    connect(Combo1, &QComboBox::activated, this, &frmMain::Combo1_Click);
}

void frmMain::creerBarreRecherche()
{
    Toolbar_rechercher = addToolBar(QStringLiteral("Toolbar_rechercher"));
    Toolbar_rechercher->setObjectName(QStringLiteral("Toolbar_rechercher"));
    Toolbar_rechercher->setMovable(false);
    auto *zone = new QWidget(Toolbar_rechercher);
    zone->setFixedSize(platform::twipsToPixels(7935), platform::twipsToPixels(630));
    // The design places, widened and pushed right where the captions need more room.
    int droite = 0;
    auto placer = [&droite](QWidget *w, int left, int width) {
        const int x = std::max(platform::twipsToPixels(left), droite);
        const int largeur = std::max(platform::twipsToPixels(width), w->sizeHint().width());
        w->setGeometry(x, platform::twipsToPixels(120), largeur, platform::twipsToPixels(375));
        droite = x + largeur + 4;
    };
    Txt_Find = new platform::TextBox(zone, QStringLiteral("Txt_Find"));
    placer(Txt_Find, 120, 3015);
    Cmd_Find =
        new platform::CommandButton(zone, QStringLiteral("Cmd_Find"), QStringLiteral("&Chercher"));
    placer(Cmd_Find, 3240, 1095);
    Chk_Casse = new platform::CheckBox(zone, QStringLiteral("Chk_Casse"),
                                       QStringLiteral("Respecter la casse ?"));
    placer(Chk_Casse, 4440, 1815);
    Opt_Haut = new platform::OptionButton(zone, QStringLiteral("Opt_Haut"), QStringLiteral("Haut"));
    placer(Opt_Haut, 6360, 735);
    Opt_Bas = new platform::OptionButton(zone, QStringLiteral("Opt_Bas"), QStringLiteral("Bas"));
    placer(Opt_Bas, 7080, 735);
    zone->setFixedWidth(std::max(zone->width(), droite));
    Toolbar_rechercher->addWidget(zone);
    Toolbar_rechercher->hide();
    connect(Txt_Find, &platform::TextBox::Change, this, &frmMain::Txt_Find_Change);
    connect(Cmd_Find, &platform::CommandButton::Click, this, &frmMain::Cmd_Find_Click);
    // Return in the search box searches, as the button's access key does.
    connect(Txt_Find, &QLineEdit::returnPressed, this, [this] {
        if (Cmd_Find->isEnabled())
            Cmd_Find_Click();
    });
}

void frmMain::MDIForm_Load()
{
    NouveauDocument();
}

void frmMain::NouveauDocument()
{
    ++m_nombreDocuments;
    auto *document = new Form1;
    document->setCaption(QStringLiteral("Document %1").arg(m_nombreDocuments));
    document->installEventFilter(this);
    connect(document, &Form1::pageAffichee, this, &frmMain::activerCommandesTexte);
    QMdiSubWindow *fenetre = mdiArea->addSubWindow(document);
    fenetre->resize(fenetre->sizeHint());
    fenetre->show();
    mdiArea->setActiveSubWindow(fenetre);
    document->RichTextBox1->setFocus();
}

Form1 *frmMain::documentActif() const
{
    QMdiSubWindow *fenetre = mdiArea->currentSubWindow();
    return fenetre ? qobject_cast<Form1 *>(fenetre->widget()) : nullptr;
}

bool frmMain::texteAffiche() const
{
    const Form1 *document = documentActif();
    return !document || document->page() == 0;
}

void frmMain::activerCommandesTexte()
{
    // A page of the wizard hides the text: its commands, keys included, would act on it unseen,
    // and disabled they leave the keys to the page's own lists and boxes.
    for (QAction *commande : std::as_const(m_commandesTexte))
        commande->setEnabled(texteAffiche());
}

QList<Form1 *> frmMain::documents() const
{
    QList<Form1 *> liste;
    for (QMdiSubWindow *w : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *d = qobject_cast<Form1 *>(w->widget()))
            liste << d;
    }
    return liste;
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!fermerDocuments()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

bool frmMain::fermerDocuments()
{
    const QList<QMdiSubWindow *> fenetres = mdiArea->subWindowList();
    return std::all_of(fenetres.begin(), fenetres.end(),
                       [](QMdiSubWindow *fenetre) { return fenetre->close(); });
}

bool frmMain::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        auto *document = qobject_cast<Form1 *>(objet);
        if (document && !peutAbandonner(*document)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, event);
}

void frmMain::MDIForm_Unload()
{
    if (isMinimized())
        return;
    const QRect g = frameGeometry();
    QSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("MainLeft"), QString::number(platform::pixelsToTwips(g.x())));
    settings.setValue(QStringLiteral("MainTop"), QString::number(platform::pixelsToTwips(g.y())));
    settings.setValue(QStringLiteral("MainWidth"),
                      QString::number(platform::pixelsToTwips(g.width())));
    settings.setValue(QStringLiteral("MainHeight"),
                      QString::number(platform::pixelsToTwips(g.height())));
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

} // namespace editor
