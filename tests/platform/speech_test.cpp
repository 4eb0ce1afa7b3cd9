// The French voice: real synthesis without an audio device, the failure path, stop and
// replacement, through an output that keeps what it is given.
#include "platform/speech_espeak.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Heard {
    QByteArray samples; // what the output holds since its last stop
    int writes = 0;
    int stops = 0;
};

class KeepingOutput : public platform::SpeechOutput {
public:
    explicit KeepingOutput(std::shared_ptr<Heard> heard) : m_heard(std::move(heard)) {}
    void write(int, const QByteArray &samples) override
    {
        m_heard->samples += samples;
        ++m_heard->writes;
    }
    void stop() override
    {
        m_heard->samples.clear();
        ++m_heard->stops;
    }

private:
    std::shared_ptr<Heard> m_heard;
};

// Runs the caller's events until `done`, for at most a few seconds.
template <class F> bool attendre(F done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

std::vector<short> synthese(const QString &text)
{
    std::vector<short> all;
    const bool ok =
        platform::synthesiseSpeech(text, QStringLiteral("fr"), [&](const short *s, int n, int) {
            all.insert(all.end(), s, s + n);
            return true;
        });
    EXPECT_TRUE(ok);
    return all;
}

// Samples from the first sound to the last: a text's length without the silence around it,
// which eSpeak NG makes a little longer after a stopped text.
qsizetype dureeSonore(const short *s, qsizetype n)
{
    qsizetype debut = 0, fin = n;
    while (debut < fin && std::abs(int(s[debut])) < 200)
        ++debut;
    while (fin > debut && std::abs(int(s[fin - 1])) < 200)
        --fin;
    return fin - debut;
}

const QString kLong = QStringLiteral(
    "Écoute bien cette longue question : quel instrument joue la mélodie au début du morceau, "
    "le violon, la flûte, le piano ou la trompette ? Réfléchis avant de répondre.");

} // namespace

TEST(Speech, FrenchTextBecomesAudibleSamplesWithoutAnyDevice)
{
    int rate = 0;
    const std::vector<short> samples = synthese(QStringLiteral("Quelle est cette note ?"));
    platform::synthesiseSpeech(QStringLiteral("Do"), QStringLiteral("fr"),
                               [&](const short *, int, int r) {
                                   rate = r;
                                   return true;
                               });
    EXPECT_TRUE(platform::currentSpeechLanguage().startsWith(QStringLiteral("fr")))
        << platform::currentSpeechLanguage().toStdString();
    ASSERT_GT(rate, 0);
    // Half a second at least, and not silence.
    EXPECT_GT(int(samples.size()), rate / 2);
    int loud = 0;
    for (short s : samples)
        loud += std::abs(int(s)) > 1000;
    EXPECT_GT(loud, 100);
}

TEST(Speech, AVoiceThatCannotBeHadFailsLaterOnTheCallersThread)
{
    auto heard = std::make_shared<Heard>();
    auto engine = platform::createEspeakEngine(std::make_unique<KeepingOutput>(heard),
                                               QStringLiteral("pas-de-telle-voix"));
    int failures = 0;
    engine->speak(QStringLiteral("Bonjour"), [&] { ++failures; });
    EXPECT_EQ(failures, 0); // never from inside speak
    EXPECT_TRUE(attendre([&] { return failures == 1; }));
    EXPECT_EQ(heard->writes, 0);
    // The French voice still works afterwards for another engine.
    EXPECT_FALSE(synthese(QStringLiteral("Bonjour")).empty());
    EXPECT_TRUE(platform::currentSpeechLanguage().startsWith(QStringLiteral("fr")));
}

TEST(Speech, ANewTextReplacesTheOneBeingSpoken)
{
    const std::vector<short> seul = synthese(QStringLiteral("Deux."));
    auto heard = std::make_shared<Heard>();
    auto engine = platform::createEspeakEngine(std::make_unique<KeepingOutput>(heard));
    bool failed = false;
    engine->speak(kLong, [&] { failed = true; });
    ASSERT_TRUE(attendre([&] { return heard->writes > 0; }));
    engine->speak(QStringLiteral("Deux."), [&] { failed = true; });
    // Only the second text is heard after the replacement: its sounds, nothing more.
    const qsizetype attendu = dureeSonore(seul.data(), qsizetype(seul.size()));
    const auto entendu = [&] {
        return dureeSonore(reinterpret_cast<const short *>(heard->samples.constData()),
                           heard->samples.size() / qsizetype(sizeof(short)));
    };
    EXPECT_TRUE(attendre([&] { return entendu() >= attendu * 9 / 10; }));
    engine.reset();
    QCoreApplication::processEvents();
    EXPECT_LE(entendu(), attendu * 11 / 10);
    EXPECT_FALSE(failed);
}

TEST(Speech, StopSilencesAtOnceAndNothingArrivesAfterTheEngineIsGone)
{
    auto heard = std::make_shared<Heard>();
    auto engine = platform::createEspeakEngine(std::make_unique<KeepingOutput>(heard));
    engine->speak(kLong, {});
    ASSERT_TRUE(attendre([&] { return heard->writes > 0; }));
    engine->stop();
    EXPECT_TRUE(heard->samples.isEmpty());
    const int writes = heard->writes;
    engine.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(heard->writes, writes);
    EXPECT_TRUE(heard->samples.isEmpty());
}

// Whatever the machine has (usually no audio device here), playing answers at once.
TEST(Speech, AudioSinkOutputTakesSamplesWithOrWithoutDevice)
{
    auto output = platform::createAudioSinkOutput();
    const std::vector<short> samples = synthese(QStringLiteral("Bonjour"));
    const QByteArray bytes(reinterpret_cast<const char *>(samples.data()),
                           qsizetype(samples.size() * sizeof(short)));
    output->write(22050, bytes);
    output->stop();
    output->write(22050, bytes);
    output.reset();
}
