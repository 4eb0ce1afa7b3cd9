// Qt keys as the virtual-key numbers the screens test (F1 = 112, "J" = 74, keypad 1 = 97),
// mapped in this one place.
#pragma once

class QKeyEvent;

namespace platform {

inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyJ = 74;
inline constexpr int vbKeyNumpad0 = 96;
inline constexpr int vbKey0 = 48;

// Shift state of a key: Shift 1, Ctrl 2, Alt 4, added up.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// The virtual-key number of a pressed key, 0 for a key we give no number. Keypad digits
// have their own numbers only when they come from the keypad (with Num Lock off the keypad
// sends movement keys, which have none here); letters are the same with or without Shift.
[[nodiscard]] int virtualKeyCode(const QKeyEvent &event);
[[nodiscard]] int shiftState(const QKeyEvent &event);

} // namespace platform
