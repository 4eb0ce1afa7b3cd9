// The screens registry: one instance per screen, created and loaded on first use,
// destroyed by unload so that the next use starts afresh.
#pragma once

#include "platform/form.h"

#include <QString>
#include <functional>
#include <memory>

namespace platform {

class Screens {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    // A screen class F names itself with `static constexpr const char *formName`.
    template <class F> static void registerForm()
    {
        registerFactory(QString::fromLatin1(F::formName), [] { return std::make_unique<F>(); });
    }

    // The screen, created and its Form_Load run when it is not loaded.
    template <class F> static F &get()
    {
        registerForm<F>();
        return static_cast<F &>(*get(QString::fromLatin1(F::formName)));
    }
    // The screen when it is loaded, else nothing: for code that must not re-create it.
    template <class F> static F *ifLoaded()
    {
        return static_cast<F *>(ifLoaded(QString::fromLatin1(F::formName)));
    }
    template <class F> static void unload() { unload(QString::fromLatin1(F::formName)); }

    // By name, for screens of other subsystems; nothing for a screen nobody registered.
    static Form *get(const QString &name);
    static Form *ifLoaded(const QString &name);
    // Unloading a screen that is not loaded does nothing.
    static void unload(const QString &name);
    static void unloadAll();

    static void registerFactory(const QString &name, Factory factory);
};

} // namespace platform
