// A question's sound file: real WAVE files played with no audio device, paths that name no
// sound, and a load that never waits on the media.
#include "game/services/questionaudio.h"
#include "platform/sons_qt.h"

#include "fakes/recordingsound.h"
#include "support/programfoldertest.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QtEndian>

#include <cmath>

namespace {
// A short mono 16-bit PCM WAVE: a 440 Hz tone of `seconds`.
QByteArray toneWav(double seconds)
{
    const quint32 rate = 8000;
    const quint32 samples = quint32(rate * seconds);
    QByteArray wav;
    auto u32 = [&](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 4);
    };
    auto u16 = [&](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 2);
    };
    wav.append("RIFF");
    u32(36 + samples * 2);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        u16(quint16(qint16(8000 * std::sin(2 * M_PI * 440 * i / rate))));
    return wav;
}

// The bytes of a literal, NULs included.
template <std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

class QuestionAudio : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        platform::setAudioPlayer(platform::createQtAudioPlayer());
        writeFile("question.wav", toneWav(2.0));
    }
    // How long a load or a play takes is measured by bench/game.sh, not here.
    void TearDown() override
    {
        TerminateEngine();
        platform::setAudioPlayer(nullptr);
        ProgramFolderTest::TearDown();
    }
    bool playing() const { return platform::audioPlayer().isPlaying(); }
};
} // namespace

TEST_F(QuestionAudio, PlaysAWaveFileWithoutAnAudioDevice)
{
    ASSERT_TRUE(LoadMP3(path("question.wav")));
    EXPECT_TRUE(PlayMP3());
    EXPECT_TRUE(playing());
    EXPECT_TRUE(TerminateEngine());
    EXPECT_FALSE(playing());
}

TEST_F(QuestionAudio, NoSoundPathStopsThePreviousSoundAndPlaysNothing)
{
    QDir(m_folder.path()).mkdir("audio");
    for (const QString &noSound : {QString(), path("audio"), path("absent.mp3")}) {
        ASSERT_TRUE(LoadMP3(path("question.wav")));
        ASSERT_TRUE(PlayMP3());
        EXPECT_FALSE(LoadMP3(noSound)) << noSound.toStdString();
        EXPECT_FALSE(playing());
        EXPECT_FALSE(PlayMP3());
        EXPECT_FALSE(playing());
    }
}

TEST_F(QuestionAudio, NextQuestionsSoundReplacesTheFirst)
{
    writeFile("second.wav", toneWav(0.5));
    ASSERT_TRUE(LoadMP3(path("question.wav")));
    ASSERT_TRUE(PlayMP3());
    ASSERT_TRUE(LoadMP3(path("second.wav")));
    EXPECT_FALSE(playing());
    EXPECT_TRUE(PlayMP3());
}

// A file that starts like a sound but is none is only found out while it plays: silently,
// and the next question's load must not freeze the screen.
TEST_F(QuestionAudio, FileThatIsNotSoundPlaysNothingAndLetsGoAtOnce)
{
    writeFile("bruit.mp3", "ID3" + QByteArray(4093, 'x'));
    EXPECT_TRUE(LoadMP3(path("bruit.mp3")));
    PlayMP3();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(LoadMP3(path("absent.mp3")));
    EXPECT_FALSE(playing());
}

TEST_F(QuestionAudio, HandsThePathOverUnchangedAndStopsFirst)
{
    auto record = platform::recordAudio();
    ASSERT_TRUE(LoadMP3(path("question.wav")));
    PlayMP3();
    EXPECT_FALSE(LoadMP3(QString()));
    EXPECT_EQ(record->calls,
              (QStringList{"close", "open " + path("question.wav"), "play", "close"}));
}

// Judged from the first bytes, without waiting for the media: a file that holds no sound the
// player knows is refused, and the sound before it has been stopped all the same.
TEST_F(QuestionAudio, AFileThatHoldsNoKnownSoundIsRefusedAtLoad)
{
    auto record = platform::recordAudio();
    const std::pair<const char *, QByteArray> notSounds[] = {
        {"texte.mp3", "Ceci n'est pas une musique\r\n"},
        {"image.wav", QByteArray("GIF89a\x01\x00\x01\x00", 10)},
        {"vide.mp3", ""},
        {"riff.wav", bytes("RIFF\x10\x00\x00\x00"
                           "AVI LIST")},
        {"sync.mp3", QByteArray("\xFF\xFF\xFF\xFF", 4)}, // reserved layer and rates
    };
    for (const auto &[name, bytes] : notSounds) {
        writeFile(name, bytes);
        record->calls.clear();
        ASSERT_TRUE(LoadMP3(path("question.wav")));
        EXPECT_FALSE(LoadMP3(path(name))) << name;
        EXPECT_EQ(record->calls, (QStringList{"close", "open " + path("question.wav"), "close"}))
            << name;
    }
}

TEST(SoundFormats, KnownFormatsAreRecognisedFromTheirFirstBytes)
{
    const std::pair<QByteArray, bool> heads[] = {
        {bytes("RIFF\x24\x00\x00\x00WAVEfmt "), true},
        {bytes("ID3\x04\x00\x00\x00\x00\x00\x00"), true},
        {bytes("\xFF\xFB\x90\x64"), true}, // MPEG-1 layer III, 128 kbit/s
        {bytes("\xFF\xF3\x40\xC4"), true}, // MPEG-2 layer III
        {bytes("OggS\x00\x02"), true},
        {bytes("fLaC\x00\x00\x00\x22"), true},
        {bytes(".snd\x00\x00\x00\x18"), true},
        {bytes("wvpk\x00\x00"), true},
        {bytes("RIFF\x24\x00\x00\x00"
               "AVI "),
         false},
        {bytes("\xFF\xE9\x90\x64"), false},     // reserved layer
        {bytes("\xFF\xFB\xF0\x64"), false},     // reserved bit rate
        {bytes("\xFF\xFB\x9C\x64"), false},     // reserved sample rate
        {bytes("\xFF\xEB\x90\x64"), false},     // reserved version
        {bytes("MThd\x00\x00\x00\x06"), false}, // MIDI: nothing here renders it
        {bytes("RIF"), false},
        {bytes(""), false},
    };
    for (const auto &[head, known] : heads)
        EXPECT_EQ(platform::startsLikeKnownSound(head), known) << head.toHex().toStdString();
}
