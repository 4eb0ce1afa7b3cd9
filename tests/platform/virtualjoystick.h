// A virtual game controller of SDL2's, plugged in the test process for as long as it lives.
#pragma once

#include <QString>

#include <SDL.h>

class VirtualJoystick {
public:
    explicit VirtualJoystick(const char *name = "Manette virtuelle", int buttons = 8)
        : m_name(name), m_buttons(buttons)
    {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_InitSubSystem(SDL_INIT_JOYSTICK); // held by the test: the controller outlives services
        plug();
    }
    ~VirtualJoystick()
    {
        unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    VirtualJoystick(const VirtualJoystick &) = delete;
    VirtualJoystick &operator=(const VirtualJoystick &) = delete;

    QString name() const { return QString::fromLatin1(m_name); }
    bool plugged() const { return m_joystick != nullptr; }

    void plug()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.nbuttons = Uint16(m_buttons);
        desc.name = m_name;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        m_joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }

    void unplug()
    {
        if (!m_joystick)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(m_joystick);
        SDL_JoystickClose(m_joystick);
        m_joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

    // Whether anything besides this controller's own test holds it open.
    bool heldElsewhere()
    {
        const SDL_JoystickID id = SDL_JoystickInstanceID(m_joystick);
        SDL_JoystickClose(m_joystick);
        const bool held = SDL_JoystickFromInstanceID(id) != nullptr;
        m_joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks() && !m_joystick; ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                m_joystick = SDL_JoystickOpen(i);
        return held;
    }

    // Button `button` counted from 1; the change is seen at the service's next poll.
    void set(int button, bool down)
    {
        SDL_JoystickSetVirtualButton(m_joystick, button - 1, down ? 1 : 0);
    }

private:
    const char *m_name;
    int m_buttons;
    SDL_Joystick *m_joystick = nullptr;
};
