// Game controllers for the three player slots: the attached controllers listed by name, one
// opened per slot, and each change of its buttons reported on the user-interface thread.
// The service polls only while some slot holds a controller. It is a plain interface, which
// the controller module implements; `ControllerSignals` turns its reports into Qt signals.
#pragma once

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Where a service reports, on the user-interface thread. The service goes on after a report
// returns: what a report does may let the service go only later.
struct ControllerReports {
    // The slot's controller changed: a button went down or up, it was lost or is back.
    std::function<void(int slot)> changed;
    // A controller was plugged in or unplugged, seen while the service polls: the list is
    // worth asking again.
    std::function<void()> devicesChanged;
};

// A change here raises the controller module's version (modules.h).
class Controllers {
public:
    static constexpr int kSlots = 3;
    enum class Read {
        Ok,
        NoController, // the slot holds none
        Lost,         // the slot's controller was unplugged
    };

    virtual ~Controllers() = default;

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

    // Where the reports go from now on; set by the owner before it opens a slot.
    void setReports(ControllerReports reports) { m_reports = std::move(reports); }

protected:
    void reportChanged(int slot) const
    {
        if (m_reports.changed)
            m_reports.changed(slot);
    }
    void reportDevicesChanged() const
    {
        if (m_reports.devicesChanged)
            m_reports.devicesChanged();
    }

private:
    ControllerReports m_reports;
};

// The service without a controller module: none is ever attached.
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

// Polls every 5 ms: a press reaches the screen within one period.
inline constexpr int kControllerPollMilliseconds = 5;

// A new service from the installed factory: unless a test changed it, SDL2's joysticks from
// the controller module, loaded on the first call; without the module a service that never
// lists a controller.
std::unique_ptr<Controllers> createControllers();

// An empty factory restores the controller module's.
using ControllersFactory = std::function<std::unique_ptr<Controllers>()>;
void setControllersFactory(ControllersFactory factory);

} // namespace platform
