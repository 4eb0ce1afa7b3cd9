#include "platform/keyboardlocks.h"

#include <QGuiApplication>

// X11's headers define macros (None, Bool, Status...) that clash with Qt: they come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace platform {
namespace {

class NoKeyboardLocks : public KeyboardLocks {
public:
    std::optional<bool> isOn(LockKey) override { return std::nullopt; }
    void setOn(LockKey, bool) override {}
};

// Num Lock and Caps Lock are locked modifiers of the core keyboard and are set as such.
// Scroll Lock is no modifier on most keymaps: its indicator tells its state and a key
// press sent through XTest toggles it, as the user's own key would.
class X11KeyboardLocks : public KeyboardLocks {
public:
    explicit X11KeyboardLocks(Display *display) : m_display(display) {}

    std::optional<bool> isOn(LockKey key) override
    {
        if (key == LockKey::Scroll)
            return scrollLockIndicator();
        const unsigned mask = modifierMask(key);
        XkbStateRec state{};
        if (mask == 0 || XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
            return std::nullopt;
        return (state.locked_mods & mask) != 0;
    }

    void setOn(LockKey key, bool on) override
    {
        if (key == LockKey::Scroll) {
            const auto current = scrollLockIndicator();
            if (current && *current != on)
                pressScrollLock();
            return;
        }
        const unsigned mask = modifierMask(key);
        if (mask == 0)
            return;
        XkbLockModifiers(m_display, XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(m_display, False);
    }

private:
    unsigned modifierMask(LockKey key) const
    {
        if (key == LockKey::Caps)
            return LockMask;
        return XkbKeysymToModifiers(m_display, XK_Num_Lock);
    }

    std::optional<bool> scrollLockIndicator() const
    {
        const Atom name = XInternAtom(m_display, "Scroll Lock", True);
        int index = 0;
        Bool state = False;
        Bool real = False;
        if (name == 0 || !XkbGetNamedIndicator(m_display, name, &index, &state, nullptr, &real) ||
            !real)
            return std::nullopt;
        return state != False;
    }

    void pressScrollLock()
    {
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor))
            return;
        const KeyCode code = XKeysymToKeycode(m_display, XK_Scroll_Lock);
        if (code == 0)
            return;
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        XSync(m_display, False);
    }

    Display *m_display;
};

std::unique_ptr<KeyboardLocks> makeSystemLocks()
{
    if (auto *x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display *display = x11->display()) {
            int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
            if (XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
                return std::make_unique<X11KeyboardLocks>(display);
        }
    }
    return std::make_unique<NoKeyboardLocks>();
}

std::unique_ptr<KeyboardLocks> &installed()
{
    static std::unique_ptr<KeyboardLocks> instance;
    return instance;
}

} // namespace

KeyboardLocks &keyboardLocks()
{
    if (!installed())
        installed() = makeSystemLocks();
    return *installed();
}

void setKeyboardLocks(std::unique_ptr<KeyboardLocks> locks)
{
    installed() = std::move(locks);
}

} // namespace platform
