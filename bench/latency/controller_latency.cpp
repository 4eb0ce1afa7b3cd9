// The start of the service; a virtual controller's press to the service's report, over many
// presses; and the CPU time the service takes over two seconds with no controller chosen, then with
// one.
#include "platform/controllers_sdl.h"
#include "platform/virtualjoystick.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

double idleCpu(int milliseconds)
{
    const double before = cpuMs();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return cpuMs() - before;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    platform::setControllersFactory(platform::createSdlControllers);
    // What the game screen's load pays for its three lists, SDL started afresh.
    QElapsedTimer demarrage;
    demarrage.start();
    {
        auto premier = platform::createControllers();
        for (int k = 0; k < 3; ++k)
            premier->list();
    }
    std::printf("manettes: démarrage de SDL et trois listes: %.1f ms\n",
                double(demarrage.nsecsElapsed()) / 1e6);
    VirtualJoystick pad("Manette de mesure", 4);
    auto service = platform::createControllers();
    const int entry = int(service->list().indexOf(pad.name()));

    const double libre = idleCpu(2000);
    std::printf("manettes: aucune choisie, sondage %s, CPU %.1f ms en 2 s\n",
                service->polling() ? "actif" : "arrêté", libre);

    service->open(1, entry);
    QElapsedTimer clock;
    qint64 seen = -1;
    service->setReports({[&](int) { seen = clock.nsecsElapsed(); }, {}});
    std::vector<double> delays;
    for (int i = 0; i < presses; ++i) {
        // Presses fall anywhere within a polling period.
        QEventLoop pause;
        QTimer::singleShot(1 + i % 7, &pause, &QEventLoop::quit);
        pause.exec();
        seen = -1;
        clock.start();
        pad.set(1, i % 2 == 0);
        while (seen < 0 && clock.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        delays.push_back(double(seen) / 1e6);
    }
    std::sort(delays.begin(), delays.end());
    std::printf("manettes: appui -> signal: médiane %.2f ms, 95e centile %.2f ms, 99e %.2f ms, "
                "pire %.2f ms "
                "(%d appuis, période %d ms)\n",
                delays[delays.size() / 2], delays[delays.size() * 95 / 100],
                delays[delays.size() * 99 / 100], delays.back(), presses,
                platform::kControllerPollMilliseconds);
    const double choisie = idleCpu(2000);
    std::printf("manettes: une choisie, CPU %.1f ms en 2 s\n", choisie);
    return 0;
}
