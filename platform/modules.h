// Our own shared modules, laid out in the program folder's `lib/`: the sound, the voice and
// the game controllers pull in big libraries that a program should not pay for at start, so
// each lives in a module loaded on its first use.
#pragma once

#include <QFunctionPointer>

#include <memory>

namespace platform {

// The entry point `function` of module `module` (the file `lib/lib<module>.so`), the module
// loaded on the first call and kept to the end; null when either cannot be had.
[[nodiscard]] QFunctionPointer moduleFunction(const char *module, const char *function);

// What the module's entry point `entry`, a `void entry(std::unique_ptr<T> &)`, makes; null
// when the module or its entry point cannot be had.
template <class T> std::unique_ptr<T> makeFromModule(const char *module, const char *entry)
{
    std::unique_ptr<T> made;
    using Entry = void (*)(std::unique_ptr<T> &);
    if (const auto make = reinterpret_cast<Entry>(moduleFunction(module, entry)))
        make(made);
    return made;
}

} // namespace platform
