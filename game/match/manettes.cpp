// The game screen's controllers: one per player slot, listed at the load, chosen on the
// controller panel, their buttons answering as the slot's keys do; and the panel itself.
#include "game/match/manettes.h"

#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/match/reponses.h"
#include "platform/messagebox.h"
#include "platform/screens.h"

#include <QPointer>

#include <algorithm>

using namespace platform;

namespace {

// The panel's rows, in twips relative to the panel.
constexpr int kRangees[3] = {1020, 1980, 2940};
constexpr int kBord = 180;
constexpr int kNomLargeur = 1695, kNomHauteur = 285;
constexpr int kChoixLargeur = 1455, kChoixHauteur = 315;
constexpr int kListeLeft = 1920, kListeLargeur = 5535, kListeHauteur = 615;
constexpr int kTestLeft = 7680, kTestLargeur = 780;
constexpr int kCarresLeft = 8520, kCarreTaille = 345, kCarrePas = 360;
// The button lists lie beyond the screen's right edge: nothing shows them.
constexpr int kBoutonsLeft = 16680, kBoutonsLargeur = 2400, kBoutonsPas = 2520;

constexpr std::uint32_t kBlanc = 0xFFFFFF;
// Buttons only go up to 32, as the button lists and their lines were made for.
constexpr int kBoutonsMax = 32;

void ecrireLigne(ListBox *liste, int index, const QString &ligne)
{
    while (liste->count() <= index)
        liste->addItem(QString());
    liste->item(index)->setText(ligne);
}

} // namespace

std::uint32_t couleurCarreTest(int bouton, bool bas)
{
    // Green, the active title bar's system colour, red, yellow.
    static constexpr std::uint32_t kCouleurs[4] = {0xFF00, 0x80000002, 0xFF, 0xFFFF};
    return bas ? kCouleurs[bouton - 1] : kBlanc;
}

QString ligneBouton(int bouton, bool bas)
{
    return QStringLiteral("Button %1: %2")
        .arg(bouton)
        .arg(bas ? QStringLiteral("Down") : QStringLiteral("Up"));
}

bool slotEnJeu(const Form_jeu &jeu, int slot)
{
    const qint64 type = valeur(jeu.Label_type_jeu->Caption());
    return slot == 2 || (slot == 1 && type != 1) || (slot == 3 && type == 3);
}

void Form_jeu::creerPanneauManettes()
{
    Label_joystick = new Label(Frame_boutons, QStringLiteral("Label_joystick"),
                               QStringLiteral("Utiliser une manette de jeu pour..."));
    Label_joystick->Move(kBord, 420, 6000, 375);
    Label_joystick->setFontSize(12);
    Label_joystick->setFontBold(true);

    static const char *const suffixes[3] = {"", "b", "c"};
    static const char *const listes[3] = {"", "B", "C"};
    Label *noms[3]{};
    Shape *cadres[3]{};
    OptionButton *oui[3]{};
    OptionButton *non[3]{};
    ListBox *peripheriques[3]{};
    ListBox *boutons[3]{};
    Label *tests[3]{};
    for (int k = 0; k < 3; ++k) {
        const int top = kRangees[k];
        const QString n = QString::number(k + 1);
        noms[k] = new Label(Frame_boutons, QStringLiteral("Label_manette") + n);
        noms[k]->Move(kBord, top, kNomLargeur, kNomHauteur);
        noms[k]->setFontBold(true);
        cadres[k] = new Shape(Frame_boutons, QStringLiteral("Frame_manette") + n);
        cadres[k]->Move(kBord, top + kNomHauteur + 15, kChoixLargeur, kChoixHauteur);
        // The two options share their frame, which makes them one exclusive choice.
        oui[k] = new OptionButton(cadres[k],
                                  QStringLiteral("Option_joystick1") + QLatin1String(suffixes[k]),
                                  QStringLiteral("Oui"));
        oui[k]->Move(0, 0, kChoixLargeur / 2, kChoixHauteur);
        non[k] = new OptionButton(cadres[k],
                                  QStringLiteral("Option_joystick2") + QLatin1String(suffixes[k]),
                                  QStringLiteral("Non"));
        non[k]->Move(kChoixLargeur / 2, 0, kChoixLargeur / 2, kChoixHauteur);
        non[k]->setValue(true);
        peripheriques[k] =
            new ListBox(Frame_boutons, QStringLiteral("lstJoySticks") + QLatin1String(listes[k]));
        peripheriques[k]->Move(kListeLeft, top, kListeLargeur, kListeHauteur);
        peripheriques[k]->setEnabled(false);
        boutons[k] = new ListBox(this, QStringLiteral("lstButton") + QLatin1String(listes[k]));
        boutons[k]->Move(kBoutonsLeft + k * kBoutonsPas, 240, kBoutonsLargeur, 4455);
        tests[k] =
            new Label(Frame_boutons, QStringLiteral("Label_test") + n, QStringLiteral("Test :"));
        tests[k]->Move(kTestLeft, top + 30, kTestLargeur, kCarreTaille);
        auto &carres = k == 0 ? Label_test1_ : (k == 1 ? Label_test2_ : Label_test3_);
        for (int b = 0; b < 4; ++b) {
            carres[size_t(b)] =
                new Label(Frame_boutons, QStringLiteral("Label_test%1_%2").arg(k + 1).arg(b + 1));
            carres[size_t(b)]->Move(kCarresLeft + b * kCarrePas, top + 30, kCarreTaille,
                                    kCarreTaille);
            carres[size_t(b)]->setBackColor(kBlanc);
            carres[size_t(b)]->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
    }
    Label_manette1 = noms[0], Label_manette2 = noms[1], Label_manette3 = noms[2];
    Frame_manette1 = cadres[0], Frame_manette2 = cadres[1], Frame_manette3 = cadres[2];
    Option_joystick1 = oui[0], Option_joystick1b = oui[1], Option_joystick1c = oui[2];
    Option_joystick2 = non[0], Option_joystick2b = non[1], Option_joystick2c = non[2];
    lstJoySticks = peripheriques[0], lstJoySticksB = peripheriques[1],
    lstJoySticksC = peripheriques[2];
    lstButton = boutons[0], lstButtonB = boutons[1], lstButtonC = boutons[2];
    Label_test1 = tests[0], Label_test2 = tests[1], Label_test3 = tests[2];

    connect(Image_manette, &Image::Click, this, &Form_jeu::Image_manette_Click);
    connect(Image_cacher_boutons, &Image::Click, this, &Form_jeu::Image_cacher_boutons_Click);
    connect(Option_joystick1, &OptionButton::Click, this, &Form_jeu::Option_joystick1_Click);
    connect(Option_joystick1b, &OptionButton::Click, this, &Form_jeu::Option_joystick1b_Click);
    connect(Option_joystick1c, &OptionButton::Click, this, &Form_jeu::Option_joystick1c_Click);
    connect(Option_joystick2, &OptionButton::Click, this, &Form_jeu::Option_joystick2_Click);
    connect(Option_joystick2b, &OptionButton::Click, this, &Form_jeu::Option_joystick2b_Click);
    connect(Option_joystick2c, &OptionButton::Click, this, &Form_jeu::Option_joystick2c_Click);
    connect(lstJoySticks, &ListBox::Click, this, &Form_jeu::lstJoySticks_Click);
    connect(lstJoySticksB, &ListBox::Click, this, &Form_jeu::lstJoySticksB_Click);
    connect(lstJoySticksC, &ListBox::Click, this, &Form_jeu::lstJoySticksC_Click);
}

Label *Form_jeu::Label_manette(int slot) const
{
    return std::array{Label_manette1, Label_manette2, Label_manette3}.at(size_t(slot - 1));
}

Shape *Form_jeu::Frame_manette(int slot) const
{
    return std::array{Frame_manette1, Frame_manette2, Frame_manette3}.at(size_t(slot - 1));
}

OptionButton *Form_jeu::Option_oui(int slot) const
{
    return std::array{Option_joystick1, Option_joystick1b, Option_joystick1c}.at(size_t(slot - 1));
}

OptionButton *Form_jeu::Option_non(int slot) const
{
    return std::array{Option_joystick2, Option_joystick2b, Option_joystick2c}.at(size_t(slot - 1));
}

ListBox *Form_jeu::lstJoySticks_(int slot) const
{
    return std::array{lstJoySticks, lstJoySticksB, lstJoySticksC}.at(size_t(slot - 1));
}

ListBox *Form_jeu::lstButton_(int slot) const
{
    return std::array{lstButton, lstButtonB, lstButtonC}.at(size_t(slot - 1));
}

Label *Form_jeu::Label_test(int slot) const
{
    return std::array{Label_test1, Label_test2, Label_test3}.at(size_t(slot - 1));
}

const std::array<Label *, 4> &Form_jeu::Label_test_(int slot) const
{
    return slot == 1 ? Label_test1_ : (slot == 2 ? Label_test2_ : Label_test3_);
}

// The load lists the attached controllers in each slot's list; the slot's changes come
// under the slot's number from then on.
void Form_jeu::listerManettes(int slot)
{
    if (!m_controleurs) {
        m_controleurs = std::make_unique<ControllerSignals>(createControllers());
        connect(m_controleurs.get(), &ControllerSignals::changed, this, [this](int k) {
            DirectXEvent8_DXCallback(m_manettes.at(size_t(k - 1)).evenement);
        });
        connect(m_controleurs.get(), &ControllerSignals::devicesChanged, this,
                &Form_jeu::suivreManettes);
    }
    for (const QString &nom : manettes()->list())
        lstJoySticks_(slot)->AddItem(nom);
    m_manettes.at(size_t(slot - 1)).evenement = slot;
}

// Controllers come and go after the load: the lists follow whenever they may be looked at.
void Form_jeu::suivreManettes()
{
    if (!m_controleurs)
        return;
    const QStringList noms = manettes()->list();
    for (int k = 1; k <= 3; ++k) {
        ListBox *liste = lstJoySticks_(k);
        // Filling the list again is no click (a list answers only the user): the slot keeps
        // its controller.
        liste->Clear();
        for (const QString &nom : noms)
            liste->AddItem(nom);
        if (liste->isEnabled())
            liste->setListIndex(manettes()->entryOf(k));
    }
}

void Form_jeu::InitDirectInput()
{
    listerManettes(1);
}

void Form_jeu::InitDirectInputB()
{
    listerManettes(2);
}

void Form_jeu::InitDirectInputC()
{
    listerManettes(3);
}

void Form_jeu::choisirManette(int slot)
{
    lstButton_(slot)->Clear();
    if (!m_controleurs)
        return;
    // Taking another controller releases the one the slot held; the service polls while
    // some slot holds one.
    manettes()->open(slot, lstJoySticks_(slot)->ListIndex());
    DirectXEvent8_DXCallback(0);
}

void Form_jeu::lstJoySticks_Click()
{
    choisirManette(1);
}

void Form_jeu::lstJoySticksB_Click()
{
    choisirManette(2);
}

void Form_jeu::lstJoySticksC_Click()
{
    choisirManette(3);
}

void Form_jeu::DirectXEvent8_DXCallback(int eventid)
{
    if (!m_controleurs)
        return;
    // Each slot reads its own controller, and takes it again when it was lost and is back.
    std::array<bool, 3> lu{};
    for (int k = 1; k <= 3; ++k) {
        Manette &m = m_manettes.at(size_t(k - 1));
        Controllers::Read r = manettes()->read(k, m.etat);
        if (r == Controllers::Read::Lost && manettes()->reacquire(k))
            r = manettes()->read(k, m.etat);
        lu.at(size_t(k - 1)) = r == Controllers::Read::Ok;
    }
    if (eventid == 0)
        return;
    for (int k = 1; k <= 3; ++k)
        if (m_manettes.at(size_t(k - 1)).evenement == eventid && lu.at(size_t(k - 1))) {
            boutonsManette(k);
            return;
        }
}

void Form_jeu::boutonsManette(int slot)
{
    // A copy: an answer may let events run, and another change overwrite the state.
    const std::vector<bool> etat = m_manettes.at(size_t(slot - 1)).etat;
    const int n = std::min({manettes()->buttonCount(slot), int(etat.size()), kBoutonsMax});
    QPointer<Form_jeu> self(this);
    for (int i = 0; i < n; ++i) {
        // Painting or answering may let events run, and the screen close meanwhile.
        if (!self || Screens::ifLoaded<Form_jeu>() != this || !m_controleurs)
            return;
        const bool bas = etat[size_t(i)];
        ecrireLigne(lstButton_(slot), i, ligneBouton(i + 1, bas));
        if (i >= 4)
            continue;
        Label_test_(slot)[size_t(i)]->setBackColor(couleurCarreTest(i + 1, bas));
        // Gated afresh for each button: an earlier one's answer may have closed the answers.
        if (bas && reponsesOuvertes(*this) && peutRepondre(*this, slot) && slotEnJeu(*this, slot))
            decisionReponse(*this, slot, i + 1);
    }
}

void Form_jeu::Form_Unload()
{
    for (Manette &m : m_manettes)
        m.evenement = 0;
    if (!m_controleurs)
        return;
    manettes()->releaseAll();
    m_controleurs->disconnect(this);
    // The service may be reporting a change right now: it goes once that report is over.
    m_controleurs.release()->deleteLater();
}

void Form_jeu::Image_manette_Click()
{
    Shape2->setVisible(true);
    Frame_boutons->setVisible(true);
    Frame_boutons->raise();
    suivreManettes();
    for (int k = 1; k <= 3; ++k)
        Label_manette(k)->setCaption(Label_nom_joueur(k)->Caption());
    for (int k : {3, 1}) {
        if (slotEnJeu(*this, k))
            continue;
        Frame_manette(k)->setVisible(false);
        lstJoySticks_(k)->setVisible(false);
        Label_test(k)->setVisible(false);
        for (Label *carre : Label_test_(k))
            carre->setVisible(false);
    }
}

void Form_jeu::Image_cacher_boutons_Click()
{
    Frame_boutons->setVisible(false);
    Shape2->setVisible(false);
}

void Form_jeu::ouiManette(int slot)
{
    suivreManettes();
    ListBox *liste = lstJoySticks_(slot);
    if (liste->ListCount() == 0) {
        MsgBox(QStringLiteral("Il n'y a pas de manette de jeu"), vbOKOnly);
        Option_non(slot)->setValue(true);
        return;
    }
    liste->setEnabled(true);
    // A row set by code is no click: the choice of the first controller is run here.
    liste->setListIndex(0);
    choisirManette(slot);
}

void Form_jeu::nonManette(int slot)
{
    ListBox *liste = lstJoySticks_(slot);
    liste->setEnabled(false);
    liste->setCurrentRow(-1);
    liste->clearSelection();
    if (m_controleurs)
        manettes()->release(slot);
}

void Form_jeu::Option_joystick1_Click()
{
    ouiManette(1);
}

void Form_jeu::Option_joystick1b_Click()
{
    ouiManette(2);
}

void Form_jeu::Option_joystick1c_Click()
{
    ouiManette(3);
}

void Form_jeu::Option_joystick2_Click()
{
    nonManette(1);
}

void Form_jeu::Option_joystick2b_Click()
{
    nonManette(2);
}

void Form_jeu::Option_joystick2c_Click()
{
    nonManette(3);
}

void Form_jeu::deselectionnerOptionsNon()
{
    for (int k = 1; k <= 3; ++k) {
        // An exclusive choice cannot be emptied: the option leaves it for the moment.
        OptionButton *non = Option_non(k);
        non->setAutoExclusive(false);
        non->setValue(false);
        non->setAutoExclusive(true);
    }
}
