#include "platform/sons_qt.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {
// Which files are played, for a look from outside: QT_LOGGING_RULES="tempel.son.info=true".
Q_LOGGING_CATEGORY(lcSon, "tempel.son", QtWarningMsg)

QString resourcePath(const QString &name)
{
    return QStringLiteral(":/tempeljeu/DMSEG/") + name.toUpper();
}

class QtSoundEngine : public SoundEngine {
public:
    bool setUp() override
    {
        preferGStreamerMedia();
        return !QMediaDevices::audioOutputs().isEmpty();
    }

    bool play(const QString &name) override
    {
        const QString path = resourcePath(name);
        if (!QFile::exists(path))
            return false;
        // Replacing the current effect stops it: one sound at a time.
        m_current = std::make_unique<QSoundEffect>();
        m_current->setSource(QUrl(QStringLiteral("qrc") + path));
        m_current->setVolume(float(m_gain));
        m_current->play();
        return true;
    }

    void setMasterGain(double gain) override
    {
        m_gain = gain;
        if (m_current)
            m_current->setVolume(float(gain));
    }

    void stop() override
    {
        if (m_current)
            m_current->stop();
    }

    void closeDown() override { m_current.reset(); }

private:
    std::unique_ptr<QSoundEffect> m_current;
    double m_gain = 1.0;
};

// A new media player for each file, as a new graph for each file: stopping or clearing a
// player whose media failed to decode blocks for a second, dropping it does not.
class QtAudioPlayer : public AudioPlayer {
public:
    bool open(const QString &path) override
    {
        close();
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isFile() || !info.isReadable())
            return false;
        preferGStreamerMedia();
        m_player = std::make_unique<QMediaPlayer>();
        auto *output = new QAudioOutput(m_player.get());
        output->setVolume(1.0f);
        m_player->setAudioOutput(output);
        m_player->setPlaybackRate(1.0);
        m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        qCInfo(lcSon).noquote() << "ouvert" << info.absoluteFilePath();
        return true;
    }

    bool play() override
    {
        if (!m_player)
            return false;
        m_player->play();
        return true;
    }

    void close() override { m_player.reset(); }

    bool isPlaying() const override
    {
        return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
    }

private:
    std::unique_ptr<QMediaPlayer> m_player;
};
} // namespace

std::unique_ptr<SoundEngine> createQtSoundEngine()
{
    return std::make_unique<QtSoundEngine>();
}

std::unique_ptr<AudioPlayer> createQtAudioPlayer()
{
    return std::make_unique<QtAudioPlayer>();
}

void preferGStreamerMedia()
{
    // Read once, when Qt Multimedia starts; a choice made by the user's environment stands.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

} // namespace platform
