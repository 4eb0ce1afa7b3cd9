/* Prints the lock keys of the X display: "num caps scroll", each 1 (on) or 0 (off).
   With an argument "caps-on-num-off" it first puts the keyboard in that state. */
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char **argv)
{
    Display *d = XOpenDisplay(NULL);
    if (!d)
        return 2;
    const unsigned num = XkbKeysymToModifiers(d, XK_Num_Lock);
    if (argc > 1 && strcmp(argv[1], "caps-on-num-off") == 0) {
        XkbLockModifiers(d, XkbUseCoreKbd, num | LockMask, LockMask);
        XSync(d, False);
    }
    XkbStateRec state;
    XkbGetState(d, XkbUseCoreKbd, &state);
    Bool scroll = False;
    const Atom name = XInternAtom(d, "Scroll Lock", True);
    if (name)
        XkbGetNamedIndicator(d, name, NULL, &scroll, NULL, NULL);
    printf("%d %d %d\n", (state.locked_mods & num) != 0, (state.locked_mods & LockMask) != 0,
           scroll != False);
    XCloseDisplay(d);
    return 0;
}
