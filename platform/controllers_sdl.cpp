#include "platform/controllers_sdl.h"

#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace platform {
namespace {

bool sameGuid(const SDL_JoystickGUID &a, const SDL_JoystickGUID &b)
{
    return std::memcmp(a.data, b.data, sizeof a.data) == 0;
}

// Where the system keeps an attached controller ("/dev/input/event5"); empty when it does not
// say, as for virtual ones.
std::string devicePath(int index)
{
    const char *path = SDL_JoystickPathForIndex(index);
    return path ? std::string(path) : std::string();
}

// SDL2's joystick subsystem, without its video or its signal handlers; its events are read
// from a timer of the user-interface thread.
class SdlControllers : public Controllers {
public:
    SdlControllers()
    {
        // Else SDL takes SIGINT and SIGTERM, and the program no longer ends on them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        m_ready = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kControllerPollMilliseconds);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    }

    ~SdlControllers() override
    {
        m_timer.stop();
        for (Slot &s : m_slots)
            close(s);
        if (m_ready)
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    QStringList list() override
    {
        m_entries.clear();
        QStringList names;
        if (!m_ready)
            return names;
        SDL_JoystickUpdate(); // notices controllers plugged since the last look
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            const char *name = SDL_JoystickNameForIndex(i);
            names << (name ? QString::fromUtf8(name) : QStringLiteral("Manette %1").arg(i + 1));
            m_entries.push_back({SDL_JoystickGetDeviceInstanceID(i), SDL_JoystickGetDeviceGUID(i)});
        }
        return names;
    }

    bool open(int slot, int entry) override
    {
        release(slot);
        if (!m_ready || entry < 0 || entry >= int(m_entries.size()))
            return false;
        const Entry &e = m_entries[size_t(entry)];
        int index = -1;
        for (int i = 0; i < SDL_NumJoysticks() && index < 0; ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == e.instance)
                index = i;
        if (index < 0)
            return false;
        Slot &s = at(slot);
        if (!take(s, index))
            return false;
        s.chosen = true;
        s.guid = e.guid;
        m_timer.start();
        return true;
    }

    void release(int slot) override
    {
        Slot &s = at(slot);
        close(s);
        s = Slot{};
        const bool any =
            std::any_of(m_slots.begin(), m_slots.end(), [](const Slot &o) { return o.chosen; });
        if (!any)
            m_timer.stop();
    }

    int buttonCount(int slot) const override { return int(at(slot).buttons.size()); }

    Read read(int slot, std::vector<bool> &buttons) const override
    {
        const Slot &s = at(slot);
        if (!s.chosen)
            return Read::NoController;
        if (!s.joystick)
            return Read::Lost;
        buttons = s.buttons;
        return Read::Ok;
    }

    bool reacquire(int slot) override
    {
        Slot &s = at(slot);
        if (!s.chosen)
            return false;
        if (s.joystick)
            return true;
        // Identical controllers share one model identifier: one that a slot holds is that
        // player's, never this one's.
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (!isItsController(s, i) || held(SDL_JoystickGetDeviceInstanceID(i)))
                continue;
            const SDL_JoystickID lost = s.instance;
            if (!take(s, i))
                return false;
            for (Slot &other : m_slots)
                if (other.chosen && !other.joystick && other.instance == lost)
                    take(other, i);
            return true;
        }
        return false;
    }

    int entryOf(int slot) const override
    {
        const Slot &s = at(slot);
        if (!s.joystick)
            return -1;
        for (size_t e = 0; e < m_entries.size(); ++e)
            if (m_entries[e].instance == s.instance)
                return int(e);
        return -1;
    }

    bool polling() const override { return m_timer.isActive(); }

private:
    struct Entry {
        SDL_JoystickID instance;
        SDL_JoystickGUID guid;
    };
    struct Slot {
        bool chosen = false;
        SDL_Joystick *joystick = nullptr; // null while lost
        SDL_JoystickID instance = -1;     // kept while lost: the controller it had
        SDL_JoystickGUID guid{};
        std::string path;
        std::vector<bool> buttons;
    };

    Slot &at(int slot) { return m_slots.at(size_t(slot - 1)); }
    const Slot &at(int slot) const { return m_slots.at(size_t(slot - 1)); }

    // Whether attached controller `index` may be the one that the slot lost: the same model,
    // at the same place when the system names places.
    static bool isItsController(const Slot &s, int index)
    {
        return sameGuid(SDL_JoystickGetDeviceGUID(index), s.guid) &&
               (s.path.empty() || s.path == devicePath(index));
    }

    bool held(SDL_JoystickID instance) const
    {
        return std::any_of(m_slots.begin(), m_slots.end(), [instance](const Slot &o) {
            return o.joystick && o.instance == instance;
        });
    }

    static bool take(Slot &s, int index)
    {
        s.joystick = SDL_JoystickOpen(index);
        if (!s.joystick)
            return false;
        s.path = devicePath(index);
        s.instance = SDL_JoystickInstanceID(s.joystick);
        s.buttons.assign(size_t(std::max(0, SDL_JoystickNumButtons(s.joystick))), false);
        for (size_t b = 0; b < s.buttons.size(); ++b)
            s.buttons[b] = SDL_JoystickGetButton(s.joystick, int(b)) != 0;
        return true;
    }

    static void close(Slot &s)
    {
        if (s.joystick)
            SDL_JoystickClose(s.joystick);
        s.joystick = nullptr;
    }

    // Each change is reported on its own, so that a press and its release within one period
    // are both seen.
    void poll()
    {
        if (m_polling)
            return; // a handler let events run inside a report
        const std::weak_ptr<bool> self = m_alive;
        m_polling = true;
        SDL_Event event;
        while (!self.expired() && SDL_PollEvent(&event)) {
            for (int slot = 1; slot <= kSlots && !self.expired(); ++slot) {
                Slot &s = at(slot);
                if (!s.chosen)
                    continue;
                bool report = false;
                switch (event.type) {
                case SDL_JOYBUTTONDOWN:
                case SDL_JOYBUTTONUP:
                    if (s.joystick && event.jbutton.which == s.instance &&
                        event.jbutton.button < s.buttons.size()) {
                        s.buttons[event.jbutton.button] = event.jbutton.state == SDL_PRESSED;
                        report = true;
                    }
                    break;
                case SDL_JOYDEVICEREMOVED:
                    if (s.joystick && event.jdevice.which == s.instance) {
                        close(s);
                        report = true;
                    }
                    break;
                case SDL_JOYDEVICEADDED:
                    report = !s.joystick && isItsController(s, event.jdevice.which);
                    break;
                default: break;
                }
                if (report)
                    reportChanged(slot);
            }
            if (!self.expired() &&
                (event.type == SDL_JOYDEVICEADDED || event.type == SDL_JOYDEVICEREMOVED))
                reportDevicesChanged();
        }
        if (!self.expired())
            m_polling = false;
    }

    bool m_ready = false;
    bool m_polling = false;
    // Gone with the service: a report that ended it ends the poll.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>();
    std::vector<Entry> m_entries;
    std::array<Slot, kSlots> m_slots{};
    QTimer m_timer;
};

} // namespace

std::unique_ptr<Controllers> createSdlControllers()
{
    return std::make_unique<SdlControllers>();
}

} // namespace platform
