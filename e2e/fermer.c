/* Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW), so that
   its program ends the way its user ends it. Usage: fermer WINDOW (its id, as xdotool gives
   it). */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

static int failed;

static int onError(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    failed = 1;
    return 0;
}

int main(int argc, char **argv)
{
    Display *d = argc == 2 ? XOpenDisplay(NULL) : NULL;
    if (!d) {
        fprintf(stderr, "usage: %s WINDOW, with a display\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(onError);
    XClientMessageEvent e = {.type = ClientMessage,
                             .window = strtoul(argv[1], NULL, 0),
                             .message_type = XInternAtom(d, "WM_PROTOCOLS", False),
                             .format = 32};
    e.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.data.l[1] = CurrentTime;
    XSendEvent(d, e.window, False, NoEventMask, (XEvent *)&e);
    XSync(d, False);
    XCloseDisplay(d);
    if (failed)
        fprintf(stderr, "fermer: no window %s\n", argv[1]);
    return failed;
}
