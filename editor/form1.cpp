#include "editor/form1.h"

#include "editor/questionline.h"
#include "platform/messagebox.h"
#include "platform/picturefile.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QRegularExpressionValidator>
#include <QTextBlock>
#include <QTextLayout>

namespace editor {

namespace {

template <class W> void placer(W *w, const TwipsRect &r)
{
    w->setGeometry(platform::twipsToPixels(r.left), platform::twipsToPixels(r.top),
                   platform::twipsToPixels(r.width), platform::twipsToPixels(r.height));
}

QGroupBox *cadre(QWidget *parent, const QString &name, const QString &titre)
{
    auto *c = new QGroupBox(titre, parent);
    c->setObjectName(name);
    placer(c, kFrame);
    return c;
}

// A double quote or a line break would split or shift the question line.
platform::TextBox *boiteItem(QWidget *parent, const QString &name, const TwipsRect &place)
{
    auto *boite = new platform::TextBox(parent, name);
    static const QRegularExpression permis(QStringLiteral("[^\"\\r\\n\\x{2028}\\x{2029}]*"));
    boite->setValidator(new QRegularExpressionValidator(permis, boite));
    placer(boite, place);
    return boite;
}

// A control whose caption does not fit its design width grows to the right.
void elargir(QWidget *w)
{
    w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
}

platform::Label *etiquette(QWidget *parent, const QString &name, const QString &caption,
                           const TwipsRect &boite)
{
    auto *l = new platform::Label(parent, name, caption);
    placer(l, {boite.left, boite.top - 300, boite.width, 285});
    return l;
}

std::array<platform::CommandButton *, 3> boutons(QWidget *parent, const QStringList &noms,
                                                 const QStringList &captions, int top)
{
    std::array<platform::CommandButton *, 3> b{};
    for (int i = 0; i < 3; ++i) {
        b[i] = new platform::CommandButton(parent, noms[i], captions[i]);
        placer(b[i], {kBoutonLefts[i], top, kBoutonWidth, kBoutonHeight});
    }
    return b;
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(formName));
    resize(platform::twipsToPixels(kForm1Client.width),
           platform::twipsToPixels(kForm1Client.height));

    Frame_text = cadre(this, QStringLiteral("Frame_text"), {});
    RichTextBox1 = new QTextEdit(Frame_text);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setLineWrapMode(QTextEdit::FixedPixelWidth);
    RichTextBox1->setLineWrapColumnOrWidth(platform::twipsToPixels(kMargeDroite));
    RichTextBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Files hold plain text: pasting keeps the text and leaves its formatting behind.
    RichTextBox1->setAcceptRichText(false);
    placer(RichTextBox1, kRichTextBox1);
    connect(RichTextBox1->document(), &QTextDocument::contentsChange, this,
            &Form1::garderLignesLongues);
    Command_ajouter_questions =
        new platform::CommandButton(Frame_text, QStringLiteral("Command_ajouter_questions"),
                                    QStringLiteral("Ajouter une question"));
    placer(Command_ajouter_questions, kCommandAjouter);
    // Shift+Tab from the text reaches the wizard's button.
    setTabOrder(Command_ajouter_questions, RichTextBox1);

    creerPage1();
    creerPagesMedia();

    connect(Command_ajouter_questions, &platform::CommandButton::Click, this,
            &Form1::Command_ajouter_questions_Click);
    Form_Load();
}

void Form1::creerPage1()
{
    Frame_question1 =
        cadre(this, QStringLiteral("Frame_question1"), QStringLiteral("Questions/Réponses"));
    Label1 =
        etiquette(Frame_question1, QStringLiteral("Label1"), QStringLiteral("Question"), kQuestion);
    Question = boiteItem(Frame_question1, QStringLiteral("Question"), kQuestion);
    const char *labels[4] = {"Label2", "Label4", "Label5", "Label3"};
    for (int i = 0; i < 4; ++i) {
        const TwipsRect place{kQuestion.left, kReponseTops[i], kQuestion.width, kQuestion.height};
        const QString caption = QStringLiteral("Réponse %1").arg(i + 1);
        LabelReponse[i] =
            etiquette(Frame_question1, QString::fromLatin1(labels[i]), caption, place);
        Reponse[i] = boiteItem(Frame_question1, QStringLiteral("Reponse%1").arg(i + 1), place);
        Option[i] = new platform::OptionButton(Frame_question1,
                                               QStringLiteral("Option%1").arg(i + 1), caption);
        placer(Option[i], {kOptionLefts[i], kOptionTop, kOptionWidth, kOptionHeight});
        elargir(Option[i]);
    }
    Label6 =
        etiquette(Frame_question1, QStringLiteral("Label6"), QStringLiteral("Réponse correcte"),
                  {kOptionLefts[0], kOptionTop, 4000, kOptionHeight});
    Option[0]->setValue(true);
    // Through the five texts first, then the right answer.
    QWidget *ordre[] = {Question,  Reponse[0], Reponse[1], Reponse[2], Reponse[3],
                        Option[0], Option[1],  Option[2],  Option[3]};
    for (std::size_t i = 0; i + 1 < std::size(ordre); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);
    const auto b =
        boutons(Frame_question1, {"Command_retour1", "Command_effacer", "Command_suivant1"},
                {"Retour", "Effacer", "Suivant"}, kBoutonTopPage1);
    Command_retour1 = b[0];
    Command_effacer = b[1];
    Command_suivant1 = b[2];
    connect(Command_retour1, &platform::CommandButton::Click, this, [this] { afficherPage(0); });
    connect(Command_effacer, &platform::CommandButton::Click, this, &Form1::Command_effacer_Click);
    connect(Command_suivant1, &platform::CommandButton::Click, this, [this] { afficherPage(2); });
    Frame_question1->hide();
}

// The picture page and the sound page hold the same controls in other places, with their own
// handlers. A legend is as wide as its caption on one line; its path box starts after it.
struct Form1::ModelePageMedia {
    const char *cadre, *titre;
    const char *dossiers;
    TwipsRect placeDossiers;
    const char *fichiers, *motif;
    TwipsRect placeFichiers;
    const char *legende, *texteLegende;
    const char *chemin;
    TwipsRect placeChemin;
    std::array<const char *, 3> boutons;
    void (Form1::*changementDossier)();
    void (Form1::*clicFichier)();
    void (Form1::*annulation)();
    void (Form1::*suivant)(); // none: the next page
};

void Form1::creerPageMedia(int page, const ModelePageMedia &m, const PageMedia &p)
{
    p.cadre = cadre(this, QString::fromLatin1(m.cadre), QString::fromUtf8(m.titre));
    p.dossiers = new DirListBox(p.cadre, QString::fromLatin1(m.dossiers));
    placer(p.dossiers, m.placeDossiers);
    p.fichiers =
        new FileListBox(p.cadre, QString::fromLatin1(m.fichiers), QString::fromLatin1(m.motif));
    placer(p.fichiers, m.placeFichiers);
    p.legende = new platform::Label(p.cadre, QString::fromLatin1(m.legende),
                                    QString::fromUtf8(m.texteLegende));
    p.legende->setWordWrap(false);
    p.chemin = boiteItem(p.cadre, QString::fromLatin1(m.chemin), m.placeChemin);
    constexpr int kEcart = 120;
    placer(p.legende, {kQuestion.left, m.placeChemin.top,
                       m.placeChemin.left - kEcart - kQuestion.left, m.placeChemin.height});
    elargir(p.legende);
    const int gauche =
        std::max(p.chemin->x(), p.legende->geometry().right() + platform::twipsToPixels(kEcart));
    p.chemin->setGeometry(gauche, p.chemin->y(), p.chemin->geometry().right() + 1 - gauche,
                          p.chemin->height());
    const auto b = boutons(p.cadre,
                           {QString::fromLatin1(m.boutons[0]), QString::fromLatin1(m.boutons[1]),
                            QString::fromLatin1(m.boutons[2])},
                           {"Retour", "Annuler", "Suivant"}, kBoutonTopPages23);
    p.retour = b[0];
    p.annuler = b[1];
    p.suivant = b[2];
    connect(p.dossiers, &DirListBox::Change, this, m.changementDossier);
    connect(p.fichiers, &platform::ListBox::Click, this, m.clicFichier);
    connect(p.retour, &platform::CommandButton::Click, this,
            [this, page] { afficherPage(page - 1); });
    connect(p.annuler, &platform::CommandButton::Click, this, m.annulation);
    if (m.suivant)
        connect(p.suivant, &platform::CommandButton::Click, this, m.suivant);
    else
        connect(p.suivant, &platform::CommandButton::Click, this,
                [this, page] { afficherPage(page + 1); });
    p.cadre->hide();
}

void Form1::creerPagesMedia()
{
    static constexpr ModelePageMedia kImage{
        "Frame_question2",
        "Ajouter une image",
        "Dir_image",
        kDirImage,
        "File_image",
        "*.jpg;*.bmp",
        kFileImage,
        "Label7",
        "Chemin de l'image",
        "Chemin_Image",
        kCheminImage,
        {"Command_retour2", "Command_annuler1", "Command_suivant2"},
        &Form1::Dir_image_Change,
        &Form1::File_image_Click,
        &Form1::Command_annuler1_Click,
        nullptr};
    static constexpr ModelePageMedia kSon{
        "Frame_question3",
        "Ajouter une musique ou un son",
        "Dir_musique",
        kDirMusique,
        "File_musique",
        "*.mid;*.mp3;*.wav",
        kFileMusique,
        "Label8",
        "Chemin de la musique ou du son",
        "Chemin_musique",
        kCheminMusique,
        {"Command_retour3", "Command_annuler2", "Command_suivant3"},
        &Form1::Dir_musique_Change,
        &Form1::File_musique_Click,
        &Form1::Command_annuler2_Click,
        &Form1::Command_suivant3_Click};

    creerPageMedia(2, kImage,
                   {Frame_question2, Dir_image, File_image, Label7, Chemin_Image, Command_retour2,
                    Command_annuler1, Command_suivant2});
    Picture_question =
        new platform::PictureBox(Frame_question2, QStringLiteral("Picture_question"));
    Picture_question->setAlignment(Qt::AlignCenter);
    Picture_question->setFrameShape(QFrame::Box);
    placer(Picture_question, kPictureQuestion);
    creerPageMedia(3, kSon,
                   {Frame_question3, Dir_musique, File_musique, Label8, Chemin_musique,
                    Command_retour3, Command_annuler2, Command_suivant3});
}

QString Form1::dossierImages()
{
    return QDir::cleanPath(platform::programPath(QStringLiteral("images")));
}

QString Form1::dossierAudio()
{
    return QDir::cleanPath(platform::programPath(QStringLiteral("audio")));
}

void Form1::Form_Load()
{
    Dir_musique->setPath(dossierAudio());
    Dir_image->setPath(dossierImages());
    Form_Resize();
}

QSize Form1::sizeHint() const
{
    return {platform::twipsToPixels(kForm1Client.width),
            platform::twipsToPixels(kForm1Client.height)};
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    const MiseEnPage m =
        miseEnPage(platform::pixelsToTwips(width()), platform::pixelsToTwips(height()), m_editeur);
    m_editeur = m.editeur;
    placer(RichTextBox1, m.editeur);
    placer(Frame_text, {kFrame.left, kFrame.top, m.cadreLargeur, m.cadreHauteur});
    placer(Command_ajouter_questions, {static_cast<int>(m.boutonLeft), m.boutonTop,
                                       kCommandAjouter.width, kCommandAjouter.height});
}

void Form1::garderLignesLongues(int position, int, int ajoutes)
{
    // Far beyond a question line, and where laying a line out again starts to be felt.
    constexpr int kLigneLongue = 10000;
    const QTextDocument *document = RichTextBox1->document();
    for (QTextBlock bloc = document->findBlock(position);
         bloc.isValid() && bloc.position() <= position + ajoutes; bloc = bloc.next()) {
        if (bloc.length() > kLigneLongue)
            bloc.layout()->setCacheEnabled(true);
    }
}

QString Form1::texte() const
{
    QString t = RichTextBox1->document()->toRawText();
    for (QChar &c : t) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return t;
}

void Form1::setTexte(const QString &texte)
{
    // The editor takes a text set whole for a saved one.
    const bool modifie = this->modifie() || texte != this->texte();
    RichTextBox1->setPlainText(texte);
    setModifie(modifie);
}

int Form1::page() const
{
    const QGroupBox *pages[4] = {Frame_text, Frame_question1, Frame_question2, Frame_question3};
    for (int i = 0; i < 4; ++i) {
        if (!pages[i]->isHidden())
            return i;
    }
    return 0;
}

void Form1::afficherPage(int page)
{
    QGroupBox *pages[4] = {Frame_text, Frame_question1, Frame_question2, Frame_question3};
    QWidget *premiers[4] = {RichTextBox1, Question, File_image, File_musique};
    for (int i = 0; i < 4; ++i)
        pages[i]->setVisible(i == page);
    premiers[page]->setFocus();
    emit pageAffichee(page);
}

void Form1::viderQuestion()
{
    Question->setText({});
    for (auto *r : Reponse)
        r->setText({});
}

void Form1::Command_ajouter_questions_Click()
{
    viderQuestion();
    afficherPage(1);
}

void Form1::Command_effacer_Click()
{
    viderQuestion();
    afficherPage(1);
}

void Form1::Command_annuler1_Click()
{
    Picture_question->setPicture({});
    Chemin_Image->setText({});
    afficherPage(2);
}

void Form1::Command_annuler2_Click()
{
    Chemin_musique->setText({});
    afficherPage(3);
}

void Form1::Command_suivant3_Click()
{
    LigneQuestion ligne;
    ligne.question = Question->Text();
    for (int i = 0; i < 4; ++i)
        ligne.reponses[i] = Reponse[i]->Text();
    for (int i = 3; i >= 0; --i) {
        if (Option[i]->Value())
            ligne.bonneReponse = i + 1;
    }
    ligne.image = Chemin_Image->Text();
    ligne.son = Chemin_musique->Text();
    const LigneComposee composee = composerLigne(ligne);
    if (!composee.ok()) {
        // Nothing is appended; the wizard stays open so that the text can be mended.
        platform::MsgBox(composee.erreur, platform::vbExclamation, QStringLiteral("Attention!"));
        return;
    }
    afficherPage(0);
    setTexte(ajouterLigne(texte(), composee.texte));
}

void Form1::Dir_image_Change()
{
    if (!dansLeDossier(dossierImages(), Dir_image->Path())) {
        Dir_image->setPath(dossierImages());
        return;
    }
    File_image->setPath(Dir_image->Path());
    Picture_question->setPicture({});
    Chemin_Image->setText({});
}

void Form1::Dir_musique_Change()
{
    if (!dansLeDossier(dossierAudio(), Dir_musique->Path())) {
        Dir_musique->setPath(dossierAudio());
        return;
    }
    File_musique->setPath(Dir_musique->Path());
    Chemin_musique->setText({});
}

QString Form1::cheminChoisi(const QString &base, const DirListBox &dossiers,
                            const FileListBox &fichiers) const
{
    const QString chemin = cheminRelatif(base, dossiers.Path(), fichiers.FileName());
    if (chemin.contains(u'"') || chemin.contains(u'\n') || chemin.contains(u'\r')) {
        platform::MsgBox(QStringLiteral("Le chemin « %1 » contient un guillemet ou un retour à la "
                                        "ligne : il ne peut pas figurer dans une question.")
                             .arg(chemin),
                         platform::vbExclamation, QStringLiteral("Attention!"));
        return {};
    }
    return chemin;
}

void Form1::File_image_Click()
{
    const QString chemin = cheminChoisi(dossierImages(), *Dir_image, *File_image);
    Chemin_Image->setText(chemin);
    const QPixmap image =
        QPixmap::fromImage(platform::readPicture(QDir(dossierImages()).filePath(chemin)));
    Picture_question->setPicture(image.isNull() || chemin.isEmpty()
                                     ? QPixmap()
                                     : image.scaled(Picture_question->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
}

void Form1::File_musique_Click()
{
    Chemin_musique->setText(cheminChoisi(dossierAudio(), *Dir_musique, *File_musique));
}

} // namespace editor
