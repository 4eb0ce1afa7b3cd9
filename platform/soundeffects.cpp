#include "platform/soundeffects.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {
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

SoundEngineFactory qtFactory()
{
    return [] { return std::make_unique<QtSoundEngine>(); };
}

SoundEngineFactory &factory()
{
    static SoundEngineFactory instance = qtFactory();
    return instance;
}
} // namespace

double gainFromHundredthsOfDecibel(int volume, int fullScale)
{
    return std::min(1.0, std::pow(10.0, (double(volume) - fullScale) / 2000.0));
}

std::unique_ptr<SoundEngine> createSoundEngine()
{
    return factory()();
}

void setSoundEngineFactory(SoundEngineFactory f)
{
    factory() = f ? std::move(f) : qtFactory();
}

RecordingSoundEngine::RecordingSoundEngine(std::shared_ptr<SoundRecord> record)
    : m_record(std::move(record))
{
}

bool RecordingSoundEngine::setUp()
{
    ++m_record->setUps;
    return !m_record->failSetUp;
}

bool RecordingSoundEngine::play(const QString &name)
{
    if (m_record->missing.contains(name.toLower()))
        return false;
    m_record->played.append(name);
    return true;
}

void RecordingSoundEngine::setMasterGain(double gain)
{
    m_record->gains.push_back(gain);
}

void RecordingSoundEngine::stop()
{
    ++m_record->stops;
}

void RecordingSoundEngine::closeDown()
{
    ++m_record->closeDowns;
}

std::shared_ptr<SoundRecord> recordSoundEffects()
{
    auto record = std::make_shared<SoundRecord>();
    setSoundEngineFactory([record] { return std::make_unique<RecordingSoundEngine>(record); });
    return record;
}

void preferGStreamerMedia()
{
    // Read once, when Qt Multimedia starts; a choice made by the user's environment stands.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

} // namespace platform
