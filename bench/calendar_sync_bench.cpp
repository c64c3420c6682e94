// Times of the calendar sync against the CalDAV calendar at argv[1] (bench/run fills a
// local Radicale with 1,000 events): the first sync into an empty list, and a sync with
// nothing changed. Prints the figures only; it asserts nothing about speed.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "appointments/appointment_list.h"
#include "bench/bench_program.h"
#include "calendar/calendar_sync.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/whole_file.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/window_builders.h"

namespace {

using Clock = std::chrono::steady_clock;

// The process's CPU time: what the sync costs on our side, the rest of its time is the
// server's (and the loopback's).
double CpuMillis() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double cpuOfLastSync = 0;

// One sync from "Jetzt abgleichen" until its last answer is in.
double SyncMillis() {
  const double cpu = CpuMillis();
  const auto start = Clock::now();
  SyncCalendarNow();
  // The answers are taken in while the loop waits; a wait of 1 ms ends the timing within
  // a millisecond of the sync's end (a longer one would round every figure up to it),
  // and still leaves the server on the same machine the CPU.
  platform::Event event;
  while (CalendarSyncRunning()) platform::WaitEvent(1, event);
  cpuOfLastSync = CpuMillis() - cpu;
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: calendar_sync_bench CALENDAR-URL\n");
    return 2;
  }
  const std::filesystem::path dir = StartBenchProgram(argc, argv, "calendar-bench");
  std::ofstream(kCalendarSettingsFileName) << "[Kalender]\nAdresse=" << argv[1] << "\nBenutzer=\n";
  BuildMainWindow();  // the month calendar that takes the bold marks
  platform::WriteWholeFile("Term.dat", "");
  LoadAppointments();

  const double first = SyncMillis();
  std::printf("first sync                  %9.1f ms  (%zu appointments, %d requests, our CPU %.1f ms)\n",
              first, App().Appointments.size(), CalendarRequestCount(), cpuOfLastSync);
  // The best of a few: one slow answer of a busy machine says little.
  double again = 1e9, againCpu = 0;
  int requests = 0;
  for (int i = 0; i < 5; ++i) {
    const int before = CalendarRequestCount();
    const double t = SyncMillis();
    requests = CalendarRequestCount() - before;
    if (t < again) again = t, againCpu = cpuOfLastSync;
  }
  std::printf("sync, nothing changed       %9.1f ms  (%d requests, our CPU %.1f ms, best of 5)\n", again,
              requests, againCpu);
  std::printf("status: %s\n", CalendarSyncStatus().c_str());

  EndBenchProgram(dir);
  return 0;
}
