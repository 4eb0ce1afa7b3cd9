// Resource modules: where pictures and other resources are read by type and name.
// The game's own resources are compiled in under ":/tempeljeu/<TYPE>/<NAME>"; a question pack's
// resource file is a Qt binary resource file ("rcc --binary") holding "/<TYPE>/<NAME>", mapped
// under a root of its own while it is open. Types and names are stored in upper case, integer
// identifiers by their decimal text; both are matched without regard to case.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace platform {

// A module handle; 0 stands for the running program's own resources.
using ModuleHandle = std::int32_t;

// Error codes reported with a failure, the system's own numbering.
namespace moduleerror {
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int InvalidHandle = 6;
inline constexpr int BadFormat = 193;
inline constexpr int TypeNotFound = 1813;
inline constexpr int NameNotFound = 1814;
} // namespace moduleerror

struct ModuleOpened {
    ModuleHandle handle = 0; // 0 when the file could not be opened
    int lastError = 0;
};

struct ResourceRead {
    enum Status { Found, NotFound, NotLoaded };
    Status status = NotFound;
    QByteArray bytes;
    int lastError = 0;
};

// The key under which a type or a name is stored: a whole number from 1 to 65535 is an integer
// identifier, kept as its decimal text ("01024" and "1024" are the same); anything else is a
// name, in upper case.
QString resourceKey(const QString &typeOrName);

// Opens a file as a resource module. The game's own program (in the program folder or the
// running executable's folder, as "Tempeljeu.exe" or "Tempeljeu") gives a handle on the
// compiled-in resources; any other file must be a binary resource file.
ModuleOpened openResourceModule(const QString &path);

// Releases a handle that openResourceModule gave; 0 and unknown handles are ignored.
void releaseResourceModule(ModuleHandle handle);

// The bytes of a resource of a module, found by type and name.
ResourceRead readResource(ModuleHandle module, const QString &type, const QString &name);

} // namespace platform
