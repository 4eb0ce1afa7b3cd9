#include "platform/controllersignals.h"

namespace platform {

ControllerSignals::ControllerSignals(std::unique_ptr<Controllers> service)
    : m_service(std::move(service))
{
    m_service->setReports(
        {[this](int slot) { emit changed(slot); }, [this] { emit devicesChanged(); }});
}

} // namespace platform
