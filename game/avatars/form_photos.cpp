#include "game/avatars/form_photos.h"

#include "game/avatars/dialogue_avatar.h"
#include "game/avatars/liste_avatars.h"
#include "game/avatars/premiere_manche.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/screens.h"
#include "platform/wholefile.h"

#include <QPainter>
#include <QPainterPath>
#include <QValidator>

#include <algorithm>

using namespace platform;

namespace {

// Design values of the screen, in twips.
constexpr int kLargeurEcran = 12000;
constexpr int kHauteurEcran = 9000;
constexpr QRect kZone{90, 240, 11775, 7155};
constexpr QRect kTitre{240, 300, 11325, 315};
constexpr QSize kCarte{1275, 1575};
constexpr QSize kImage{1140, 915};
constexpr QSize kNom{1095, 285};
constexpr QSize kNomCinq{1095, 195};
constexpr QRect kListe{14640, 1080, 1755, 2205};
constexpr QRect kNombreJoueurs{13500, 4080, 1005, 465};
constexpr QRect kSuivant{11340, 8490, 480, 480};
constexpr QRect kRetour{90, 8490, 480, 480};
// The hidden path labels lie below the bottom edge.
constexpr int kHautChemins = 9600;
constexpr int kLongueurNom = 15;
// The 64 items of the participants file fit well within this: 32 names and 32 paths of at
// most 4096 bytes each. A bigger file is damaged and its start is all that is read.
constexpr qint64 kTailleMaxAvatars = 512 * 1024;
constexpr std::uint32_t kBlanc = 0xFFFFFF;

const QString kInfoAvatar = QStringLiteral("Clique ici pour choisir un avatar");

void placer(QWidget *w, const QRect &twips)
{
    w->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                   twipsToPixels(twips.height()));
}

QFont arial()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13); // 9.75 points on the screens' 96 dots per inch
    return f;
}

QFont arialGras()
{
    QFont f = arial();
    f.setBold(true);
    return f;
}

// A name box takes only what the participants file can hold.
class ValidateurNom : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return nomAcceptable(input) ? Acceptable : Invalid;
    }
};

// The buttons' pictures: a blue arrow on a transparent ground, 32 x 32.
QPixmap flecheBleue(bool versDroite)
{
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath fleche;
    fleche.moveTo(3, 12);
    fleche.lineTo(16, 12);
    fleche.lineTo(16, 4);
    fleche.lineTo(29, 16);
    fleche.lineTo(16, 28);
    fleche.lineTo(16, 20);
    fleche.lineTo(3, 20);
    fleche.closeSubpath();
    if (!versDroite)
        fleche = QTransform(-1, 0, 0, 1, 32, 0).map(fleche);
    painter.setPen(QPen(QColor(0x10, 0x30, 0x90), 1.5));
    painter.setBrush(QColor(0x28, 0x6C, 0xE0));
    painter.drawPath(fleche);
    return p;
}

} // namespace

Form_photos::Form_photos()
    : Form(QString::fromLatin1(formName)), Picture_photos(new PictureBox(this, "Picture_photos")),
      Label_titre(new Label(Picture_photos, "Label_titre",
                            QStringLiteral("Choisissez chacun un nom et une image pour vous "
                                           "représenter"))),
      List1(new ListBox(this, "List1")),
      Label_nombre_joueurs(new Label(this, "Label_nombre_joueurs", "Label1")),
      Image_suivant(new Image(this, "Image_suivant")), Image_retour(new Image(this, "Image_retour"))
{
    setClientSize(kLargeurEcran, kHauteurEcran);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);

    placer(Picture_photos, kZone);
    Picture_photos->setBackColor(kSystemWindowColour);
    Picture_photos->setForeColor(kSystemWindowText);

    placer(Label_titre, kTitre);
    Label_titre->setFont(arialGras());
    Label_titre->setAlignment(Qt::AlignCenter);
    Label_titre->setBackColor(kSystemWindowColour);
    Label_titre->setForeColor(kSystemWindowText);

    placer(List1, kListe);
    placer(Label_nombre_joueurs, kNombreJoueurs);
    Label_nombre_joueurs->setVisible(false);

    for (Image *bouton : {Image_suivant, Image_retour}) {
        const bool suivant = bouton == Image_suivant;
        placer(bouton, suivant ? kSuivant : kRetour);
        bouton->setStretch(true);
        bouton->setPicture(flecheBleue(suivant));
        bouton->setMousePointer(vbCustom);
        bouton->setToolTip(suivant ? QStringLiteral("Suite") : QStringLiteral("Retour"));
    }

    for (int p = 1; p <= kSlots; ++p) {
        const int c = (p - 1) % 8;
        const int r = (p - 1) / 8;
        const QPoint carte(1290 * c, 720 + 1590 * r);

        auto *numero =
            new Label(Picture_photos, QStringLiteral("Label_photo%1").arg(p), QString::number(p));
        placer(numero, QRect(carte, kCarte));
        numero->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        numero->setBackColor(kBlanc);
        numero->setForeColor(kSystemWindowText);
        numero->setFrameStyle(QFrame::Box | QFrame::Plain);
        numero->setFont(arialGras());
        if (p == 20)
            numero->setToolTip(kInfoAvatar);
        m_photo[p - 1] = numero;

        auto *image = new Image(Picture_photos, QStringLiteral("Image_photo%1").arg(p));
        placer(image, QRect(carte + QPoint(60, 270), kImage));
        image->setStretch(true);
        image->setMousePointer(vbCustom);
        image->setToolTip(kInfoAvatar);
        m_image[p - 1] = image;
        connect(image, &Image::Click, this, [this, p] { Image_photo_Click(p); });

        auto *nom = new TextBox(Picture_photos, QStringLiteral("Text%1").arg(p),
                                QStringLiteral("Joueur %1").arg(p));
        // The fifth name box was drawn lower and shorter than the others, and stays so.
        placer(nom, p == 5 ? QRect(carte + QPoint(90, 1290), kNomCinq)
                           : QRect(carte + QPoint(90, 1260), kNom));
        nom->setMaxLength(kLongueurNom);
        nom->setAlignment(Qt::AlignCenter);
        nom->setFont(arial());
        nom->setValidator(new ValidateurNom(nom));
        m_text[p - 1] = nom;

        auto *chemin = new Label(this, QStringLiteral("Label_chemin_image%1").arg(p));
        placer(chemin, QRect(0, kHautChemins, 1000, 300));
        chemin->setVisible(false);
        m_cheminImage[p - 1] = chemin;
    }
    // The slot area's cards stand above the prompt when they overlap it.
    Label_titre->lower();

    connect(Image_suivant, &Image::Click, this, &Form_photos::Image_suivant_Click);
    connect(Image_retour, &Image::Click, this, &Form_photos::Image_retour_Click);
    connect(List1, &ListBox::Click, this, &Form_photos::List1_Click);
}

void Form_photos::Form_Load()
{
    for (const VueDialogue &vue : kVuesDialogue) {
        List1->AddItem(QString::fromLatin1(vue.texte));
        List1->item(List1->ListCount() - 1)->setData(Qt::UserRole, vue.commande);
    }
    List1->setListIndex(0);
    List1_Click();

    centre();

    // The whole file is read before any slot changes; what it cannot give (a first start,
    // a short file) keeps the starting names and no picture.
    auto participants = participantsInitiaux();
    if (const auto contenu = readFileStart(programPath(kFichierAvatars), kTailleMaxAvatars))
        appliquerListeAvatars(lireListeAvatars(*contenu), participants);
    for (int p = 1; p <= kSlots; ++p) {
        ecrireNom(p, participants[p - 1].nom);
        Label_chemin_image(p)->setCaption(participants[p - 1].chemin_avatar);
    }
}

void Form_photos::ecrireNom(int p, const QString &nom)
{
    // The limit is on what is typed: a longer name from the file is kept whole, and shown
    // from its beginning.
    Text(p)->setMaxLength(std::max<int>(kLongueurNom, nom.size()));
    Text(p)->setText(nom);
    Text(p)->setCursorPosition(0);
}

void Form_photos::List1_Click()
{
    if (List1->ListIndex() > -1)
        DefinirVueFichiers(List1->item(List1->ListIndex())->data(Qt::UserRole).toInt());
}

void Form_photos::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    afficherImages();
}

void Form_photos::afficherImages()
{
    for (int p = 1; p <= kSlots; ++p) {
        if (Image_photo(p)->isHidden())
            continue;
        const QString chemin = Label_chemin_image(p)->Caption();
        if (m_imageAffichee[p - 1] == chemin)
            continue;
        // A missing or unreadable picture shows nothing; its path is kept as it is.
        Image_photo(p)->setPicture(premiereImage(chemin));
        m_imageAffichee[p - 1] = chemin;
    }
}

void Form_photos::Image_photo_Click(int p)
{
    const QString dossier = programPath(QStringLiteral("avatars"));
    const auto chemin = m_choixFichier ? m_choixFichier(this, dossier, m_vueFichiers)
                                       : choisirFichierAvatar(this, dossier, m_vueFichiers);
    if (!chemin)
        return;
    if (const auto probleme = problemeCheminAvatar(*chemin)) {
        MsgBox(*probleme, vbExclamation, QStringLiteral("Erreur"));
        return;
    }
    const QPixmap image = premiereImage(*chemin);
    if (image.isNull()) {
        MsgBox(QStringLiteral("Le fichier « %1 » n'est pas une image lisible. Choisissez une "
                              "autre image.")
                   .arg(*chemin),
               vbExclamation, QStringLiteral("Erreur"));
        return;
    }
    Label_chemin_image(p)->setCaption(*chemin);
    Image_photo(p)->setPicture(image);
    m_imageAffichee[p - 1] = *chemin;
}

void Form_photos::Image_suivant_Click()
{
    Demarrer_premiere_manche();
}

void Form_photos::Image_retour_Click()
{
    if (auto *choix = Screens::ifLoaded<Form_nombre_joueurs>())
        choix->Label_score->setBackColor(kBlanc);
    Hide();
    Sauver_avatars();
}

Form_photos &form_photos()
{
    return Screens::get<Form_photos>();
}

void Sauver_avatars()
{
    const Form_photos &photos = form_photos();
    std::array<Participant, kNombreParticipants> participants;
    for (int p = 1; p <= kNombreParticipants; ++p)
        participants[p - 1] = {photos.Text(p)->Text(), photos.Label_chemin_image(p)->Caption()};
    const ContenuAvatars contenu = ecrireListeAvatars(participants);
    const WriteResult ecrit = contenu.octets
                                  ? writeWholeFile(programPath(kFichierAvatars), *contenu.octets)
                                  : WriteResult::failure(contenu.erreur);
    if (!ecrit)
        MsgBox(QStringLiteral("Les noms et les images des joueurs n'ont pas pu être "
                              "enregistrés.\n%1")
                   .arg(ecrit.error),
               vbExclamation, QStringLiteral("Erreur"));
}
