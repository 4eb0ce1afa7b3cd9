// How long a question's sound takes to load and start, and to be let go of after a file that
// looked like a sound failed to decode (a player dropped then must not block): medians of
// several runs with the real player, headless and with no audio device. Prints the figures.
#include "game/services/questionaudio.h"
#include "platform/audioplayer.h"
#include "platform/sons_qt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// A second of 8 kHz mono 16-bit silence.
QByteArray silenceWav()
{
    const char header[] = "RIFF\x24\x3E\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
                          "\x40\x1F\x00\x00\x80\x3E\x00\x00\x02\x00\x10\x00data\x00\x3E\x00\x00";
    return QByteArray(header, sizeof header - 1) + QByteArray(16000, '\0');
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void pumpEvents(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    platform::setAudioPlayer(platform::createQtAudioPlayer());

    QTemporaryDir folder;
    const QString sound = QDir(folder.path()).filePath("question.wav");
    const QString noise = QDir(folder.path()).filePath("bruit.mp3");
    write(sound, silenceWav());
    write(noise, "ID3" + QByteArray(4093, 'x'));

    std::vector<qint64> start;
    std::vector<qint64> letGo;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        LoadMP3(sound);
        PlayMP3();
        start.push_back(clock.nsecsElapsed() / 1000);

        LoadMP3(noise);
        PlayMP3();
        pumpEvents(300); // long enough for the decoder to give up
        clock.restart();
        LoadMP3(QString());
        letGo.push_back(clock.nsecsElapsed() / 1000);
    }
    TerminateEngine();
    std::printf("Question sound, load and start: %lld us (median of %d)\n",
                static_cast<long long>(median(start)), runs);
    std::printf("Next load after a sound that failed to decode: %lld us (median of %d)\n",
                static_cast<long long>(median(letGo)), runs);
    platform::setAudioPlayer(nullptr);
    return 0;
}
