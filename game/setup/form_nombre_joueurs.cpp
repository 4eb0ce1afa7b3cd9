#include "game/setup/form_nombre_joueurs.h"

#include "game/avatars/form_photos.h"
#include "game/services/form_admin.h"
#include "game/services/module_nouveau_themes.h"
#include "game/setup/choix_partie.h"
#include "game/setup/form_accueil.h"
#include "platform/process.h"
#include "platform/screens.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPainter>

using namespace platform;

namespace {

constexpr int kLargeur = 12000;
constexpr int kHauteur = 9000;
constexpr std::uint32_t kBlanc = 0xFFFFFF;
const QString kJouer = QStringLiteral("Jouer");

// The screens of the game in the order the quit unloads them.
constexpr const char *kEcransAQuitter[] = {
    "Form_photos", "Form_admin", "Form_accueil", "Form_bruitage",
    "Form_fond",   "Form_score", "Form_jeu",     "Form_nombre_joueurs",
};

// Font sizes of the screen, in pixels at 96 dots per inch.
QFont policeGras(const QString &famille, int pixels)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QGroupBox *cadre(QWidget *parent, const QString &titre, const QRect &twips)
{
    auto *box = new QGroupBox(titre, parent);
    box->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                     twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    box->setFont(policeGras(QStringLiteral("Arial"), 11));
    // A white frame whose caption sits on its top line.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: white; border: 1px solid #a0a0a0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    return box;
}

Label *entree(QWidget *parent, const char *nom, const QString &texte, const QRect &twips)
{
    auto *label = new Label(parent, QString::fromLatin1(nom), texte);
    label->Move(twips.x(), twips.y(), twips.width(), twips.height());
    label->setWordWrap(false);
    label->setBackColor(kSystemWindowColour);
    label->setForeColor(kSystemWindowText);
    label->setFont(policeGras(QStringLiteral("Arial"), 13));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setToolTip(kJouer);
    label->setMousePointer(vbCustom);
    return label;
}

// The quit picture: a red disc with a white cross.
QPixmap imageQuitter()
{
    QPixmap p(40, 40);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x10, 0x10), 2));
    painter.setBrush(QColor(0xD8, 0x30, 0x30));
    painter.drawEllipse(QRectF(2, 2, 36, 36));
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(13, 13, 27, 27);
    painter.drawLine(27, 13, 13, 27);
    return p;
}

} // namespace

Form_nombre_joueurs::Form_nombre_joueurs() : Form(QString::fromLatin1(formName))
{
    setClientSize(kLargeur, kHauteur);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);

    auto *titre = new QLabel(QStringLiteral("Choisis un jeu"), this);
    titre->setGeometry(twipsToPixels(3240), twipsToPixels(960), twipsToPixels(6375),
                       twipsToPixels(315));
    titre->setAlignment(Qt::AlignCenter);
    titre->setFont(policeGras(QStringLiteral("Arial"), 15));

    QGroupBox *un = cadre(this, QStringLiteral("1 joueur"), {3240, 1440, 2985, 885});
    Label_1_joueur = entree(un, "Label_1_joueur", kJouer, {420, 360, 855, 285});

    QGroupBox *minutes = cadre(this, QStringLiteral("Score - 2 minutes"), {3240, 2400, 2985, 1125});
    Label_minutes = entree(minutes, "Label_minutes", kJouer, {420, 360, 855, 285});
    Label_score_minutes = entree(minutes, "Label_score_minutes", QStringLiteral("Voir les scores"),
                                 {420, 720, 1695, 285});

    QGroupBox *questions =
        cadre(this, QStringLiteral("Score - 20 questions"), {3240, 3600, 2985, 1125});
    Label_questions = entree(questions, "Label_questions", kJouer, {420, 360, 855, 285});
    Label_score_20_questions = entree(questions, "Label_score_20_questions",
                                      QStringLiteral("Voir les scores"), {420, 720, 1695, 285});

    QGroupBox *deux =
        cadre(this, QStringLiteral("2 joueurs en même temps"), {6480, 1440, 3225, 1845});
    Label_2_joueurs = entree(deux, "Label_2_joueurs", "2 joueurs", {420, 360, 1185, 285});
    Label_4_joueurs = entree(deux, "Label_4_joueurs", "4 joueurs", {420, 630, 1185, 285});
    Label_8_joueurs = entree(deux, "Label_8_joueurs", "8 joueurs", {420, 900, 1185, 285});
    Label_16_joueurs = entree(deux, "Label_16_joueurs", "16 joueurs", {420, 1170, 1305, 285});
    Label_32_joueurs = entree(deux, "Label_32_joueurs", "32 joueurs", {420, 1440, 1305, 285});

    QGroupBox *trois =
        cadre(this, QStringLiteral("3 joueurs en même temps"), {6480, 3360, 3225, 1365});
    Label_3_joueurs = entree(trois, "Label_3_joueurs", "3 joueurs", {420, 360, 1185, 285});
    Label_9_joueurs = entree(trois, "Label_9_joueurs", "9 joueurs", {420, 660, 1185, 285});
    Label_27_joueurs = entree(trois, "Label_27_joueurs", "27 joueurs", {420, 960, 1425, 285});

    Label_options = new Label(this, "Label_options",
                              QStringLiteral("Clique ici pour afficher les options (paramètres "
                                             "des quiz, choix des questionnaires, utilisation "
                                             "des bruitages...)"));
    Label_options->Move(6210, 5880, 1935, 1695);
    Label_options->setAlignment(Qt::AlignCenter);
    Label_options->setFont(policeGras(QStringLiteral("Arial"), 13));
    Label_options->setMousePointer(vbCustom);

    // The score marks, below the bottom edge: state, never seen.
    Label_score = new Label(this, "Label_score", "Label1");
    Label_score->Move(3240, 10320, 1200, 285);
    Label_score->setVisible(false);
    Label_score_oui_non = new Label(this, "Label_score_oui_non", "Label1");
    Label_score_oui_non->Move(4560, 10200, 1200, 285);
    Label_score_oui_non->setVisible(false);

    Image_quitter = new Image(this, "Image_quitter");
    Image_quitter->Move(11220, 8220, 600, 600);
    Image_quitter->setStretch(true);
    Image_quitter->setPicture(imageQuitter());
    Image_quitter->setToolTip(QStringLiteral("Quitter"));
    Image_quitter->setMousePointer(vbCustom);

    for (Label *label : labelsNombre())
        connect(label, &Label::Click, this, [this, label] { Label_nombre_Click(label); });
    connect(Label_minutes, &Label::Click, this, &Form_nombre_joueurs::Label_minutes_Click);
    connect(Label_questions, &Label::Click, this, &Form_nombre_joueurs::Label_questions_Click);
    connect(Label_score_20_questions, &Label::Click, this,
            &Form_nombre_joueurs::Label_score_20_questions_Click);
    connect(Label_score_minutes, &Label::Click, this,
            &Form_nombre_joueurs::Label_score_minutes_Click);
    connect(Label_options, &Label::Click, this, &Form_nombre_joueurs::Label_options_Click);
    connect(Label_options, &Label::MouseDown, this, &Form_nombre_joueurs::Label_options_MouseDown);
    connect(Label_options, &Label::MouseUp, this, &Form_nombre_joueurs::Label_options_MouseUp);
    connect(Image_quitter, &Image::Click, this, &Form_nombre_joueurs::Image_quitter_Click);
}

std::array<Label *, 9> Form_nombre_joueurs::labelsNombre() const
{
    return {Label_1_joueur,   Label_2_joueurs, Label_4_joueurs, Label_8_joueurs, Label_16_joueurs,
            Label_32_joueurs, Label_3_joueurs, Label_9_joueurs, Label_27_joueurs};
}

void Form_nombre_joueurs::Form_Load()
{
    centre();
    form_admin().Command_initialisation->setValue(true);
    setPicture(imageDuJeu(QStringLiteral("accueil2phylacteres")));
    Label_options->setVisible(form_admin().Check_bouton_option->Value() == 1);
    Screens::get<Form_photos>();
    // No question source is on: the settings tool is offered at once.
    if (Aucun_theme_actif())
        startProgram(QStringLiteral("Tempelgestion"));
}

void Form_nombre_joueurs::Label_nombre_Click(Label *choisi)
{
    Label_score_oui_non->setCaption(QStringLiteral("non"));
    Label_minutes->setAppearance(0);
    Label_score->setAppearance(0);
    Label_questions->setAppearance(0);
    choisi->setAppearance(1);
    for (Label *label : labelsNombre()) {
        if (label != choisi)
            label->setAppearance(0);
    }
    choisi->setBackColor(kSystemWindowColour);
    Preparer_choix_joueurs();
}

void Form_nombre_joueurs::Label_minutes_Click()
{
    Label_score_oui_non->setCaption(QStringLiteral("oui"));
    Label_score->setBackColor(kBlanc);
    Label_score->setAppearance(1);
    Label_questions->setAppearance(0);
    Label_minutes->setAppearance(1);
    Label_minutes->setBackColor(kSystemWindowColour);
    form_admin().Label_type_de_jeu->setCaption(QStringLiteral("temps"));
    Preparer_choix_joueurs();
}

void Form_nombre_joueurs::Label_questions_Click()
{
    Label_score->setAppearance(1);
    Label_score_oui_non->setCaption(QStringLiteral("oui"));
    Label_minutes->setAppearance(0);
    Label_questions->setAppearance(1);
    Label_questions->setBackColor(kSystemWindowColour);
    form_admin().Label_type_de_jeu->setCaption(QStringLiteral("question"));
    Preparer_choix_joueurs();
}

void Form_nombre_joueurs::Label_score_20_questions_Click()
{
    voirScores(QStringLiteral("question"));
}

void Form_nombre_joueurs::Label_score_minutes_Click()
{
    voirScores(QStringLiteral("temps"));
}

void Form_nombre_joueurs::voirScores(const QString &typeDeJeu)
{
    form_admin().Label_type_de_jeu->setCaption(typeDeJeu);
    Hide();
    auto *accueil = Screens::ifLoaded<Form_accueil>();
    if (accueil)
        accueil->Shape_score->setVisible(true);
    if (Form *scores = Screens::get(QStringLiteral("Form_score"))) {
        scores->ShowModal();
        return;
    }
    // Without a score window there is nothing to leave: the choice comes back at once.
    if (accueil)
        accueil->Shape_score->setVisible(false);
    Show();
}

void Form_nombre_joueurs::Label_options_Click()
{
    startProgram(QStringLiteral("Tempelgestion"));
}

void Form_nombre_joueurs::Label_options_MouseDown()
{
    Label_options->setAppearance(1);
    Label_options->setBackColor(kSystemWindowColour);
}

void Form_nombre_joueurs::Label_options_MouseUp()
{
    Label_options->setAppearance(0);
}

void Form_nombre_joueurs::Image_quitter_Click()
{
    quitterLeJeu();
}

void Form_nombre_joueurs::Preparer_choix_joueurs()
{
    Screens::unload(QStringLiteral("Form_jeu"));
    Charger_parametres();

    Form_photos &photos = form_photos();
    for (int p = 2; p <= Form_photos::kSlots; ++p) {
        photos.Label_photo(p)->setVisible(true);
        photos.Image_photo(p)->setVisible(true);
        photos.Text(p)->setVisible(true);
    }
    photos.Label_titre->setCaption(kTitrePluriel);

    MarquesChoix marques;
    marques.score = Label_score->Appearance() == 1;
    marques.minutes = Label_minutes->Appearance() == 1;
    marques.un = Label_1_joueur->Appearance() == 1;
    marques.deux = Label_2_joueurs->Appearance() == 1;
    marques.trois = Label_3_joueurs->Appearance() == 1;
    marques.quatre = Label_4_joueurs->Appearance() == 1;
    marques.huit = Label_8_joueurs->Appearance() == 1;
    marques.neuf = Label_9_joueurs->Appearance() == 1;
    marques.seize = Label_16_joueurs->Appearance() == 1;
    marques.vingtSept = Label_27_joueurs->Appearance() == 1;
    marques.trenteDeux = Label_32_joueurs->Appearance() == 1;

    if (const auto jeu = jeuChoisi(marques)) {
        if (const auto regles = reglesScore(*jeu)) {
            Form_admin &admin = form_admin();
            admin.Label_type_de_jeu->setCaption(regles->type_de_jeu);
            if (!regles->nombre_questions.isEmpty())
                admin.Text_nombre_questions->setText(regles->nombre_questions);
            if (!regles->nombre_secondes.isEmpty())
                admin.Text_nombre_secondes->setText(regles->nombre_secondes);
            admin.Label_points->setCaption(regles->points_perdus);
            admin.Label_points_gagnes->setCaption(regles->points_gagnes);
        }
        const auto disposition = dispositionAvatars(nombreParticipants(*jeu));
        const int n = disposition->participants;
        photos.Label_nombre_joueurs->setCaption(QString::number(n));
        for (int p = n + 1; p <= Form_photos::kSlots; ++p) {
            photos.Label_photo(p)->setVisible(false);
            photos.Image_photo(p)->setVisible(false);
            photos.Text(p)->setVisible(false);
        }
        for (int p = 1; p <= n; ++p) {
            const PlaceEmplacement place = placeEmplacement(*disposition, p);
            photos.Label_photo(p)->setLeft(place.numero.x());
            photos.Label_photo(p)->setTop(place.numero.y());
            photos.Image_photo(p)->setLeft(place.image.x());
            photos.Image_photo(p)->setTop(place.image.y());
            photos.Text(p)->setLeft(place.nom.x());
            photos.Text(p)->setTop(place.nom.y());
        }
        const QRect zone = disposition->zone;
        photos.Picture_photos->Move(zone.x(), zone.y(), zone.width(), zone.height());
        photos.Label_titre->setWidth(disposition->largeurTitre);
        photos.Label_titre->setHeight(disposition->hauteurTitre);
        photos.Label_titre->setTop(disposition->hautTitre);
        photos.setPicture(imageDuJeu(disposition->fond));
        if (disposition->singulier)
            photos.Label_titre->setCaption(kTitreSingulier);
    }
    photos.Show();
}

Form_nombre_joueurs &form_nombre_joueurs()
{
    return Screens::get<Form_nombre_joueurs>();
}

void quitterLeJeu()
{
    for (const char *ecran : kEcransAQuitter)
        Screens::unload(QString::fromLatin1(ecran));
    QCoreApplication::quit();
}
