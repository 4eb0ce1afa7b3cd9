// The few registry values the programs read, answered from the Linux desktop: the default web
// browser's command and the system-information tool. Any other key is "not found".
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

enum class RegistryRoot { ClassesRoot, LocalMachine };

// The value `name` ("" for the key's default value) of `key` under `root`, as text; nullopt
// when the key or the value is not found.
[[nodiscard]] std::optional<QString> registryValue(RegistryRoot root, const QString &key,
                                                   const QString &name);

// Tests answer the look-ups themselves; an empty answerer restores the desktop's answers.
using RegistryAnswerer =
    std::function<std::optional<QString>(RegistryRoot, const QString &, const QString &)>;
void setRegistryAnswerer(RegistryAnswerer answerer);

} // namespace platform
