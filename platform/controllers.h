// Game controllers for the three player slots: the attached controllers listed by name, one
// opened per slot, and each change of its buttons reported on the user-interface thread.
// The service polls only while some slot holds a controller.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class Controllers : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = 3;
    enum class Read {
        Ok,
        NoController, // the slot holds none
        Lost,         // the slot's controller was unplugged
    };

    // The attached controllers by name; `open` takes an entry of the latest list.
    virtual QStringList list() = 0;
    // The slot (1..3) takes entry `entry`, releasing what it held; false when it cannot.
    virtual bool open(int slot, int entry) = 0;
    // The slot holds nothing afterwards.
    virtual void release(int slot) = 0;
    // Buttons of the slot's controller; 0 when it holds none.
    virtual int buttonCount(int slot) const = 0;
    // The slot's buttons (true = down) as of the change last reported.
    virtual Read read(int slot, std::vector<bool> &buttons) const = 0;
    // Takes a lost controller again once it is back: the same device (model and, where the
    // system tells it, device path), never one that another slot holds; false while it is
    // away. Slots that shared it have it back too.
    virtual bool reacquire(int slot) = 0;
    // The entry of the latest list that the slot's controller is; -1 when it holds none or
    // lost it.
    virtual int entryOf(int slot) const = 0;
    // Whether the service polls, which it does only while some slot holds a controller.
    virtual bool polling() const = 0;

    void releaseAll()
    {
        for (int slot = 1; slot <= kSlots; ++slot)
            release(slot);
    }

signals:
    // The slot's controller changed: a button went down or up, it was lost or is back.
    void changed(int slot);
    // A controller was plugged in or unplugged, seen while the service polls: the list is
    // worth asking again.
    void devicesChanged();
};

// Polls every 5 ms: a press reaches the screen within one period.
inline constexpr int kControllerPollMilliseconds = 5;

// A new service from the installed factory: unless a test changed it, SDL2's joysticks from
// the controller module, loaded on the first call; without the module a service that never
// lists a controller.
std::unique_ptr<Controllers> createControllers();

// An empty factory restores the controller module's.
using ControllersFactory = std::function<std::unique_ptr<Controllers>()>;
void setControllersFactory(ControllersFactory factory);

class FakeControllers;

// Controllers that a test plugs, presses and unplugs; shared by the test and the services
// it made.
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
