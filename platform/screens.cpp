#include "platform/screens.h"

#include <QCoreApplication>
#include <map>

namespace platform {
namespace {
struct Registry {
    std::map<QString, Screens::Factory> factories;
    std::map<QString, std::unique_ptr<Form>> loaded;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}
} // namespace

void Screens::registerFactory(const QString &name, Factory factory)
{
    registry().factories.try_emplace(name, std::move(factory));
}

Form *Screens::get(const QString &name)
{
    Registry &r = registry();
    if (auto it = r.loaded.find(name); it != r.loaded.end())
        return it->second.get();
    auto factory = r.factories.find(name);
    if (factory == r.factories.end())
        return nullptr;
    // Registered before its load runs, so that the load can refer to its own screen.
    Form *form = r.loaded.emplace(name, factory->second()).first->second.get();
    form->Form_Load();
    return form;
}

Form *Screens::ifLoaded(const QString &name)
{
    Registry &r = registry();
    auto it = r.loaded.find(name);
    return it == r.loaded.end() ? nullptr : it->second.get();
}

void Screens::unload(const QString &name)
{
    Registry &r = registry();
    auto it = r.loaded.find(name);
    if (it == r.loaded.end())
        return;
    std::unique_ptr<Form> form = std::move(it->second);
    r.loaded.erase(it);
    form->Form_Unload();
    form->Hide();
    form->markUnloaded();
    // A screen often unloads itself from one of its own handlers: it is destroyed once
    // that handler has returned.
    form.release()->deleteLater();
}

void Screens::unloadAll()
{
    while (!registry().loaded.empty())
        unload(registry().loaded.begin()->first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace platform
