#include "platform/controllers.h"

#include "platform/modules.h"

namespace platform {
namespace {
ControllersFactory &factory()
{
    static ControllersFactory instance;
    return instance;
}

} // namespace

std::unique_ptr<Controllers> createControllers()
{
    if (factory())
        return factory()();
    if (auto service = makeFromModule<Controllers>(kControllersModule, kControllersEntry))
        return service;
    return std::make_unique<NoControllers>();
}

void setControllersFactory(ControllersFactory f)
{
    factory() = std::move(f);
}

} // namespace platform
