// From speak() to the first samples handed to the output, for the first text of a run (the
// voice loads then) and for the texts after it; median and worst of each.
#include "platform/speech_espeak.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Timing {
    QElapsedTimer clock;
    qint64 first = -1;
};

class TimingOutput : public platform::SpeechOutput {
public:
    explicit TimingOutput(Timing *t, std::unique_ptr<platform::SpeechOutput> real)
        : m_t(t), m_real(std::move(real))
    {
    }
    void write(int rate, const QByteArray &samples) override
    {
        if (m_t->first < 0)
            m_t->first = m_t->clock.nsecsElapsed();
        if (m_real)
            m_real->write(rate, samples);
    }
    void stop() override
    {
        if (m_real)
            m_real->stop();
    }

private:
    Timing *m_t;
    std::unique_ptr<platform::SpeechOutput> m_real;
};

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const QString text = QStringLiteral("Quel instrument entends-tu au début de ce morceau ?");
    Timing t;
    // The real output stage in front: with a device, the samples go on to the sound card.
    auto engine = platform::createEspeakEngine(
        std::make_unique<TimingOutput>(&t, platform::createAudioSinkOutput()));
    std::vector<double> later;
    double first = 0;
    for (int i = 0; i <= runs; ++i) {
        t.first = -1;
        t.clock.start();
        engine->speak(text, [] { std::puts("échec de la parole"); });
        while (t.first < 0 && t.clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (i == 0)
            first = ms(t.first);
        else
            later.push_back(ms(t.first));
        engine->stop();
    }
    std::sort(later.begin(), later.end());
    std::printf("parole: premier texte (voix chargée) %.1f ms; textes suivants: médiane %.1f ms, "
                "pire %.1f ms (%d essais)\n",
                first, later[later.size() / 2], later.back(), runs);
    return 0;
}
