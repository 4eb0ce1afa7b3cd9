// The game controllers on SDL2's joystick subsystem, behind `Controllers`. They are built as
// the module `tempelmanettes`, which the game loads when it first lists controllers, so that
// SDL2 and its libraries cost nothing at start; tests and measurements that attach SDL's
// virtual joysticks link them directly.
#pragma once

#include "platform/controllers.h"

#include <memory>

namespace platform {

std::unique_ptr<Controllers> createSdlControllers();

} // namespace platform
