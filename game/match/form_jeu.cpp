#include "game/match/form_jeu.h"

#include "game/avatars/form_photos.h"
#include "game/championship/matchcodes.h"
#include "game/match/form_jeu_pictures.h"
#include "game/services/dessins.h"
#include "game/services/highscorelist.h"
#include "game/services/respicture.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/errors.h"
#include "platform/programfolder.h"
#include "platform/screens.h"
#include "platform/speech.h"

#include <QPainter>

using namespace platform;
using jeu_layout::Rect;

namespace {

// Colours 0xBBGGRR: each slot paints in its own colour, as its right answers do.
constexpr std::uint32_t kCouleursJoueurs[3] = {0xFF0000, 0x0000FF, 0x00C000};
constexpr std::uint32_t kBlanc = 0xFFFFFF;
constexpr std::uint32_t kNoir = 0x000000;
constexpr std::uint32_t kRouge = 0x2020E0;
constexpr std::uint32_t kOr = 0x54CEFF;
constexpr std::uint32_t kCase = 0xFAF4EE;
// Clocks stand on a dark ground of their own: the backgrounds may be light or dark.
constexpr std::uint32_t kNuit = 0x4E2614;
constexpr std::uint32_t kTexteCase = 0x40201A;

QSize pixels(const Rect &r)
{
    return {twipsToPixels(r.width), twipsToPixels(r.height)};
}

template <class C> void place(C *control, const Rect &r)
{
    control->Move(r.left, r.top, r.width, r.height);
}

void police(QWidget *w, double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}

Label *etiquette(QWidget *parent, const char *name, const QString &caption, const Rect &r,
                 double points, std::uint32_t fore, Qt::Alignment align = Qt::AlignCenter)
{
    auto *l = new Label(parent, QString::fromLatin1(name), caption);
    place(l, r);
    police(l, points, true);
    l->setForeColor(fore);
    l->setAlignment(align);
    return l;
}

// A hidden label that only carries a piece of the match state.
Label *etat(QWidget *parent, const char *name, const QString &caption = {})
{
    auto *l = new Label(parent, QString::fromLatin1(name), caption);
    l->setVisible(false);
    return l;
}

platform::Image *image(QWidget *parent, const char *name, const Rect &r, const QPixmap &picture)
{
    auto *i = new platform::Image(parent, QString::fromLatin1(name));
    i->setStretch(true);
    place(i, r);
    i->setPicture(picture);
    return i;
}

Rect decale(const Rect &r, int dx)
{
    return {r.left + dx, r.top, r.width, r.height};
}

// The column of duel case k: 0 for "2_16".."2_31" on the left, 3 for "2_2" and "2_3".
int colonneDuel(int k)
{
    int colonne = 0;
    while ((1 << (4 - colonne)) > k)
        ++colonne;
    return colonne;
}

// Centre of duel case k, in twips from the table panel's top: each column's case stands
// halfway beside the two that feed it.
int centreDuel(int k)
{
    const int colonne = colonneDuel(k);
    const int index = (1 << (5 - colonne)) - 1 - k; // from the top of its column
    return jeu_layout::kDuelTop + (2 * index + 1) * jeu_layout::kDuelUnit * (1 << colonne) / 2;
}

// Top of case of threes of rank r ("3B" = 2 .. "3M" = 13).
int hautTrois(int r)
{
    using namespace jeu_layout;
    if (r >= 5) {
        const int index = 13 - r;
        return kTroisTop + (index / 3) * kTroisGroupe + (index % 3) * kTroisRang;
    }
    return kTroisTop + (4 - r) * kTroisGroupe + kTroisRang;
}

int centreTrois(int r)
{
    return hautTrois(r) + jeu_layout::kTroisCaseHeight / 2;
}

} // namespace

Form_jeu::Form_jeu() : Form(QString::fromLatin1(formName))
{
    using namespace jeu_layout;
    setClientSize(kWidth, kHeight);
    setPicture(jeu_pictures::fond(size()));
    setFocusPolicy(Qt::StrongFocus);

    Label_type_jeu = etat(this, "Label_type_jeu");
    Label_nombre_joueurs = etat(this, "Label_nombre_joueurs");
    Label_manche = etat(this, "Label_manche");
    Label_Bonne_reponse = etat(this, "Label_Bonne_reponse");
    Label_type_questionnaire = etat(this, "Label_type_questionnaire");
    Label_chemin_musique = etat(this, "Label_chemin_musique");
    Label_shell = etat(this, "Label_shell");
    Timer_nouvelle_question = new Timer(this, QStringLiteral("Timer_nouvelle_question"), 1000);
    Timer_tempello = new Timer(this, QStringLiteral("Timer_tempello"), 1000);

    // The backdrop first, the panels over it, the announcement over all of them.
    Shape2 = new Shape(this, QStringLiteral("Shape2"));
    place(Shape2, kCentre);
    {
        QPalette p = Shape2->palette();
        p.setColor(QPalette::Window, QColor(8, 14, 40, 190));
        Shape2->setPalette(p);
        Shape2->setAutoFillBackground(true);
        Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
        Shape2->setVisible(false);
    }
    creerPanneauQuestion();
    creerMeilleursScores();
    creerTableauDuels();
    creerTableauTrois();
    Frame_boutons = new Shape(this, QStringLiteral("Frame_boutons"));
    place(Frame_boutons, kCentre);
    Frame_boutons->setBackColor(kBlanc);
    Frame_boutons->setVisible(false);
    Image_cacher_boutons = image(Frame_boutons, "Image_cacher_boutons", kCacherBoutons,
                                 jeu_pictures::fermer(pixels(kCacherBoutons)));
    Image_cacher_boutons->setToolTip(QStringLiteral("Retour"));

    Label_vainqueur = etiquette(this, "Label_vainqueur", QStringLiteral("Le vainqueur est"),
                                kVainqueur, 26, kBlanc);
    Label_nom_vainqueur = etiquette(this, "Label_nom_vainqueur", {}, kNomVainqueur, 36, kOr);
    // One dark banner under both lines, readable with or without the backdrop.
    for (Label *l : {Label_vainqueur, Label_nom_vainqueur}) {
        QPalette p = l->palette();
        p.setColor(QPalette::Window, QColor(8, 14, 40, 215));
        l->setPalette(p);
        l->setAutoFillBackground(true);
        l->setVisible(false);
    }

    creerJoueurs();
    creerBoutons();
    creerPanneauManettes();
    brancher();
}

Form_jeu::~Form_jeu() = default;

void Form_jeu::brancher()
{
    SpeakItBtn = new CommandButton(this, QStringLiteral("SpeakItBtn"), QStringLiteral("Speak It"));
    SpeakItBtn->setVisible(false);
    connect(Debut, &Label::Click, this, &Form_jeu::Debut_Click);
    connect(Label_stop_jeu, &Label::Click, this, &Form_jeu::Label_stop_jeu_Click);
    connect(Label_manche_suivante, &Label::Click, this, &Form_jeu::Label_manche_suivante_Click);
    connect(Image_retour, &platform::Image::Click, this, &Form_jeu::Image_retour_Click);
    connect(Image_score, &platform::Image::Click, this, &Form_jeu::Image_score_Click);
    connect(Command_question, &CommandButton::Click, this, &Form_jeu::Command_question_Click);
    connect(Command1, &CommandButton::Click, this, &Form_jeu::Command1_Click);
    connect(SpeakItBtn, &CommandButton::Click, this, &Form_jeu::SpeakItBtn_Click);
    connect(Timer_nouvelle_question, &Timer::Tick, this, &Form_jeu::Timer_nouvelle_question_Timer);
    connect(Timer_tempello, &Timer::Tick, this, &Form_jeu::Timer_tempello_Timer);
    for (int n = 1; n <= 4; ++n)
        connect(Label_reponse[n - 1], &Label::Click, this, [this, n] { Label_reponse_Click(n); });
    setKeyPreview(true);
}

platform::SpeechEngine &Form_jeu::voix()
{
    if (!m_voix)
        m_voix = createSpeechEngine();
    return *m_voix;
}

void Form_jeu::creerJoueurs()
{
    using namespace jeu_layout;
    static const char *const noms[3] = {"Label_nom_joueur1", "Label_nom_joueur2",
                                        "Label_nom_joueur3"};
    static const char *const images[3] = {"Image1", "Image2", "Image3"};
    static const char *const scores[3] = {"Label_score1", "Label_score2", "Label_score3"};
    static const char *const faux[3] = {"Label_faux1", "Label_faux2", "Label_faux3"};
    static const QString touches[3][4] = {
        {"F1", "F2", "F3", "F4"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}};
    Label *nom[3]{};
    AnimatedPicture *avatar[3]{};
    Label *score[3]{};
    Label *marque[3]{};
    for (int k = 0; k < 3; ++k) {
        const int x = kSlotLefts[k];
        nom[k] = etiquette(this, noms[k], {}, decale(kNomJoueur, x), 15, kBlanc);
        nom[k]->setBackColor(kCouleursJoueurs[k]);
        nom[k]->setWordWrap(false);

        avatar[k] = new AnimatedPicture(this, QString::fromLatin1(images[k]));
        place(avatar[k], decale(kAvatar, x));
        avatar[k]->setAlignment(Qt::AlignCenter);

        score[k] = etiquette(this, scores[k], QStringLiteral("0"), decale(kScore, x), 32,
                             kCouleursJoueurs[k]);
        score[k]->setBackColor(kBlanc);

        marque[k] = etiquette(this, faux[k], QStringLiteral("X"), decale(kAvatar, x), 64, kRouge);
        marque[k]->setVisible(false);

        std::array<Label *, 4> &aide = k == 0 ? Label_aide1 : (k == 1 ? Label_aide2 : Label_aide3);
        for (int a = 0; a < 4; ++a) {
            const QString name = QStringLiteral("Label_aide%1%2").arg(k + 1).arg(QChar(u'a' + a));
            auto *l = new Label(this, name, touches[k][a]);
            l->Move(x + kAvatar.left + a * kAideStep, kAideTop, kAideWidth, kAideHeight);
            police(l, 13, true);
            l->setAlignment(Qt::AlignCenter);
            l->setBackColor(kBlanc);
            l->setForeColor(kCouleursJoueurs[k]);
            l->setVisible(k == 1);
            aide[a] = l;
        }
    }
    Label_nom_joueur1 = nom[0];
    Label_nom_joueur2 = nom[1];
    Label_nom_joueur3 = nom[2];
    Image1 = avatar[0];
    Image2 = avatar[1];
    Image3 = avatar[2];
    Label_score1 = score[0];
    Label_score2 = score[1];
    Label_score3 = score[2];
    Label_faux1 = marque[0];
    Label_faux2 = marque[1];
    Label_faux3 = marque[2];
    for (int k : {0, 2}) {
        nom[k]->setVisible(false);
        avatar[k]->setVisible(false);
        score[k]->setVisible(false);
    }
}

void Form_jeu::creerPanneauQuestion()
{
    using namespace jeu_layout;
    Picture_jeu = new PictureBox(this, QStringLiteral("Picture_jeu"));
    place(Picture_jeu, kCentre);
    Picture_jeu->setBackColor(kBlanc);
    Picture_jeu->setVisible(false);

    Label_question_n = etiquette(Picture_jeu, "Label_question_n", QStringLiteral("Question n°"),
                                 kQuestionN, 14, kNoir, Qt::AlignLeft | Qt::AlignVCenter);
    Numero_question = etiquette(Picture_jeu, "Numero_question", {}, kNumeroQuestion, 14, kNoir,
                                Qt::AlignLeft | Qt::AlignVCenter);
    Label_question = etiquette(Picture_jeu, "Label_question", {}, kQuestion, 14, kNoir,
                               Qt::AlignLeft | Qt::AlignVCenter);
    static const std::uint32_t marques[4] = {0x00FF00, 0x80000002, 0x0000FF, 0x00FFFF};
    for (int n = 0; n < 4; ++n) {
        auto *numero = new Label(Picture_jeu, QStringLiteral("Label_numero%1").arg(n + 1));
        numero->Move(kNumeroLeft, kNumeroTops[n], kNumeroSize, kNumeroSize);
        numero->setBackColor(marques[n]);
        Label_numero[n] = numero;

        auto *reponse = new Label(Picture_jeu, QStringLiteral("Label_reponse%1").arg(n + 1));
        reponse->Move(kReponseLeft, kReponseTops[n], kReponseWidths[n], kReponseHeight);
        police(reponse, 12, true);
        reponse->setForeColor(kNoir);
        reponse->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label_reponse[n] = reponse;
    }
    Image_question = new platform::Image(Picture_jeu, QStringLiteral("Image_question"));
    Image_question->setStretch(true);
    place(Image_question, kImageQuestion);
}

void Form_jeu::creerMeilleursScores()
{
    using namespace jeu_layout;
    Picture_vainqueurs1 = new PictureBox(this, QStringLiteral("Picture_vainqueurs1"));
    place(Picture_vainqueurs1, kMeilleursScores);
    Picture_vainqueurs1->setPicture(jeu_pictures::panneauTableau(pixels(kMeilleursScores)));
    Picture_vainqueurs1->setVisible(false);
    Label_meilleurs_scores =
        etiquette(Picture_vainqueurs1, "Label_meilleurs_scores",
                  QStringLiteral("Liste des 15 meilleurs scores"), kMeilleursScoresTitre, 14, kOr);
    lstScores = new ListBox(Picture_vainqueurs1, QStringLiteral("lstScores"));
    place(lstScores, kListeScores);
    // The screens' sans family, small enough for the 15 entries to show without a scroll bar.
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    lstScores->setFont(f);

    Command_question = new CommandButton(this, QStringLiteral("Command_question"));
    Command_question->setVisible(false);
    Command1 = new CommandButton(this, QStringLiteral("Command1"), QStringLiteral("Add Score"));
    Command1->setVisible(false);
    txtName = new TextBox(this, QStringLiteral("txtName"), QStringLiteral("Your Name"));
    txtName->setVisible(false);
    txtScore = new TextBox(this, QStringLiteral("txtScore"), QStringLiteral("Your Score"));
    txtScore->setVisible(false);
}

void Form_jeu::creerBoutons()
{
    using namespace jeu_layout;
    auto bouton = [this](const char *imageName, const char *labelName, const QString &caption,
                         const Rect &r, QColor colour, platform::Image *&face, Label *&label) {
        face = image(this, imageName, r, jeu_pictures::faceBouton(pixels(r), colour));
        label = etiquette(this, labelName, caption, r, 10, kBlanc);
        label->setCursor(Qt::PointingHandCursor);
    };
    bouton("Shape3", "Debut", QStringLiteral("Clique ici pour jouer ou pour  rejouer"), kBoutonHaut,
           QColor(40, 150, 70), Shape3, Debut);
    bouton("Shape_manche_suivante", "Label_manche_suivante",
           QStringLiteral("Clique ici pour afficher les joueurs de  la partie suivante"),
           kBoutonManche, QColor(40, 90, 180), Shape_manche_suivante, Label_manche_suivante);
    Shape_manche_suivante->setVisible(false);
    Label_manche_suivante->setVisible(false);
    bouton("Shape4", "Label_stop_jeu", QStringLiteral("Clique ici pour arrêter le jeu"), kBoutonBas,
           QColor(180, 50, 50), Shape4, Label_stop_jeu);

    Image_retour = image(this, "Image_retour", kRetour, jeu_pictures::retour(pixels(kRetour)));
    Image_retour->setToolTip(QStringLiteral("Retour"));
    Image_retour->setCursor(Qt::PointingHandCursor);
    Image_score =
        image(this, "Image_score", kImageScore, jeu_pictures::meilleursScores(pixels(kImageScore)));
    Image_score->setCursor(Qt::PointingHandCursor);
    Image_score->setVisible(false);
    Image_manette = image(this, "Image_manette", kManette, jeu_pictures::manette(pixels(kManette)));
    Image_manette->setCursor(Qt::PointingHandCursor);

    Label_timer_nouvelle_question = etiquette(this, "Label_timer_nouvelle_question",
                                              QStringLiteral("3"), kCompteARebours, 44, kOr);
    Label_timer_nouvelle_question->setBackColor(kNuit);
    Label_timer_nouvelle_question->setVisible(false);
    Label_timer_highscore =
        etiquette(this, "Label_timer_highscore", QStringLiteral("0"), kTimer, 20, kBlanc);
    Label_timer_highscore->setBackColor(kNuit);
    Tempello = image(this, "Tempello", kTempello, jeu_pictures::tempello(pixels(kTempello), 0));
    Tempello_gauche = image(this, "Tempello_gauche", kTempelloCache,
                            jeu_pictures::tempello(pixels(kTempello), -24));
    Tempello_droite = image(this, "Tempello_droite", kTempelloCache,
                            jeu_pictures::tempello(pixels(kTempello), 24));
}

void Form_jeu::creerCase(QWidget *panel, const QString &code, const Rect &where, double points)
{
    auto *photo = new AnimatedPicture(panel, QStringLiteral("Photo_vainqueur_") + code);
    // The table shows names only: the avatar is carried from match to match, not drawn.
    photo->setVisible(false);
    auto *nom = new Label(panel, QStringLiteral("Label_vainqueur_") + code);
    place(nom, where);
    police(nom, points, true);
    nom->setBackColor(kCase);
    nom->setForeColor(kTexteCase);
    nom->setWordWrap(false);
    nom->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nom->setIndent(4);
    m_casesNoms.emplace(code, nom);
    m_casesPhotos.emplace(code, photo);
}

void Form_jeu::creerTableauDuels()
{
    using namespace jeu_layout;
    Picture_vainqueurs2 = new PictureBox(this, QStringLiteral("Picture_vainqueurs2"));
    place(Picture_vainqueurs2, kCentre);
    Picture_vainqueurs2->setPicture(jeu_pictures::panneauTableau(pixels(kCentre)));
    Picture_vainqueurs2->setVisible(false);
    Label_championnat2 = etiquette(Picture_vainqueurs2, "Label_championnat2",
                                   QStringLiteral("CHAMPIONNAT"), kTitreTableau, 13, kOr);

    // The connectors between column c and column c + 1, then from the last column to the cup.
    const auto centre = [](int k) { return twipsToPixels(centreDuel(k)); };
    platform::Image *decor[4]{};
    static const char *const decorNames[4] = {"Image_championnat4a", "Image_championnat4b",
                                              "Image_championnat4c", "Image_championnat4d"};
    for (int c = 0; c < 4; ++c) {
        const int gauche = kDuelColonnes[c] + kDuelCaseWidth;
        const int droite = c < 3 ? kDuelColonnes[c + 1] : kCoupe.left;
        const Rect strip{gauche, 0, droite - gauche, kCentre.height};
        std::vector<jeu_pictures::Branche> branches;
        if (c < 3) {
            for (int k = 1 << (3 - c); k < (1 << (4 - c)); ++k)
                branches.push_back({{centre(2 * k + 1), centre(2 * k)}, centre(k)});
        } else {
            const int finale = twipsToPixels(kDuelTop + 8 * kDuelUnit);
            branches.push_back({{centre(3), centre(2)}, finale});
        }
        decor[c] = image(Picture_vainqueurs2, decorNames[c], strip,
                         jeu_pictures::connecteurs(pixels(strip), branches));
    }
    Image_championnat4a = decor[0];
    Image_championnat4b = decor[1];
    Image_championnat4c = decor[2];
    Image_championnat4d = decor[3];
    Image_coupe = image(Picture_vainqueurs2, "Image_coupe", kCoupe, dessins::coupe(pixels(kCoupe)));

    for (const QString &code : championship::codesCasesDuels()) {
        const int k = *championship::numeroDuel(code);
        const Rect where{kDuelColonnes[colonneDuel(k)], centreDuel(k) - kDuelCaseHeight / 2,
                         kDuelCaseWidth, kDuelCaseHeight};
        creerCase(Picture_vainqueurs2, code, where, 8.25);
    }
}

void Form_jeu::creerTableauTrois()
{
    using namespace jeu_layout;
    Picture_vainqueurs3 = new PictureBox(this, QStringLiteral("Picture_vainqueurs3"));
    place(Picture_vainqueurs3, kCentre);
    Picture_vainqueurs3->setPicture(jeu_pictures::panneauTableau(pixels(kCentre)));
    Picture_vainqueurs3->setVisible(false);
    Label_championnat3 = etiquette(Picture_vainqueurs3, "Label_championnat3",
                                   QStringLiteral("CHAMPIONNAT"), kTitreTableau, 13, kOr);

    // One picture: each group's leaves joined to its case, the three cases to the cup.
    const int gauche = kTroisColonnes[0] + kTroisCaseWidth;
    const Rect decor{gauche, 0, kCoupeTrois.left + kCoupeTrois.width - gauche, kCentre.height};
    QPixmap dessin(pixels(decor));
    dessin.fill(Qt::transparent);
    {
        QPainter g(&dessin);
        const auto y = [](int rang) { return twipsToPixels(centreTrois(rang)); };
        const Rect strip1{0, 0, kTroisColonnes[1] - gauche, kCentre.height};
        std::vector<jeu_pictures::Branche> groupes;
        for (int r = 2; r <= 4; ++r)
            groupes.push_back({{y(3 * r + 1), y(3 * r), y(3 * r - 1)}, y(r)});
        g.drawPixmap(0, 0, jeu_pictures::connecteurs(pixels(strip1), groupes));
        const int x2 = kTroisColonnes[1] + kTroisCaseWidth;
        const Rect strip2{0, 0, kCoupeTrois.left - x2, kCentre.height};
        g.drawPixmap(twipsToPixels(x2 - gauche), 0,
                     jeu_pictures::connecteurs(pixels(strip2), {{{y(4), y(3), y(2)}, y(3)}}));
        g.drawPixmap(twipsToPixels(kCoupeTrois.left - gauche), twipsToPixels(kCoupeTrois.top),
                     dessins::coupe(pixels(kCoupeTrois)));
    }
    Image_championnat3 = image(Picture_vainqueurs3, "Image_championnat3", decor, dessin);

    for (const QString &code : championship::codesCasesTrois()) {
        const int r = *championship::rangTrois(code);
        const Rect where{kTroisColonnes[r >= 5 ? 0 : 1], hautTrois(r), kTroisCaseWidth,
                         kTroisCaseHeight};
        creerCase(Picture_vainqueurs3, code, where, 9.75);
    }
}

Label *Form_jeu::Label_nom_joueur(int slot) const
{
    return std::array{Label_nom_joueur1, Label_nom_joueur2, Label_nom_joueur3}.at(slot - 1);
}

AnimatedPicture *Form_jeu::Image(int slot) const
{
    return std::array{Image1, Image2, Image3}.at(slot - 1);
}

Label *Form_jeu::Label_score(int slot) const
{
    return std::array{Label_score1, Label_score2, Label_score3}.at(slot - 1);
}

Label *Form_jeu::Label_faux(int slot) const
{
    return std::array{Label_faux1, Label_faux2, Label_faux3}.at(slot - 1);
}

Label *Form_jeu::Label_vainqueur_(const QString &code) const
{
    const auto it = m_casesNoms.find(code);
    return it == m_casesNoms.end() ? nullptr : it->second;
}

AnimatedPicture *Form_jeu::Photo_vainqueur_(const QString &code) const
{
    const auto it = m_casesPhotos.find(code);
    return it == m_casesPhotos.end() ? nullptr : it->second;
}

HighScoreList &Form_jeu::meilleursScores()
{
    if (!m_meilleursScores)
        m_meilleursScores = std::make_unique<HighScoreList>();
    return *m_meilleursScores;
}

bool Form_jeu::focusNextPrevChild(bool)
{
    // The avatar screen lies beneath: Tab must not carry the keys into its name boxes.
    return true;
}

void Form_jeu::Form_Load()
{
    centre();

    HighScoreList &scores = meilleursScores();
    scores.SetListCount(15);
    scores.FileName(scores.DefaultFileName());
    scores.FillScoreList(*lstScores);

    if (form_nombre_joueurs().Label_score->Appearance() == 1) {
        Image_score->setVisible(true);
        Picture_vainqueurs1->setVisible(true);
    }

    ResPicture fond;
    fond.setFileName(programPath(QStringLiteral("Tempeljeu.exe")));
    const QString n = form_photos().Label_nombre_joueurs->Caption();
    QString nomFond;
    if (n == QLatin1String("1")) {
        nomFond = QStringLiteral("1joueur");
        Label_score1->setCaption(QStringLiteral("-1000"));
        Label_score3->setCaption(QStringLiteral("-1000"));
        for (int a = 0; a < 4; ++a)
            Label_aide2[a]->setCaption(QString::number(a + 1));
    } else if (n == QLatin1String("2") || n == QLatin1String("4") || n == QLatin1String("8") ||
               n == QLatin1String("16") || n == QLatin1String("32")) {
        nomFond = QStringLiteral("2joueurs");
        Label_score3->setCaption(QStringLiteral("-1000"));
        Image1->setVisible(true);
        Label_nom_joueur1->setVisible(true);
        Label_score1->setVisible(true);
        for (Label *aide : Label_aide1)
            aide->setVisible(true);
        for (int a = 0; a < 4; ++a)
            Label_aide2[a]->setCaption(QString::number(a + 1));
    } else if (n == QLatin1String("3") || n == QLatin1String("9") || n == QLatin1String("27")) {
        nomFond = QStringLiteral("3joueurs");
        for (Label *aide : Label_aide1)
            aide->setVisible(true);
        Label_nom_joueur1->setVisible(true);
        Label_score1->setVisible(true);
        Image3->setVisible(true);
        Image1->setVisible(true);
        Label_nom_joueur3->setVisible(true);
        Label_score3->setVisible(true);
        for (Label *aide : Label_aide3)
            aide->setVisible(true);
        static const QString touches[4] = {"J", "K", "L", "M"};
        for (int a = 0; a < 4; ++a)
            Label_aide2[a]->setCaption(touches[a]);
    }
    if (!nomFond.isEmpty()) {
        // A background that cannot be loaded leaves the design picture: the game goes on.
        try {
            setPicture(fond.LoadResPicture(QStringLiteral("fond"), nomFond));
        } catch (const NumberedError &) {
        }
    }

    InitDirectInput();
    InitDirectInputB();
    InitDirectInputC();
}

Form_jeu &form_jeu()
{
    return Screens::get<Form_jeu>();
}

