// From the countdown's last tick to the question painted (text, answers, picture), on the
// real game screen drawn offscreen: median and worst of many runs. A benchmark, not a test.
//
//   bench_question [RUNS]      (default 200)
#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/services/form_admin.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/controls.h"
#include "platform/process.h"
#include "platform/programfolder.h"
#include "platform/screens.h"
#include "platform/speech.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// A voice that notes when it was asked to speak.
struct VoixChronometree : platform::SpeechEngine {
    QElapsedTimer *depart;
    std::vector<double> *ms;
    VoixChronometree(QElapsedTimer *d, std::vector<double> *m) : depart(d), ms(m) {}
    void speak(const QString &, std::function<void()>) override
    {
        ms->push_back(depart->nsecsElapsed() / 1e6);
    }
    void stop() override {}
};

// Question programs are not started: the question file is already there.
struct SansProgramme : platform::ProcessStarter {
    bool startDetached(const QString &, const QStringList &) override { return true; }
};
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    QTemporaryDir dossier;
    platform::setProgramFolder(dossier.path());
    platform::setProcessStarter(std::make_unique<SansProgramme>());
    QDir(dossier.path()).mkpath("images");
    QImage image(146, 200, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    image.save(dossier.filePath("images/note.jpg"), "JPEG", 90);
    QFile q(dossier.filePath("question.tpq"));
    q.open(QIODevice::WriteOnly);
    q.write("\"Quelle est la note entouree sur la portee ci-contre ?\",\"Do\",\"Re\","
            "\"Mi, en clef de sol sur la troisieme ligne\",\"Fa\",\"3\",\"note.jpg\",\"\"\r\n");
    q.close();

    form_nombre_joueurs().Label_score_oui_non->setCaption("non");
    form_photos().Label_nombre_joueurs->setCaption("1");
    form_photos().Image_suivant_Click();
    Form_jeu &jeu = form_jeu();
    Form_admin &reglages = form_admin();
    for (platform::Label *theme : reglages.Label_themes)
        theme->setCaption("non");
    reglages.theme("fichier_texte")->setCaption("oui");
    reglages.Check_speech->setValue(0);
    jeu.show();

    std::vector<double> ms;
    QElapsedTimer t;
    std::vector<double> parole;
    platform::setSpeechEngineFactory(
        [&t, &parole] { return std::make_unique<VoixChronometree>(&t, &parole); });
    for (int r = 0; r < runs + 5; ++r) {
        reglages.Check_speech->setValue(r % 2);
        jeu.Debut_Click();
        jeu.Label_timer_nouvelle_question->setCaption("1");
        t.start();
        emit jeu.Timer_nouvelle_question->Tick();
        jeu.repaint(); // paints now, as the next frame would
        const double d = t.nsecsElapsed() / 1e6;
        if (r >= 5) // the first runs load fonts and pictures
            ms.push_back(d);
        if (!jeu.Picture_jeu->isVisible()) {
            std::fprintf(stderr, "the question was not shown\n");
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(parole.begin(), parole.end());
    if (!parole.empty())
        std::printf("tick to the voice asked to speak: median %.3f ms, worst %.3f ms\n",
                    parole[parole.size() / 2], parole.back());
    std::printf("tick to question painted: median %.2f ms, 95th %.2f ms, worst %.2f ms (%d runs)\n",
                ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), runs);
    platform::Screens::unloadAll();
    return 0;
}
