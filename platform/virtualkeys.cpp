#include "platform/virtualkeys.h"

#include <QKeyEvent>

namespace platform {

int virtualKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return vbKeyF1 + (key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // Qt's letters are the upper-case codes, as virtual keys are
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        return (event.modifiers() & Qt::KeypadModifier) ? vbKeyNumpad0 + digit : vbKey0 + digit;
    }
    return 0;
}

int shiftState(const QKeyEvent &event)
{
    int state = 0;
    if (event.modifiers() & Qt::ShiftModifier)
        state |= vbShiftMask;
    if (event.modifiers() & Qt::ControlModifier)
        state |= vbCtrlMask;
    if (event.modifiers() & Qt::AltModifier)
        state |= vbAltMask;
    return state;
}

} // namespace platform
