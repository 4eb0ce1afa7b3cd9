// eSpeak NG is one library state per process: every synthesis holds one lock, whichever
// engine asks. The library loads on the first synthesis, never before.
#include "platform/speech_espeak.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {
namespace {

// Short chunks: the first samples are ready soon after the text is handed over.
constexpr int kChunkMilliseconds = 20;

struct Espeak {
    std::mutex lock;
    bool tried = false;
    int sampleRate = 0; // 0: the library could not start
    QByteArray voice;   // the voice in use
    QString language;
};

Espeak &espeak()
{
    static Espeak instance;
    return instance;
}

// Under the lock.
bool startEspeak(Espeak &e)
{
    if (!e.tried) {
        e.tried = true;
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        if (espeak_ng_Initialize(&context) == ENS_OK &&
            espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kChunkMilliseconds, nullptr) ==
                ENS_OK)
            e.sampleRate = espeak_ng_GetSampleRate();
        espeak_ng_ClearErrorContext(&context);
    }
    return e.sampleRate > 0;
}

struct Synthesis {
    const SpeechChunk *chunk;
    int sampleRate;
};

int onSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *s = static_cast<Synthesis *>(events ? events->user_data : nullptr);
    if (!s || !samples || count <= 0)
        return 0;
    return (*s->chunk)(samples, count, s->sampleRate) ? 0 : 1; // 1 stops the synthesis
}

class AudioSinkOutput : public SpeechOutput {
public:
    AudioSinkOutput()
    {
        m_pump.setInterval(10);
        QObject::connect(&m_pump, &QTimer::timeout, [this] { pump(); });
    }

    void write(int sampleRate, const QByteArray &samples) override
    {
        if (!m_sink || m_rate != sampleRate)
            open(sampleRate);
        if (!m_sink)
            return; // no device: no sound
        if (!m_io)
            m_io = m_sink->start();
        m_pending += samples;
        pump();
    }

    void stop() override
    {
        m_pending.clear();
        m_pump.stop();
        if (m_sink)
            m_sink->stop();
        m_io = nullptr;
    }

private:
    void open(int sampleRate)
    {
        stop();
        m_sink.reset();
        m_rate = sampleRate;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = std::make_unique<QAudioSink>(device, format);
    }

    // The sink takes what it has room for; the rest waits for the next tick.
    void pump()
    {
        if (m_io && !m_pending.isEmpty()) {
            const qsizetype room = m_sink->bytesFree();
            const qsizetype n = std::min(room, m_pending.size());
            if (n > 0) {
                const qint64 written = m_io->write(m_pending.constData(), n);
                if (written > 0)
                    m_pending.remove(0, written);
            }
        }
        if (m_pending.isEmpty())
            m_pump.stop();
        else if (!m_pump.isActive())
            m_pump.start();
    }

    std::unique_ptr<QAudioSink> m_sink;
    QPointer<QIODevice> m_io;
    QByteArray m_pending;
    QTimer m_pump;
    int m_rate = 0;
};

class EspeakSpeechEngine : public SpeechEngine {
public:
    EspeakSpeechEngine(std::unique_ptr<SpeechOutput> output, const QString &voice)
        : m_output(std::move(output)), m_voice(voice.toUtf8()),
          m_context(std::make_unique<QObject>())
    {
    }

    ~EspeakSpeechEngine() override
    {
        {
            std::lock_guard guard(m_lock);
            m_quit = true;
            ++m_generation;
        }
        m_wake.notify_all();
        if (m_worker.joinable())
            m_worker.join();
        // What the worker posted and was not run yet dies with its context.
        m_context.reset();
    }

    void speak(const QString &text, std::function<void()> failed) override
    {
        m_output->stop();
        {
            std::lock_guard guard(m_lock);
            m_pending = text;
            m_failed = std::move(failed);
            ++m_generation;
        }
        m_wake.notify_all();
        if (!m_worker.joinable())
            m_worker = std::thread([this] { work(); });
    }

    void stop() override
    {
        {
            std::lock_guard guard(m_lock);
            m_pending.reset();
            ++m_generation;
        }
        m_output->stop();
    }

private:
    void work()
    {
        for (;;) {
            QString text;
            quint64 generation = 0;
            {
                std::unique_lock guard(m_lock);
                m_wake.wait(guard, [this] { return m_quit || m_pending; });
                if (m_quit)
                    return;
                text = *m_pending;
                m_pending.reset();
                generation = m_generation;
            }
            const auto current = [this, generation] { return m_generation == generation; };
            const bool spoken =
                synthesiseSpeech(text, m_voice, [&](const short *samples, int count, int rate) {
                    if (!current())
                        return false;
                    QByteArray bytes(reinterpret_cast<const char *>(samples),
                                     qsizetype(count) * qsizetype(sizeof(short)));
                    QMetaObject::invokeMethod(
                        m_context.get(),
                        [this, generation, rate, bytes] {
                            if (m_generation == generation)
                                m_output->write(rate, bytes);
                        },
                        Qt::QueuedConnection);
                    return true;
                });
            if (!spoken)
                QMetaObject::invokeMethod(
                    m_context.get(),
                    [this, generation] {
                        std::function<void()> failed;
                        {
                            std::lock_guard guard(m_lock);
                            if (m_generation != generation)
                                return; // a later text took its place
                            failed = m_failed;
                        }
                        if (failed)
                            failed();
                    },
                    Qt::QueuedConnection);
        }
    }

    std::unique_ptr<SpeechOutput> m_output;
    const QString m_voice;
    std::unique_ptr<QObject> m_context; // on the caller's thread: results are posted to it
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::optional<QString> m_pending;
    std::function<void()> m_failed;
    std::atomic<quint64> m_generation{0};
    bool m_quit = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<SpeechOutput> createAudioSinkOutput()
{
    return std::make_unique<AudioSinkOutput>();
}

std::unique_ptr<SpeechEngine> createEspeakEngine(std::unique_ptr<SpeechOutput> output,
                                                 const QString &voice)
{
    return std::make_unique<EspeakSpeechEngine>(std::move(output), voice);
}

bool synthesiseSpeech(const QString &text, const QString &voice, const SpeechChunk &chunk)
{
    Espeak &e = espeak();
    std::lock_guard guard(e.lock);
    if (!startEspeak(e))
        return false;
    const QByteArray name = voice.toUtf8();
    if (e.voice != name) {
        if (espeak_ng_SetVoiceByName(name.constData()) != ENS_OK) {
            e.voice.clear(); // whatever the library holds now, the next text sets its own
            return false;
        }
        e.voice = name;
        const espeak_VOICE *v = espeak_GetCurrentVoice();
        // The languages field: a priority byte, then the language name.
        e.language = v && v->languages ? QString::fromUtf8(v->languages + 1) : QString();
    }
    Synthesis s{&chunk, e.sampleRate};
    espeak_SetSynthCallback(onSamples);
    const QByteArray utf8 = text.toUtf8();
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, &s);
    return status == ENS_OK || status == ENS_SPEECH_STOPPED;
}

QString currentSpeechLanguage()
{
    Espeak &e = espeak();
    std::lock_guard guard(e.lock);
    return e.language;
}

} // namespace platform
