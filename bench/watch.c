/* Starts a program on an X display and reports, in milliseconds, when its first window is
   mapped and when its first frame is drawn (the pixel at the screen's centre is no longer
   black); after a while it ends the program and reports its peak resident memory (KB).
   Usage: watch HOLD_MS PROGRAM [ARGS...]   Prints: MAP_MS FRAME_MS PEAK_KB */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s HOLD_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int hold = atoi(argv[1]);
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "no display\n");
        return 2;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        /* The programs' own chatter would mix with the figures. */
        if (!freopen("/dev/null", "w", stderr))
            _exit(127);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    const int fd = ConnectionNumber(d);
    while (mapped < 0 && now_ms() - start < 20000) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && mapped < 0)
                mapped = now_ms() - start;
        }
        if (mapped >= 0)
            break;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval tv = {0, 20000};
        select(fd + 1, &set, NULL, NULL, &tv);
    }
    double drawn = -1;
    const Window root = DefaultRootWindow(d);
    const int cx = DisplayWidth(d, DefaultScreen(d)) / 2;
    const int cy = DisplayHeight(d, DefaultScreen(d)) / 2;
    while (mapped >= 0 && drawn < 0 && now_ms() - start < 20000) {
        XImage *pixel = XGetImage(d, root, cx, cy, 1, 1, AllPlanes, ZPixmap);
        if (pixel) {
            if ((XGetPixel(pixel, 0, 0) & 0xFFFFFF) != 0)
                drawn = now_ms() - start;
            XDestroyImage(pixel);
        }
        if (drawn < 0)
            usleep(2000);
    }
    usleep((useconds_t)hold * 1000);
    kill(pid, SIGTERM);
    int status;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    printf("%.1f %.1f %ld\n", mapped, drawn, usage.ru_maxrss);
    return mapped < 0 || drawn < 0;
}
