// How long "Suite" takes to create and show a fresh game screen for a 32-player championship,
// as after every game choice: the median of several runs, headless, in a throw-away program
// folder. Prints the figure; judging it is the reader's business.
#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/screens.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir folder;
    platform::setProgramFolder(folder.path());
    platform::setMsgBoxAnswerer([](const QString &, int, const QString &) { return 1; });
    registerGameScreens();

    form_photos().Label_nombre_joueurs->setCaption(QStringLiteral("32"));
    form_nombre_joueurs().Label_score->setAppearance(0);
    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        form_photos().Image_suivant_Click();
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1000);
        if (!form_jeu().isVisible()) {
            std::fprintf(stderr, "the game screen was not shown\n");
            return 1;
        }
        platform::Screens::unload<Form_jeu>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    std::printf("\"Suite\" into a 32-player championship: %lld us (median of %d)\n",
                static_cast<long long>(times[times.size() / 2]), runs);
    platform::Screens::unloadAll();
    return 0;
}
