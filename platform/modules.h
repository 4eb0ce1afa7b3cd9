// Our own shared modules, laid out in the program folder's `lib/`: the sound, the voice and
// the game controllers pull in big libraries that a program should not pay for at start, so
// each lives in a module loaded on its first use. A module implements plain interfaces of
// this layer and needs nothing from the program that loads it.
#pragma once

#include <QFunctionPointer>
#include <QLoggingCategory>

#include <memory>

namespace platform {

// Where the loader says why a module is not used.
Q_DECLARE_LOGGING_CATEGORY(lcModules)

// A module: its file `lib/lib<name>.so` and the version of the interfaces it implements. The
// version goes up whenever one of those interfaces changes (a function added, removed,
// reordered or given other arguments): a module built for another one is not used.
struct ModuleId {
    const char *name;
    int version;
};

// The sound effects and the question's sound file (soundeffects.h, audioplayer.h).
inline constexpr ModuleId kSoundModule{"tempelsons", 1};
inline constexpr char kSoundEngineEntry[] = "tempelBruitages";
inline constexpr char kAudioPlayerEntry[] = "tempelLecteur";
// The French voice (speech.h).
inline constexpr ModuleId kVoiceModule{"tempelvoix", 1};
inline constexpr char kVoiceEntry[] = "tempelVoixFrancaise";
// The game controllers (controllers.h).
inline constexpr ModuleId kControllersModule{"tempelmanettes", 2};
inline constexpr char kControllersEntry[] = "tempelManettes";

// Every module gives the version it was built for through this entry, an `int entry()`.
inline constexpr char kModuleVersionEntry[] = "tempelVersionModule";

// The entry point `function` of the module, which stays loaded to the end; null, with the
// reason logged, when the module cannot be loaded, gives another version or lacks the entry.
[[nodiscard]] QFunctionPointer moduleFunction(const ModuleId &module, const char *function);

// What the module's entry point `entry`, a `void entry(std::unique_ptr<T> &)`, makes; null
// when the module or its entry point cannot be had.
template <class T> std::unique_ptr<T> makeFromModule(const ModuleId &module, const char *entry)
{
    std::unique_ptr<T> made;
    using Entry = void (*)(std::unique_ptr<T> &);
    if (const auto make = reinterpret_cast<Entry>(moduleFunction(module, entry)))
        make(made);
    return made;
}

} // namespace platform
