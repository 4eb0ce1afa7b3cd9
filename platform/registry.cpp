#include "platform/registry.h"

#include "platform/registry_desktop.h"

namespace platform {

namespace {

RegistryAnswerer &answerer()
{
    static RegistryAnswerer a;
    return a;
}

} // namespace

std::optional<QString> registryValue(RegistryRoot root, const QString &key, const QString &name)
{
    if (answerer())
        return answerer()(root, key, name);
    if (root == RegistryRoot::ClassesRoot &&
        key.compare(QLatin1String("HTTP\\Shell\\Open\\command"), Qt::CaseInsensitive) == 0 &&
        name.isEmpty())
        return desktop::browserCommand();
    if (root == RegistryRoot::LocalMachine &&
        key.startsWith(QLatin1String("SOFTWARE\\Microsoft\\Shared Tools"), Qt::CaseInsensitive))
        return desktop::systemInformationValue(key, name);
    return std::nullopt;
}

void setRegistryAnswerer(RegistryAnswerer a)
{
    answerer() = std::move(a);
}

} // namespace platform
