// Game controllers that a test plugs, presses and unplugs, behind the platform's
// `Controllers`, for the screens' tests.
#pragma once

#include "platform/controllers.h"

#include <QString>

#include <memory>
#include <vector>

namespace platform {

class FakeControllers;

// Shared by the test and the services it made.
class FakeControllerBoard {
public:
    // Plugs a controller; returns its number for the calls below.
    int plug(const QString &name, int buttons);
    void unplug(int controller);
    void replug(int controller);
    // Holds down exactly `down` (buttons counted from 1) and reports one change.
    void set(int controller, const std::vector<int> &down);
    void press(int controller, int button) { set(controller, {button}); }
    // Controllers taken and released by every service, for checks.
    int opens = 0;
    int releases = 0;
    // Services made and not yet destroyed.
    int services() const { return int(m_services.size()); }

private:
    friend class FakeControllers;
    struct Pad {
        QString name;
        std::vector<bool> buttons;
        bool plugged = true;
    };
    std::vector<Pad> m_pads;
    std::vector<FakeControllers *> m_services;
};

// Installs a factory of fake services on the returned board.
std::shared_ptr<FakeControllerBoard> fakeControllers();

} // namespace platform
