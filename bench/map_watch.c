/* Start-up time of a window program as a user sees it: from the moment the process is
 * started to the moment its first top-level window is mapped on the X display.
 *
 *   map_watch [-t seconds] [-k] command [arguments...]
 *
 * Prints the milliseconds on standard output ("-1" when no window appeared in time).
 * With -k the program is ended (SIGTERM, then SIGKILL) once its window is up; without
 * it map_watch waits for the program to end by itself.
 *
 * The watch on the root window is set up before the fork, so no MapNotify can be
 * missed. Without a window manager the program's top-level windows are children of the
 * root; with one they are reparented first, and the MapNotify of the frame counts. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "x_display.h"

static double NowMs(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

static void EndChild(pid_t child) {
  kill(child, SIGTERM);
  for (int i = 0; i < 300; ++i) { /* up to 3 s for an orderly exit */
    if (waitpid(child, NULL, WNOHANG) == child) return;
    nanosleep(&(struct timespec){0, 10000000}, NULL);
  }
  kill(child, SIGKILL);
  waitpid(child, NULL, 0);
}

int main(int argc, char** argv) {
  double timeoutSeconds = 20;
  int killAfter = 0;
  int first = 1;
  while (first < argc && argv[first][0] == '-') {
    if (strcmp(argv[first], "-t") == 0 && first + 1 < argc) {
      timeoutSeconds = atof(argv[first + 1]);
      first += 2;
    } else if (strcmp(argv[first], "-k") == 0) {
      killAfter = 1;
      ++first;
    } else {
      break;
    }
  }
  if (first >= argc) {
    fprintf(stderr, "usage: map_watch [-t seconds] [-k] command [arguments...]\n");
    return 2;
  }
  Display* display = OpenProbeDisplay("map_watch");
  if (!display) return 2;
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double started = NowMs();
  const pid_t child = fork();
  if (child < 0) {
    perror("fork");
    return 2;
  }
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[first], argv + first);
    perror("execvp");
    _exit(127);
  }

  double mappedAfter = -1;
  const int fd = ConnectionNumber(display);
  while (mappedAfter < 0) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
        mappedAfter = NowMs() - started;
        break;
      }
    }
    if (mappedAfter >= 0) break;
    const double left = timeoutSeconds * 1e3 - (NowMs() - started);
    if (left <= 0) break;
    if (waitpid(child, NULL, WNOHANG) == child) { /* ended without a window */
      printf("-1\n");
      return 1;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    struct timeval tv = {0, left < 100 ? (long)(left * 1000) : 100000};
    if (select(fd + 1, &readable, NULL, NULL, &tv) < 0 && errno != EINTR) break;
  }
  printf("%.1f\n", mappedAfter);
  fflush(stdout);
  if (killAfter || mappedAfter < 0) EndChild(child);
  else waitpid(child, NULL, 0);
  XCloseDisplay(display);
  return mappedAfter < 0 ? 1 : 0;
}
