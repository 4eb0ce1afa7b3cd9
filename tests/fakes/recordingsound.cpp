#include "fakes/recordingsound.h"

namespace platform {
namespace {

class RecordingSoundEngine : public SoundEngine {
public:
    explicit RecordingSoundEngine(std::shared_ptr<SoundRecord> record) : m_record(std::move(record))
    {
    }
    bool setUp() override
    {
        ++m_record->setUps;
        return !m_record->failSetUp;
    }
    bool play(const QString &name) override
    {
        if (m_record->missing.contains(name.toLower()))
            return false;
        m_record->played.append(name);
        return true;
    }
    void setMasterGain(double gain) override { m_record->gains.push_back(gain); }
    void stop() override { ++m_record->stops; }
    void closeDown() override { ++m_record->closeDowns; }

private:
    std::shared_ptr<SoundRecord> m_record;
};

class RecordingAudioPlayer : public AudioPlayer {
public:
    explicit RecordingAudioPlayer(std::shared_ptr<AudioRecord> record) : m_record(std::move(record))
    {
    }
    bool open(const QString &path) override
    {
        m_record->calls.append(QStringLiteral("open ") + path);
        m_record->current = path;
        return true;
    }
    bool play() override
    {
        m_record->calls.append(QStringLiteral("play"));
        if (m_record->current.isEmpty())
            return false;
        m_record->playing = true;
        return true;
    }
    void close() override
    {
        m_record->calls.append(QStringLiteral("close"));
        m_record->current.clear();
        m_record->playing = false;
    }
    bool isPlaying() const override { return m_record->playing; }

private:
    std::shared_ptr<AudioRecord> m_record;
};

} // namespace

std::shared_ptr<SoundRecord> recordSoundEffects()
{
    auto record = std::make_shared<SoundRecord>();
    setSoundEngineFactory([record] { return std::make_unique<RecordingSoundEngine>(record); });
    return record;
}

std::shared_ptr<AudioRecord> recordAudio()
{
    auto record = std::make_shared<AudioRecord>();
    setAudioPlayer(std::make_unique<RecordingAudioPlayer>(record));
    return record;
}

} // namespace platform
