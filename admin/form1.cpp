// The window's controls, where they stand (twips) and which handler each runs.
#include "admin/form1.h"

#include "admin/dessins.h"
#include "admin/regles.h"

#include <QFileDialog>

using namespace platform;
using admin::ComboBox;
using admin::Frame;

namespace {
constexpr std::uint32_t kBlanc = 0xFFFFFF;
constexpr int kPacks = 19;

// The packs' boxes, in theme order, with the name of their question pack.
const std::array<const char *, kPacks> kNomsPacks = {"Les compositeurs",
                                                     "Les visages des musiciens",
                                                     "Les instruments",
                                                     "Le lexique musical",
                                                     "Niveau 1",
                                                     "Niveau 2",
                                                     "Niveau 3",
                                                     "Niveau 4",
                                                     "Niveau 5",
                                                     "Niveau 6",
                                                     "Niveau 7",
                                                     "Niveau 1",
                                                     "Niveau 2",
                                                     "Niveau 3",
                                                     "Niveau 4",
                                                     "Niveau 5",
                                                     "Niveau 6",
                                                     "Niveau 7",
                                                     "Les écoutes musicales"};

template <class C> C *blanc(C *control)
{
    control->setBackColor(kBlanc);
    return control;
}

void police(QWidget *widget, double points)
{
    QFont f = widget->font();
    f.setFamily(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    widget->setFont(f);
}
} // namespace

Form1::Form1() : Form(QString::fromLatin1(formName))
{
    setWindowFlag(Qt::FramelessWindowHint);
    setCaption(QStringLiteral("Administration de Tempello Quiz"));
    setClientSize(12000, 9000);
    police(this, 9.75);
    setPicture(admin::fondOutil());

    construireTypeEtPoints();
    construireBruitagesEtDivers();
    construireThemes();
    construireEmplacements();

    Command_supprimer_questions = blanc(
        new admin::BoutonMultiligne(this, "Command_supprimer_questions",
                                    QStringLiteral("Supprimer les scores du quiz \"Questions\"")));
    Command_supprimer_questions->Move(9540, 6630, 2055, 675);
    Command_supprimer_temps = blanc(new admin::BoutonMultiligne(
        this, "Command_supprimer_temps", QStringLiteral("Supprimer les scores du quiz \"Temps\"")));
    Command_supprimer_temps->Move(9540, 7410, 2055, 675);
    Image_quitter = new Image(this, "Image_quitter");
    Image_quitter->Move(60, 8460, 480, 480);
    Image_quitter->setPicture(admin::flecheRetour());
    Image_quitter->setToolTip(QStringLiteral("Retour"));
    Image_quitter->setMousePointer(vbCustom);

    connect(Command_supprimer_questions, &CommandButton::Click, this,
            &Form1::Command_supprimer_questions_Click);
    connect(Command_supprimer_temps, &CommandButton::Click, this,
            &Form1::Command_supprimer_temps_Click);
    connect(Image_quitter, &Image::Click, this, &Form1::Image_quitter_Click);

    m_choixFichier = [this](const QString &dossier) -> std::optional<QString> {
        const QString chemin =
            QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir un fichier texte"), dossier,
                                         QStringLiteral("Textes (*.txt)"));
        if (chemin.isEmpty())
            return std::nullopt;
        return chemin;
    };
}

void Form1::construireTypeEtPoints()
{
    Frame1 = blanc(new Frame(this, "Frame1", QStringLiteral("Type de Quiz")));
    Frame1->Move(6210, 270, 5025, 1005);
    Option_question = blanc(new OptionButton(
        Frame1, "Option_question", QStringLiteral("Questions (       questions à chaque partie)")));
    Option_question->Move(180, 240, 4305, 375);
    Option_question->setValue(true);
    Text_nombre_questions = new TextBox(Frame1, "Text_nombre_questions");
    Text_nombre_questions->Move(1440, 300, 375, 285);
    Option_temps = blanc(new OptionButton(Frame1, "Option_temps", QStringLiteral("Temps : ")));
    Option_temps->Move(180, 570, 1005, 285);
    Text_nombre_secondes = new TextBox(Frame1, "Text_nombre_secondes");
    Text_nombre_secondes->Move(1230, 600, 405, 285);
    for (TextBox *t : {Text_nombre_questions, Text_nombre_secondes}) {
        // Three digits fill the narrow boxes that stand in the gaps of their captions.
        police(t, 8.25);
        t->setAlignment(Qt::AlignCenter);
        t->setMaxLength(3);
        t->setText(QStringLiteral("999"));
        t->raise();
    }
    // The minutes stand in the gap of "secondes (", on the same line.
    Label3 = new Label(Frame1, "Label3", QStringLiteral("secondes (          minutes)"));
    Label3->Move(1710, 600, 2715, 375);
    Label3->setWordWrap(false);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_minutes = new Label(Frame1, "Label_minutes", QStringLiteral("00,11"));
    Label_minutes->Move(2730, 600, 465, 285);
    Label_minutes->setBackColor(kSystemWindowColour);
    Label_minutes->setForeColor(kSystemWindowText);
    Label_minutes->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label_minutes->setWordWrap(false);

    Frame9 = blanc(new Frame(this, "Frame9", QStringLiteral("Nombre de points à chaque réponse")));
    Frame9->Move(6210, 1320, 5025, 1125);
    Label2 = new Label(Frame9, "Label2", QStringLiteral("Nombre de points gagnés"));
    Label2->Move(120, 360, 2355, 315);
    Combo_points_gagnes = new ComboBox(Frame9, "Combo_points_gagnes");
    Combo_points_gagnes->Move(2580, 360, 2235, 315);
    Label1 = new Label(Frame9, "Label1", QStringLiteral("Nombre de points perdus"));
    Label1->Move(120, 720, 2415, 255);
    Combo_points = new ComboBox(Frame9, "Combo_points");
    Combo_points->Move(2580, 720, 2235, 315);
    Combo_points_gagnes->remplir(admin::entreesPointsGagnes(true));
    Combo_points->remplir(admin::entreesPointsPerdus(true));

    connect(Option_question, &OptionButton::Click, this, &Form1::Option_question_Click);
    connect(Option_temps, &OptionButton::Click, this, &Form1::Option_temps_Click);
    connect(Text_nombre_secondes, &TextBox::Change, this, &Form1::Text_nombre_secondes_Change);
}

void Form1::construireBruitagesEtDivers()
{
    Frame2 = blanc(new Frame(this, "Frame2", QStringLiteral("Bruitages")));
    Frame2->Move(6240, 2490, 5025, 2055);
    Check_bruitage_vrai =
        blanc(new CheckBox(Frame2, "Check_bruitage_vrai",
                           QStringLiteral("Entendre un son lorsque la réponse est bonne")));
    Check_bruitage_vrai->Move(180, 300, 4515, 375);
    Combo_bruitage_vrai = new ComboBox(Frame2, "Combo_bruitage_vrai");
    Combo_bruitage_vrai->Move(180, 660, 1995, 315);
    Combo_bruitage_vrai->remplir({QStringLiteral("Ding"), QStringLiteral("Applaudissements")});
    Check_bruitage_faux =
        blanc(new CheckBox(Frame2, "Check_bruitage_faux",
                           QStringLiteral("Entendre un son lorsque la réponse est fausse")));
    Check_bruitage_faux->Move(150, 1020, 4515, 345);
    Combo_bruitage_faux = new ComboBox(Frame2, "Combo_bruitage_faux");
    Combo_bruitage_faux->Move(210, 1380, 1965, 315);
    Combo_bruitage_faux->remplir({QStringLiteral("Buzzer"), QStringLiteral("Huées")});
    Check_tictac = blanc(new CheckBox(
        Frame2, "Check_tictac", QStringLiteral("Entendre le tic-tac de Tempello pendant le jeu")));
    Check_tictac->Move(150, 1680, 4515, 345);

    Frame3 = blanc(new Frame(this, "Frame3", QStringLiteral("Divers")));
    Frame3->Move(6210, 4590, 5025, 1155);
    Check_musique = blanc(new CheckBox(Frame3, "Check_musique",
                                       QStringLiteral("Entendre une musique au démarrage du jeu")));
    Check_musique->Move(120, 270, 4515, 255);
    Check_bouton_option = blanc(new CheckBox(Frame3, "Check_bouton_option",
                                             QStringLiteral("Autoriser l'accès aux options")));
    Check_bouton_option->Move(120, 540, 4155, 255);
    Check_speech =
        blanc(new CheckBox(Frame3, "Check_speech", QStringLiteral("Activer la synthèse vocale")));
    Check_speech->Move(120, 810, 4155, 255);

    for (CheckBox *c : {Check_bruitage_vrai, Check_bruitage_faux, Check_tictac, Check_musique})
        c->setValue(1);
}

void Form1::construireThemes()
{
    Frame4 = blanc(new Frame(this, "Frame4", QStringLiteral("Choix des thèmes")));
    Frame4->Move(540, 240, 4725, 8175);
    // The levels start under the clef frames' titles, and the frames grow to hold them.
    Frame6 = blanc(new Frame(Frame4, "Frame6", QStringLiteral("Clé de sol")));
    Frame6->Move(180, 1560, 2115, 1995);
    Frame7 = blanc(new Frame(Frame4, "Frame7", QStringLiteral("Clé de fa")));
    Frame7->Move(2400, 1560, 2175, 1995);

    const std::array<int, 5> colonne = {0, 1, 2, 3, 18};
    for (int i = 0; i < kPacks; ++i) {
        const QString cle = QString::fromLatin1(datafiles::kClesThemes[i]);
        Frame *cadre = i >= 4 && i < 11 ? Frame6 : i >= 11 && i < 18 ? Frame7 : Frame4;
        auto *box = blanc(
            new CheckBox(cadre, QStringLiteral("Check_") + cle, QString::fromUtf8(kNomsPacks[i])));
        police(box, 9);
        box->setValue(1);
        if (cadre == Frame4) {
            const int rang = int(std::find(colonne.begin(), colonne.end(), i) - colonne.begin());
            box->Move(180, 300 + 240 * rang, i == 0 ? 4155 : 4065, 255);
        } else {
            const int niveau = (i - 4) % 7;
            box->Move(120, 270 + 240 * niveau, niveau < 2 ? 1125 : 1185, 255);
        }
        Check_themes[i] = box;
    }
}

void Form1::construireEmplacements()
{
    Frame8 = blanc(new Frame(Frame4, "Frame8", QStringLiteral("Fichiers textes")));
    Frame8->Move(180, 3600, 4395, 4455);
    for (int slot = 1; slot <= datafiles::kNombreEmplacements; ++slot) {
        const QString suffixe = slot == 1 ? QString() : QString::number(slot);
        const int haut = 240 + 490 * (slot - 1);
        auto *ouvrir = blanc(new CommandButton(
            Frame8, QStringLiteral("Command_ouvrir_texte") + suffixe, QStringLiteral("Ouvrir")));
        ouvrir->Move(120, haut, 1095, 435);
        auto *box = blanc(new CheckBox(Frame8, QStringLiteral("Check_fichier_texte") + suffixe));
        box->Move(1260, haut, 3015, 435);
        police(box, 9);
        box->setValue(1);
        auto *chemin = new Label(this, QStringLiteral("Label_chemin_fichier_texte") + suffixe);
        chemin->Move(120, 9240 + 340 * (slot - 1), 4095, 495);
        m_ouvrir[slot - 1] = ouvrir;
        m_chemins[slot - 1] = chemin;
        Check_themes[kPacks + slot - 1] = box;
        connect(ouvrir, &CommandButton::Click, this,
                [this, slot] { Command_ouvrir_texte_Click(slot); });
        connect(box, &CheckBox::Click, this, [this, slot] { Check_fichier_texte_Click(slot); });
    }
    Option_aleatoire =
        blanc(new OptionButton(Frame8, "Option_aleatoire", QStringLiteral("Questions aléatoires")));
    Option_aleatoire->Move(180, 3720, 1935, 255);
    Option_ordre =
        blanc(new OptionButton(Frame8, "Option_ordre", QStringLiteral("Questions dans l'ordre")));
    // Wide enough for its caption, up to the frame's edge.
    Option_ordre->Move(2220, 3720, 2115, 255);
    police(Option_aleatoire, 9);
    police(Option_ordre, 9);
    Command_telecharger =
        blanc(new CommandButton(Frame8, "Command_telecharger",
                                QStringLiteral("Télécharger des questionnaires sur Internet")));
    Command_telecharger->Move(120, 4020, 4155, 375);
    connect(Command_telecharger, &CommandButton::Click, this, &Form1::Command_telecharger_Click);
}

CommandButton *Form1::Command_ouvrir_texte(int slot) const
{
    return m_ouvrir.at(slot - 1);
}

CheckBox *Form1::Check_fichier_texte(int slot) const
{
    return Check_themes.at(kPacks + slot - 1);
}

Label *Form1::Label_chemin_fichier_texte(int slot) const
{
    return m_chemins.at(slot - 1);
}

CheckBox *Form1::Check_theme(const QString &key) const
{
    for (std::size_t i = 0; i < datafiles::kClesThemes.size(); ++i) {
        if (key == QLatin1String(datafiles::kClesThemes[i]))
            return Check_themes[i];
    }
    return nullptr;
}
