#pragma once
/* The X display of the bench probes, opened and reported the same way by each. */
#include <X11/Xlib.h>
#include <stdio.h>

/* The display named by DISPLAY, or NULL after saying on stderr that there is none. */
static Display* OpenProbeDisplay(const char* probe) {
  Display* display = XOpenDisplay(NULL);
  if (!display) fprintf(stderr, "%s: cannot open the X display\n", probe);
  return display;
}
