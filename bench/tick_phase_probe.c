/* Watches a rectangle of the X screen and prints, for each change of its pixels,
 * how many milliseconds into the wall-clock second it was first seen. Used by
 * clock_tick_phase.sh on the clock's face: the face changes once a second,
 * when its text shows the new second. Samples every 1 ms; the time printed is
 * the moment the sample that first shows the change was taken, so a change is
 * seen at most about 1.2 ms after it reached the screen.
 *
 *   tick_phase_probe X Y WIDTH HEIGHT SECONDS     (DISPLAY from the environment)
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static uint64_t Hash(XImage* image) {
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            h = (h ^ XGetPixel(image, x, y)) * 1099511628211ull;
        }
    }
    return h;
}

int main(int argc, char** argv) {
    if (argc != 6) {
        fprintf(stderr, "usage: tick_phase_probe X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) return 3;
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    const unsigned width = (unsigned)atoi(argv[3]), height = (unsigned)atoi(argv[4]);
    const double seconds = atof(argv[5]);
    const Window root = DefaultRootWindow(display);
    struct timespec start, now, pause = {0, 1000000};
    clock_gettime(CLOCK_REALTIME, &start);
    uint64_t last = 0;
    int first = 1;
    for (;;) {
        clock_gettime(CLOCK_REALTIME, &now);
        if (now.tv_sec - start.tv_sec + (now.tv_nsec - start.tv_nsec) / 1e9 > seconds) break;
        XImage* image = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
        if (!image) return 4;
        const uint64_t h = Hash(image);
        XDestroyImage(image);
        if (!first && h != last) printf("%ld\n", now.tv_nsec / 1000000);
        first = 0;
        last = h;
        nanosleep(&pause, NULL);
    }
    XCloseDisplay(display);
    return 0;
}
