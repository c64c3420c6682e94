/* Clock latency as a user sees it: how long after the wall-clock second changes the new
 * second appears on the screen.
 *
 *   second_latency -w TITLE [-r X,Y,W,H] [-n SAMPLES] [-t SECONDS]
 *
 * Finds the top-level window titled TITLE, then reads the region X,Y,W,H of it (window
 * coordinates; the whole window by default) with XGetImage about once a millisecond.
 * Each change of the pixels is timed against the last full second of the real-time
 * clock (a change up to 20 ms before a second counts, negative, for that second).
 * After a change it rests until 20 ms before the next second, so the polling costs
 * the measured program little. Prints "SAMPLES MEDIAN P99 MAX" in milliseconds.
 *
 * The change is placed in the middle of the two reads that saw the old and the new
 * pixels, so each figure is good to about half a poll interval (reported on stderr). */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "x_display.h"

static double RealNow(void) {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  return (double)ts.tv_sec + (double)ts.tv_nsec / 1e9;
}

static void SleepUntilReal(double when) {
  struct timespec ts;
  ts.tv_sec = (time_t)when;
  ts.tv_nsec = (long)((when - (double)ts.tv_sec) * 1e9);
  while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &ts, NULL) != 0) {
  }
}

static void SleepSeconds(double s) {
  struct timespec ts = {(time_t)s, (long)((s - (double)(time_t)s) * 1e9)};
  nanosleep(&ts, NULL);
}

static int TitleMatches(Display* display, Window w, const char* title) {
  static Atom netWmName = None, utf8 = None;
  if (netWmName == None) {
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    utf8 = XInternAtom(display, "UTF8_STRING", False);
  }
  int match = 0;
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* value = NULL;
  if (XGetWindowProperty(display, w, netWmName, 0, 1024, False, utf8, &type, &format, &items, &after,
                         &value) == Success &&
      value) {
    match = strcmp((const char*)value, title) == 0;
    XFree(value);
    if (match) return 1;
  }
  char* name = NULL;
  if (XFetchName(display, w, &name) && name) {
    match = strcmp(name, title) == 0;
    XFree(name);
  }
  return match;
}

/* Depth-first search of the window tree for a viewable window with the title. */
static Window FindWindow(Display* display, Window under, const char* title) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, under, &attributes) && attributes.map_state == IsViewable &&
      TitleMatches(display, under, title))
    return under;
  Window rootReturn, parent, *children = NULL;
  unsigned int count = 0;
  Window found = None;
  if (XQueryTree(display, under, &rootReturn, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && found == None; ++i)
      found = FindWindow(display, children[i], title);
    if (children) XFree(children);
  }
  return found;
}

static int CompareDoubles(const void* a, const void* b) {
  const double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

static int ignoreErrors(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

int main(int argc, char** argv) {
  const char* title = NULL;
  int x = 0, y = 0, width = 0, height = 0, wanted = 20;
  double waitForWindow = 15;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (strcmp(argv[i], "-w") == 0) title = argv[i + 1];
    else if (strcmp(argv[i], "-r") == 0) sscanf(argv[i + 1], "%d,%d,%d,%d", &x, &y, &width, &height);
    else if (strcmp(argv[i], "-n") == 0) wanted = atoi(argv[i + 1]);
    else if (strcmp(argv[i], "-t") == 0) waitForWindow = atof(argv[i + 1]);
  }
  if (!title || wanted < 1) {
    fprintf(stderr, "usage: second_latency -w TITLE [-r X,Y,W,H] [-n SAMPLES] [-t SECONDS]\n");
    return 2;
  }
  Display* display = OpenProbeDisplay("second_latency");
  if (!display) return 2;
  XSetErrorHandler(ignoreErrors); /* a window may vanish under us */
  Window window = None;
  for (double waited = 0; window == None && waited < waitForWindow; waited += 0.1) {
    window = FindWindow(display, DefaultRootWindow(display), title);
    if (window == None) SleepSeconds(0.1);
  }
  if (window == None) {
    fprintf(stderr, "second_latency: no window titled \"%s\"\n", title);
    printf("0 -1 -1 -1\n");
    return 1;
  }
  if (width <= 0 || height <= 0) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    width = attributes.width;
    height = attributes.height;
  }

  double* samples = malloc(sizeof(double) * (size_t)wanted);
  int have = 0, polls = 0, failures = 0;
  double pollTime = 0;
  XImage* image = XGetImage(display, window, x, y, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
  if (!image) {
    fprintf(stderr, "second_latency: cannot read the window\n");
    printf("0 -1 -1 -1\n");
    return 1;
  }
  const size_t bytes = (size_t)image->bytes_per_line * (size_t)image->height;
  unsigned char* previous = malloc(bytes);
  memcpy(previous, image->data, bytes);
  XDestroyImage(image);

  double lastRead = RealNow();
  SleepUntilReal((double)(long)lastRead + 1.0 - 0.020);
  lastRead = RealNow();
  while (have < wanted && failures < 1000) {
    const double before = RealNow();
    image = XGetImage(display, window, x, y, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    const double after = RealNow();
    if (!image) {
      ++failures;
      SleepSeconds(0.001);
      continue;
    }
    ++polls;
    pollTime += after - before;
    const int changed = memcmp(previous, image->data, bytes) != 0;
    if (changed) memcpy(previous, image->data, bytes);
    XDestroyImage(image);
    if (changed) {
      const double at = (lastRead + after) / 2;
      double sinceSecond = at - (double)(long)at;
      /* Polling starts 20 ms before the second: a change seen then belongs to the
       * coming second (drawn early, or within the poll interval of the boundary). */
      if (sinceSecond > 0.980) sinceSecond -= 1.0;
      samples[have++] = sinceSecond * 1000.0;
      SleepUntilReal((double)(long)(at + 0.020) + 1.0 - 0.020);
      lastRead = RealNow();
      continue;
    }
    lastRead = after;
    SleepSeconds(0.0008);
  }
  if (have == 0) {
    printf("0 -1 -1 -1\n");
    return 1;
  }
  qsort(samples, (size_t)have, sizeof(double), CompareDoubles);
  const double median = have % 2 ? samples[have / 2] : (samples[have / 2 - 1] + samples[have / 2]) / 2;
  int p99Index = (int)(0.99 * (have - 1) + 0.999999);
  if (p99Index >= have) p99Index = have - 1;
  fprintf(stderr, "second_latency: %d polls, %.2f ms per read\n", polls,
          polls ? pollTime * 1000 / polls : 0.0);
  printf("%d %.1f %.1f %.1f\n", have, median, samples[p99Index], samples[have - 1]);
  free(previous);
  free(samples);
  XCloseDisplay(display);
  return 0;
}
