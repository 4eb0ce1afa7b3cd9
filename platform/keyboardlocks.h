// The keyboard's lock keys (Num Lock, Caps Lock, Scroll Lock), judged by their lock state.
// On X11 they are read and set through the X server; elsewhere nothing is known or changed.
#pragma once

#include <memory>
#include <optional>

namespace platform {

enum class LockKey { Num, Caps, Scroll };

class KeyboardLocks {
public:
    virtual ~KeyboardLocks() = default;
    // Whether the key's lock is on; nothing when it cannot be told.
    virtual std::optional<bool> isOn(LockKey key) = 0;
    virtual void setOn(LockKey key, bool on) = 0;
};

// The locks of the display the program runs on.
KeyboardLocks &keyboardLocks();

// Tests install a fake; an empty pointer brings back the real locks.
void setKeyboardLocks(std::unique_ptr<KeyboardLocks> locks);

} // namespace platform
