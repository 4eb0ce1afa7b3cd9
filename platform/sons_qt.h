// The game's sounds on Qt Multimedia: the sound effects and the player of a question's sound
// file. They are built as the module `tempelsons`, which the programs load when they first
// need sound, so that Qt Multimedia and the sound server's libraries cost nothing at start;
// tests and measurements link them directly.
#pragma once

#include "platform/audioplayer.h"
#include "platform/soundeffects.h"

#include <memory>

namespace platform {

std::unique_ptr<SoundEngine> createQtSoundEngine();
std::unique_ptr<AudioPlayer> createQtAudioPlayer();

// Qt Multimedia's GStreamer backend: the other one crashes when there is no audio device.
void preferGStreamerMedia();

} // namespace platform
