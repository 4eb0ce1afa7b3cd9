/* Films the screen of an X display for the end-to-end scripts: each time the colour at one of
   the given points changes, the whole screen is written as DIR/NNNN.ppm (binary PPM), and a
   line "NNNN MS R,G,B..." (its number, milliseconds since the start, the points' colours) goes
   to standard output. It wakes on the server's damage events, never on a clock: it sees each
   state the screen passes through, however short and however busy the machine, and costs
   nothing while the screen is still. DIR/ready appears once it watches, after frame 0000 (the
   screen as it was); SIGTERM ends it.
   Usage: film DIR X Y [X Y...] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum { kMaxPoints = 32 };

typedef struct {
    int x, y;
} Point;

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* 0xRRGGBB: the screen's visual is checked for 8 bits a colour at the start. */
static unsigned long colourAt(XImage *image, int x, int y)
{
    return XGetPixel(image, x, y) & 0xFFFFFF;
}

/* Written beside, then renamed: a reader never sees half a frame. */
static int writeFrame(const char *dir, int number, XImage *image)
{
    char temporary[4096], path[4096];
    snprintf(temporary, sizeof temporary, "%s/.%04d.ppm", dir, number);
    snprintf(path, sizeof path, "%s/%04d.ppm", dir, number);
    FILE *f = fopen(temporary, "wb");
    if (!f)
        return 0;
    fprintf(f, "P6\n%d %d\n255\n", image->width, image->height);
    unsigned char *row = malloc((size_t)image->width * 3);
    for (int y = 0; row && y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long c = colourAt(image, x, y);
            row[3 * x] = c >> 16;
            row[3 * x + 1] = (c >> 8) & 0xFF;
            row[3 * x + 2] = c & 0xFF;
        }
        fwrite(row, 3, image->width, f);
    }
    const int written = row && !ferror(f);
    free(row);
    return fclose(f) == 0 && written && rename(temporary, path) == 0;
}

int main(int argc, char **argv)
{
    if (argc < 4 || argc % 2 || (argc - 2) / 2 > kMaxPoints) {
        fprintf(stderr, "usage: %s DIR X Y [X Y...]\n", argv[0]);
        return 2;
    }
    const char *dir = argv[1];
    const int count = (argc - 2) / 2;
    Point points[kMaxPoints];
    for (int i = 0; i < count; ++i)
        points[i] = (Point){atoi(argv[2 + 2 * i]), atoi(argv[3 + 2 * i])};

    Display *d = XOpenDisplay(NULL);
    int damageEvent, damageError;
    if (!d || !XDamageQueryExtension(d, &damageEvent, &damageError)) {
        fprintf(stderr, "film: no display, or no damage extension on it\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const int width = DisplayWidth(d, DefaultScreen(d)),
              height = DisplayHeight(d, DefaultScreen(d));
    for (int i = 0; i < count; ++i) {
        if (points[i].x < 0 || points[i].y < 0 || points[i].x >= width || points[i].y >= height) {
            fprintf(stderr, "film: point %d,%d off the screen\n", points[i].x, points[i].y);
            return 2;
        }
    }
    /* Every drawing reported, each with its rectangle: only those that touch a point cost a
       look at the screen. */
    XDamageCreate(d, root, XDamageReportRawRectangles);
    XSync(d, False);

    const double start = nowMs();
    unsigned long last[kMaxPoints];
    int frames = 0;
    for (int touched = 1;;) {
        if (touched) {
            XImage *image = XGetImage(d, root, 0, 0, width, height, AllPlanes, ZPixmap);
            if (!image) {
                fprintf(stderr, "film: the screen cannot be read\n");
                return 1;
            }
            if (frames == 0 && (image->red_mask != 0xFF0000 || image->green_mask != 0xFF00 ||
                                image->blue_mask != 0xFF)) {
                fprintf(stderr, "film: a screen of 8 bits a colour is needed\n");
                return 2;
            }
            int changed = frames == 0;
            unsigned long now[kMaxPoints];
            for (int i = 0; i < count; ++i) {
                now[i] = colourAt(image, points[i].x, points[i].y);
                changed |= frames > 0 && now[i] != last[i];
            }
            if (changed) {
                if (!writeFrame(dir, frames, image)) {
                    fprintf(stderr, "film: cannot write in %s\n", dir);
                    return 1;
                }
                printf("%04d %.0f", frames, nowMs() - start);
                for (int i = 0; i < count; ++i) {
                    printf(" %lu,%lu,%lu", now[i] >> 16, (now[i] >> 8) & 0xFF, now[i] & 0xFF);
                    last[i] = now[i];
                }
                printf("\n");
                fflush(stdout);
                if (frames++ == 0) {
                    char ready[4096];
                    snprintf(ready, sizeof ready, "%s/ready", dir);
                    FILE *f = fopen(ready, "w");
                    if (!f || fclose(f) != 0)
                        return 1;
                }
            }
            XDestroyImage(image);
        }
        /* Waits for the next drawing, then takes all that came meanwhile. */
        touched = 0;
        do {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != damageEvent + XDamageNotify)
                continue;
            const XRectangle *r = &((XDamageNotifyEvent *)&e)->area;
            for (int i = 0; i < count; ++i) {
                touched |= points[i].x >= r->x && points[i].x < r->x + r->width &&
                           points[i].y >= r->y && points[i].y < r->y + r->height;
            }
        } while (XPending(d));
    }
}
