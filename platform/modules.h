// Our own shared modules, laid out in the program folder's `lib/`: the voice and the game
// controllers pull in big libraries that a program should not pay for at start, so each lives
// in a module loaded on its first use.
#pragma once

#include <QFunctionPointer>

namespace platform {

// The entry point `function` of module `module` (the file `lib/lib<module>.so`), the module
// loaded on the first call and kept to the end; null when either cannot be had.
[[nodiscard]] QFunctionPointer moduleFunction(const char *module, const char *function);

} // namespace platform
