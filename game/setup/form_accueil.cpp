#include "game/setup/form_accueil.h"

#include "game/avatars/form_photos.h"
#include "game/services/form_admin.h"
#include "game/services/module_nouveau_themes.h"
#include "game/services/respicture.h"
#include "game/setup/fonds.h"
#include "game/setup/form_fond.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/errors.h"
#include "platform/keyboardlocks.h"
#include "platform/picturebytes.h"
#include "platform/programfolder.h"
#include "platform/resourcemodule.h"
#include "platform/screens.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>

#include <future>

using namespace platform;

namespace {
constexpr int kLargeur = 12000;
constexpr int kHauteur = 9000;
constexpr int kSeconde = 1000;

// One of the game's own pictures decoded on a thread of its own, a null picture when it is
// missing or damaged. Its bytes are read here: the resource modules belong to this thread.
std::future<QImage> imageDuJeuEnArrierePlan(const QString &nom)
{
    const ResourceRead lu = readResource(0, QStringLiteral("fond"), nom);
    return std::async(std::launch::async, [octets = lu.bytes] { return pictureFromBytes(octets); });
}
} // namespace

QPixmap imageDuJeu(const QString &nom)
{
    // A missing picture never stops the game: the screen shows without it.
    try {
        ResPicture reader;
        reader.setFileName(programPath(QStringLiteral("Tempeljeu.exe")));
        return reader.LoadResPicture(QStringLiteral("fond"), nom);
    } catch (const NumberedError &) {
        return {};
    }
}

QSize Resolution_ecran()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->geometry().size() : QSize();
}

void Numlock()
{
    KeyboardLocks &locks = keyboardLocks();
    if (locks.isOn(LockKey::Num) == false)
        locks.setOn(LockKey::Num, true);
    if (locks.isOn(LockKey::Caps) == true)
        locks.setOn(LockKey::Caps, false);
    if (locks.isOn(LockKey::Scroll) == true)
        locks.setOn(LockKey::Scroll, false);
}

Form_accueil::Form_accueil()
    : Form(QString::fromLatin1(formName)), Timer1(new Timer(this, "Timer1", kSeconde, true)),
      Label_timer(new Label(this, "Label_timer", "2")), Shape_score(new Shape(this, "Shape_score"))
{
    setClientSize(kLargeur, kHauteur);
    Label_timer->Move(3660, 3510, 1155, 435);
    Label_timer->setVisible(false);
    Shape_score->Move(230, 240, 11485, 4455);
    Shape_score->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape_score->setLineWidth(2);
    Shape_score->setBackColor(0xFFFFFF);
    Shape_score->setVisible(false);
    connect(Timer1, &Timer::Tick, this, &Form_accueil::Timer1_Timer);
}

void Form_accueil::Form_Load()
{
    Form_fond &fond = form_fond();
    const QSize ecran = Resolution_ecran();
    // The two pictures decode while the background screen is shown: nothing is drawn before
    // both are set.
    std::future<QImage> imageFond;
    if (const QString nom = nomFondEcran(ecran.width(), ecran.height()); !nom.isEmpty())
        imageFond = imageDuJeuEnArrierePlan(nom);
    std::future<QImage> imageAccueil = imageDuJeuEnArrierePlan(QStringLiteral("accueil"));
    fond.afficherPleinEcran();

    centre();
    setPicture(QPixmap::fromImage(imageAccueil.get()));
    // The picture covers the screen whole: the background screen need not paint beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, !Picture().isNull());
    if (imageFond.valid())
        fond.setPicture(QPixmap::fromImage(imageFond.get()));
    // The rest waits for the first frame on the screen: the settings store's text boxes start
    // the fonts, and the sound engine its libraries, which would hold the frame back.
    m_suiteEnAttente = true;
}

void Form_accueil::paintEvent(QPaintEvent *event)
{
    Form::paintEvent(event);
    if (m_suiteEnAttente)
        QTimer::singleShot(0, this, &Form_accueil::finirChargement);
}

void Form_accueil::finirChargement()
{
    if (!m_suiteEnAttente)
        return;
    m_suiteEnAttente = false;
    // The frame just painted reaches the screen before the work below holds the thread; no
    // event runs meanwhile, so that the screen still stands when the tick that got here goes on.
    syncDisplay();
    Charger_parametres();
    Numlock();
    if (form_admin().Check_musique->Value() == 1)
        jouerSonAccueil();
}

void Form_accueil::jouerSonAccueil()
{
    if (auto *bruitage = Screens::get(QStringLiteral("Form_bruitage"))) {
        if (auto *accueil = bruitage->findChild<CommandButton *>(QStringLiteral("Command_accueil")))
            accueil->setValue(true);
    }
}

void Form_accueil::Timer1_Timer()
{
    // A screen never drawn (covered, or on another desktop) still reads its settings.
    finirChargement();
    const int reste = Label_timer->Caption().toInt() - 1;
    Label_timer->setCaption(QString::number(reste));
    if (reste == 1)
        Screens::get<Form_photos>();
    else if (reste == 0)
        form_nombre_joueurs().Show();
}

Form_accueil &form_accueil()
{
    return Screens::get<Form_accueil>();
}
