#include "platform/controllers.h"

#include "platform/modules.h"

namespace platform {
namespace {
ControllersFactory &factory()
{
    static ControllersFactory instance;
    return instance;
}

// What lists controllers when the module cannot be loaded: none, as when none is attached.
class NoControllers : public Controllers {
public:
    QStringList list() override { return {}; }
    bool open(int, int) override { return false; }
    void release(int) override {}
    int buttonCount(int) const override { return 0; }
    Read read(int, std::vector<bool> &) const override { return Read::NoController; }
    bool reacquire(int) override { return false; }
    int entryOf(int) const override { return -1; }
    bool polling() const override { return false; }
};

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
