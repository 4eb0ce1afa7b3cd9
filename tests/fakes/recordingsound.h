// Sound effects and a question player that record what they were asked, for the screens'
// tests.
#pragma once

#include "platform/audioplayer.h"
#include "platform/soundeffects.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace platform {

// What recording engines did, shared between a test and the engines it made.
struct SoundRecord {
    bool failSetUp = false; // set-up fails, as with no audio device
    QStringList missing;    // names whose resource does not exist (lower case)
    int setUps = 0;
    QStringList played;        // names started, in order, as given
    std::vector<double> gains; // master gains set, in order
    int stops = 0;
    int closeDowns = 0;
};

// Installs a factory of recording engines that all write to the returned record.
std::shared_ptr<SoundRecord> recordSoundEffects();

// What a recording player was asked, shared with the test that installed it.
struct AudioRecord {
    QStringList calls; // "open <path>", "play", "close"
    QString current;   // the open file, empty when none
    bool playing = false;
};

// Installs a recording player and returns its record.
std::shared_ptr<AudioRecord> recordAudio();

} // namespace platform
