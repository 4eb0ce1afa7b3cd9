// Every program needs a graphical screen: without one, say so in French and stop cleanly
// instead of letting Qt abort.
#pragma once

namespace platform {

// True when a Qt application can open its windows here (a display, or a platform plugin
// such as offscreen chosen explicitly). Otherwise prints a French message naming `program`
// on the error output and returns false; main() then returns 1.
[[nodiscard]] bool checkDisplay(const char *program);

} // namespace platform
