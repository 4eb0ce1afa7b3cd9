// The French voice: real synthesis without an audio device, the failure path, stop and
// replacement, through an output that keeps what it is given.
#include "platform/speech_espeak.h"
#include "support/attendre.h"

#include <QCoreApplication>

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
    EXPECT_TRUE(attendreQue([&] { return failures == 1; }));
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
    ASSERT_TRUE(attendreQue([&] { return heard->writes > 0; }));
    engine->speak(QStringLiteral("Deux."), [&] { failed = true; });
    // Only the second text is heard after the replacement: its sounds, nothing more.
    const qsizetype attendu = dureeSonore(seul.data(), qsizetype(seul.size()));
    const auto entendu = [&] {
        return dureeSonore(reinterpret_cast<const short *>(heard->samples.constData()),
                           heard->samples.size() / qsizetype(sizeof(short)));
    };
    EXPECT_TRUE(attendreQue([&] { return entendu() >= attendu * 9 / 10; }));
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
    ASSERT_TRUE(attendreQue([&] { return heard->writes > 0; }));
    engine->stop();
    EXPECT_TRUE(heard->samples.isEmpty());
    const int writes = heard->writes;
    engine.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(heard->writes, writes);
    EXPECT_TRUE(heard->samples.isEmpty());
}

// Whatever the machine has (usually no audio device here), the real output takes a whole text
// from the engine, and another after a stop, and the engine never reports a failure.
TEST(Speech, AudioSinkOutputTakesSamplesWithOrWithoutDevice)
{
    // Passes the engine's samples on to the real output, counting them.
    class Counting : public platform::SpeechOutput {
    public:
        Counting(std::shared_ptr<Heard> heard, std::unique_ptr<platform::SpeechOutput> output)
            : m_heard(std::move(heard)), m_output(std::move(output))
        {
        }
        void write(int sampleRate, const QByteArray &samples) override
        {
            m_output->write(sampleRate, samples);
            m_heard->samples += samples;
            ++m_heard->writes;
        }
        void stop() override
        {
            m_output->stop();
            ++m_heard->stops;
        }

    private:
        std::shared_ptr<Heard> m_heard;
        std::unique_ptr<platform::SpeechOutput> m_output;
    };
    const std::vector<short> seul = synthese(QStringLiteral("Bonjour"));
    const qsizetype attendu = dureeSonore(seul.data(), qsizetype(seul.size()));
    auto heard = std::make_shared<Heard>();
    auto engine = platform::createEspeakEngine(
        std::make_unique<Counting>(heard, platform::createAudioSinkOutput()));
    const auto entendu = [&] {
        return dureeSonore(reinterpret_cast<const short *>(heard->samples.constData()),
                           heard->samples.size() / qsizetype(sizeof(short)));
    };
    bool failed = false;
    for (int fois = 0; fois < 2; ++fois) {
        heard->samples.clear();
        engine->speak(QStringLiteral("Bonjour"), [&] { failed = true; });
        EXPECT_TRUE(attendreQue([&] { return entendu() >= attendu * 9 / 10; }))
            << "text " << fois + 1;
        engine->stop();
    }
    engine.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(failed);
}
