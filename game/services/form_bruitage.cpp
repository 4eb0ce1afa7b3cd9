#include "game/services/form_bruitage.h"

#include "game/services/form_admin.h"
#include "platform/screens.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {
// Master volumes, in hundredths of a decibel, set after each sound starts.
constexpr int kVolumeAccueil = -700;
constexpr int kVolumeTictac = 1000;
constexpr int kVolumeVrai = -700;
constexpr int kVolumeFaux = -500;
// The tick-tock is the loudest: it plays at the recording's level and the others keep their
// distance below it.
constexpr int kVolumePleineEchelle =
    std::max({kVolumeAccueil, kVolumeTictac, kVolumeVrai, kVolumeFaux});

constexpr int kClipsApplaudissements = 9;
constexpr int kClipsHuees = 8;

// "prefix0k" with k = whole part of r x count, plus 1; a draw of exactly 1 stays in range.
QString clip(const char *prefix, int count, double r)
{
    const int k = std::clamp(int(std::floor(r * count)) + 1, 1, count);
    return QLatin1String(prefix) + QLatin1Char('0') + QString::number(k);
}
} // namespace

std::optional<QString> sonBruitageVrai(const QString &setting, double r)
{
    if (setting == QLatin1String("Applaudissements"))
        return clip("gagner", kClipsApplaudissements, r);
    if (setting == QLatin1String("Ding"))
        return QStringLiteral("vrai");
    return std::nullopt;
}

std::optional<QString> sonBruitageFaux(const QString &setting, double r)
{
    if (setting == QStringLiteral("Huées"))
        return clip("perdu", kClipsHuees, r);
    if (setting == QLatin1String("Buzzer"))
        return QStringLiteral("faux");
    return std::nullopt;
}

Form_bruitage::Form_bruitage()
    : Form(QString::fromLatin1(formName)),
      Command_accueil(new CommandButton(this, "Command_accueil", "accueil")),
      Command_tictac(new CommandButton(this, "Command_tictac", "tictac")),
      Command_vrai(new CommandButton(this, "Command_vrai", "vrai")),
      Command_faux(new CommandButton(this, "Command_faux", "buzzer")),
      Command_stop(new CommandButton(this, "Command_stop", "stop")),
      Text_volume(new TextBox(this, "Text_volume", "-500")),
      Label_titre(new Label(this, "Label_titre")),
      Label_test_bruitages(new Label(this, "Label_test_bruitages")),
      m_random([] { return QRandomGenerator::global()->generateDouble(); })
{
    connect(Command_accueil, &CommandButton::Click, this, &Form_bruitage::Command_accueil_Click);
    connect(Command_tictac, &CommandButton::Click, this, &Form_bruitage::Command_tictac_Click);
    connect(Command_vrai, &CommandButton::Click, this, &Form_bruitage::Command_vrai_Click);
    connect(Command_faux, &CommandButton::Click, this, &Form_bruitage::Command_faux_Click);
    connect(Command_stop, &CommandButton::Click, this, &Form_bruitage::Command_stop_Click);
}

Form_bruitage::~Form_bruitage() = default;

void Form_bruitage::Form_Load()
{
    m_performance = createSoundEngine();
    if (!m_performance->setUp())
        m_performance.reset();
}

void Form_bruitage::Form_Unload()
{
    if (m_performance)
        m_performance->closeDown();
    m_performance.reset();
}

void Form_bruitage::setRandomSource(std::function<double()> source)
{
    m_random = std::move(source);
}

void Form_bruitage::Command_accueil_Click()
{
    jouer(QStringLiteral("accueil"), kVolumeAccueil);
}

void Form_bruitage::Command_tictac_Click()
{
    jouer(QStringLiteral("tictac"), kVolumeTictac);
}

// Any other setting plays nothing: replaying the last sound could sound the tick-tock or
// the buzzer on a right answer.
void Form_bruitage::Command_vrai_Click()
{
    if (const auto nom = sonBruitageVrai(form_admin().Label_bruitage_vrai->Caption(), m_random()))
        jouer(*nom, kVolumeVrai);
}

void Form_bruitage::Command_faux_Click()
{
    if (const auto nom = sonBruitageFaux(form_admin().Label_bruitage_faux->Caption(), m_random()))
        jouer(*nom, kVolumeFaux);
}

void Form_bruitage::Command_stop_Click()
{
    if (m_performance)
        m_performance->stop();
}

void Form_bruitage::jouer(const QString &nom, int volume)
{
    // A sound that cannot start leaves the volume as it was.
    if (!m_performance || !m_performance->play(nom))
        return;
    reglerVolume(volume);
}

void Form_bruitage::reglerVolume(int volume)
{
    if (m_performance)
        m_performance->setMasterGain(gainFromHundredthsOfDecibel(volume, kVolumePleineEchelle));
}

Form_bruitage &form_bruitage()
{
    return Screens::get<Form_bruitage>();
}

void registerForm_bruitage()
{
    Screens::registerForm<Form_bruitage>();
}
