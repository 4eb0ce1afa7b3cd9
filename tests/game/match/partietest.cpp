#include "partietest.h"

#include "game/avatars/form_photos.h"
#include "game/services/form_admin.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/controls.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "platform/screens.h"
#include "support/recordingstarter.h"
#include "support/touches.h"

#include "datafiles/itemformat.h"

#include <random>

void PartieTest::SetUp()
{
    ProgramFolderTest::SetUp();
    platform::setMsgBoxAnswerer([this](const QString &text, int, const QString &title) {
        m_messages << title + QStringLiteral(": ") + text;
        return int(platform::vbOK);
    });
    m_sons = platform::recordSoundEffects();
    m_audio = platform::recordAudio();
    m_voix = platform::recordSpeech();
    platform::setProcessStarter(
        std::make_unique<RecordingStarter>(&m_started, [this](const QString &programme) {
            if (programme == QLatin1String("Tempelgestion") || m_questions.empty())
                return;
            writeFile("question.tpq", m_questions.front());
            if (m_questions.size() > 1)
                m_questions.pop_front();
        }));
    platform::setRandomSource([this] {
        if (m_tirages.empty())
            return std::uniform_real_distribution<double>(0.0, 1.0)(m_hasard);
        const double r = m_tirages.front();
        m_tirages.pop_front();
        return r;
    });
    platform::setDoEventsHook([] {});
}

void PartieTest::TearDown()
{
    ProgramFolderTest::TearDown();
    platform::setDoEventsHook({});
    platform::setRandomSource({});
    platform::setProcessStarter(nullptr);
    platform::setSpeechEngineFactory({});
    platform::setMsgBoxAnswerer({});
}

Form_jeu &PartieTest::ouvrir(const QString &count, bool jeuScore)
{
    Form_nombre_joueurs &choix = form_nombre_joueurs();
    choix.Label_score->setAppearance(jeuScore ? 1 : 0);
    choix.Label_score_oui_non->setCaption(jeuScore ? QStringLiteral("oui") : QStringLiteral("non"));
    Form_photos &photos = form_photos();
    for (int p = 1; p <= Form_photos::kSlots; ++p)
        photos.Text(p)->setText(QStringLiteral("Joueur %1").arg(p));
    photos.Label_nombre_joueurs->setCaption(count);
    photos.Image_suivant_Click();
    return jeu();
}

void PartieTest::regler(const Reglages &r)
{
    Form_admin &a = form_admin();
    a.Label_type_de_jeu->setCaption(r.type);
    a.Text_nombre_questions->setText(r.questions);
    a.Text_nombre_secondes->setText(r.secondes);
    a.Label_bruitage_vrai->setCaption(r.vrai);
    a.Label_bruitage_faux->setCaption(r.faux);
    a.Label_points->setCaption(r.perdus);
    a.Label_points_gagnes->setCaption(r.gagnes);
    a.Check_tictac->setValue(r.tictac ? 1 : 0);
    a.Check_speech->setValue(r.speech ? 1 : 0);
    for (platform::Label *theme : a.Label_themes)
        theme->setCaption(r.themes.contains(theme->objectName().mid(6)) ? QStringLiteral("oui")
                                                                        : QStringLiteral("non"));
}

QByteArray PartieTest::question(const QString &texte, const QStringList &reponses,
                                const QString &bonne, const QString &image, const QString &son,
                                const QString &module)
{
    datafiles::RecordWriter w;
    w.text(texte);
    for (int n = 0; n < 4; ++n)
        w.text(reponses.value(n));
    w.text(bonne).text(image).text(son).text(module);
    return w.line();
}

void PartieTest::questions(std::vector<QByteArray> records)
{
    m_questions.assign(records.begin(), records.end());
}

Form_jeu &PartieTest::jeu()
{
    return form_jeu();
}

void PartieTest::seconde()
{
    Form_jeu &j = jeu();
    const bool compte = j.Timer_nouvelle_question->Enabled();
    const bool reponse = j.Timer_tempello->Enabled();
    if (compte)
        emit j.Timer_nouvelle_question->Tick();
    if (reponse && platform::Screens::ifLoaded<Form_jeu>())
        emit jeu().Timer_tempello->Tick();
}

void PartieTest::compteARebours()
{
    for (int t = 0; t < 3 && jeu().Timer_nouvelle_question->Enabled(); ++t)
        emit jeu().Timer_nouvelle_question->Tick();
}

void PartieTest::touche(int key, Qt::KeyboardModifiers modifiers)
{
    // Into the list box, which would take letters for itself: the screen sees them first.
    appuyer(jeu().lstScores, key, modifiers);
}
