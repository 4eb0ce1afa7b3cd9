#include "platform/audioplayer.h"

#include "platform/modules.h"
#include "platform/wholefile.h"

#include <QCoreApplication>

namespace platform {
namespace {
// What plays when the sound module cannot be loaded: nothing, as with no audio device.
class SilentAudioPlayer : public AudioPlayer {
public:
    bool open(const QString &) override { return false; }
    bool play() override { return false; }
    void close() override {}
    bool isPlaying() const override { return false; }
};

std::unique_ptr<AudioPlayer> &installed()
{
    static std::unique_ptr<AudioPlayer> instance;
    return instance;
}

// The media player must go before the application object that its backend lives on.
void releaseAtExit()
{
    installed().reset();
}
} // namespace

namespace {
// An MPEG audio frame header: 11 sync bits, then a version, a layer, a bit rate and a
// sample rate that are not the reserved values.
bool isMpegFrameHeader(const QByteArray &h)
{
    if (h.size() < 4)
        return false;
    const auto b = [&h](int i) { return static_cast<unsigned char>(h.at(i)); };
    const bool sync = b(0) == 0xFF && (b(1) & 0xE0) == 0xE0;
    const bool version = (b(1) & 0x18) != 0x08;
    const bool layer = (b(1) & 0x06) != 0;
    const bool bitRate = (b(2) & 0xF0) != 0xF0;
    const bool sampleRate = (b(2) & 0x0C) != 0x0C;
    return sync && version && layer && bitRate && sampleRate;
}
} // namespace

bool startsLikeKnownSound(const QByteArray &head)
{
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return true;
    for (const char *magic : {"ID3", "OggS", "fLaC", ".snd", "wvpk"}) {
        if (head.startsWith(magic))
            return true;
    }
    return isMpegFrameHeader(head);
}

bool holdsKnownSound(const QString &path)
{
    const auto head = readFileStart(path, 12);
    return head && startsLikeKnownSound(*head);
}

AudioPlayer &audioPlayer()
{
    static const bool hooked = [] {
        qAddPostRoutine(releaseAtExit);
        return true;
    }();
    Q_UNUSED(hooked);
    if (!installed())
        installed() = makeFromModule<AudioPlayer>(kSoundModule, kAudioPlayerEntry);
    if (!installed())
        installed() = std::make_unique<SilentAudioPlayer>();
    return *installed();
}

void setAudioPlayer(std::unique_ptr<AudioPlayer> player)
{
    installed() = std::move(player);
}

} // namespace platform
