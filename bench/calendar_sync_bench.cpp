// Times of the calendar sync against the CalDAV calendar at argv[1] (bench/run fills a
// local Radicale with 1,000 events): the first sync into an empty list, and a sync with
// nothing changed. Prints the figures only; it asserts nothing about speed.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// One sync from "Jetzt abgleichen" until its last answer is in.
double SyncMillis() {
  const auto start = Clock::now();
  SyncCalendarNow();
  // Waiting as the main loop waits, so that the server on the same machine has the CPU.
  platform::Event event;
  while (CalendarSyncRunning()) platform::WaitEvent(50, event);
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
  std::printf("first sync                  %9.1f ms  (%zu appointments, %d requests)\n", first,
              App().Appointments.size(), CalendarRequestCount());
  const int before = CalendarRequestCount();
  const double again = SyncMillis();
  std::printf("sync, nothing changed       %9.1f ms  (%d requests)\n", again,
              CalendarRequestCount() - before);
  std::printf("status: %s\n", CalendarSyncStatus().c_str());

  EndBenchProgram(dir);
  return 0;
}
