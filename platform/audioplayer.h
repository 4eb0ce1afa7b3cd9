// The player of a question's sound file (WAVE, MP3 and whatever GStreamer can decode): one
// file at a time, from its start, at full volume, without ever waiting for it.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

// A change here raises the sound module's version (modules.h).
class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;
    // Makes the file the current one, ready to play from its start; false when it is not a
    // readable file. The media is decoded in the background: a file that turns out not to
    // be sound simply plays nothing.
    virtual bool open(const QString &path) = 0;
    // Starts the current file; false when there is none.
    virtual bool play() = 0;
    // Stops and lets go of the current file.
    virtual void close() = 0;
    virtual bool isPlaying() const = 0;
};

// Whether these first bytes of a file start a sound format the player decodes: WAVE, MP3
// (an ID3 tag or a frame header), Ogg, FLAC, Sun audio or WavPack.
[[nodiscard]] bool startsLikeKnownSound(const QByteArray &head);
// The same for a file, judged from its first bytes only; false when it cannot be read.
[[nodiscard]] bool holdsKnownSound(const QString &path);

// The installed player: unless a test changed it, the Qt Multimedia one of the sound module,
// loaded on the first call; without the module a player that opens nothing.
AudioPlayer &audioPlayer();
// An empty player restores the sound module's.
void setAudioPlayer(std::unique_ptr<AudioPlayer> player);

} // namespace platform
