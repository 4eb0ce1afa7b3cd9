// A voice that records what it was asked to say, for the screens' tests.
#pragma once

#include "platform/speech.h"

#include <QStringList>

#include <memory>

namespace platform {

// What recording engines did, shared between a test and the engines it made.
struct SpeechRecord {
    bool fail = false; // every speak fails
    QStringList spoken;
    int stops = 0;
};

// Installs a factory of recording engines that all write to the returned record; a failing
// speak calls its `failed` at once.
std::shared_ptr<SpeechRecord> recordSpeech();

} // namespace platform
