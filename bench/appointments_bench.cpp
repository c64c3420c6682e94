// Times of Term.dat with 100,000 records: load, start-up preparation (sort, drop, bold
// marks on the real month calendar), save, one minute check over the whole list, the
// three-way merge of two changed copies, and a save that finds the file changed on disk.
// Prints the figures only; it asserts nothing about speed.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "appointments/appointment_file.h"
#include "appointments/appointment_list.h"
#include "appointments/appointment_merge.h"
#include "appointments/reminders.h"
#include "bench/bench_program.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/testing/scripted_clock.h"
#include "platform/whole_file.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/window_builders.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename F>
double Millis(F&& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Records spread over three years round "today", every hour, minute and reminder kind.
AppointmentList MakeRecords(int count) {
  AppointmentList list;
  list.reserve(count);
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xFFFFFF; };
  for (int i = 0; i < count; ++i) {
    Appointment a;
    a.DateText = FormatDateText({2025 + static_cast<int>(next() % 3), 1 + static_cast<int>(next() % 12),
                                 1 + static_cast<int>(next() % 28)});
    a.Hour = static_cast<int8_t>(next() % 24);
    a.Minute = static_cast<int8_t>(5 * (next() % 12));
    a.ReminderKind = static_cast<ReminderKind>(next() % 3);
    a.Text = platform::Cp1252("Termin Nr. ") + std::to_string(i) + platform::Cp1252(" beim Zahnärzt");
    list.push_back(std::move(a));
  }
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dir = StartBenchProgram(argc, argv, "appointments-bench");
  platform::SetScriptedClock(platform::MakeLocalTime(2026, 6, 15, 14, 3));
  BuildMainWindow();  // the month calendar that takes the bold marks

  const int count = 100000;
  const std::string bytes = EncodeAppointments(MakeRecords(count));
  platform::WriteWholeFile(kAppointmentFileName, bytes);
  std::printf("Term.dat: %d records, %zu bytes\n", count, bytes.size());

  const double load = Millis([] { LoadAppointments(); });
  std::printf("LoadAppointments            %9.2f ms  (%zu records)\n", load, App().Appointments.size());
  const double prepare = Millis([] { PrepareAppointmentsAtStart(platform::Now()); });
  std::printf("PrepareAppointmentsAtStart  %9.2f ms  (%zu records kept)\n", prepare,
              App().Appointments.size());
  const double save = Millis([] { SaveAppointments(); });
  std::printf("SaveAppointments            %9.2f ms\n", save);
  // Minute 3: no record is due, so the check walks the whole list.
  const double check = Millis([] { RunMinuteCheck(platform::Now()); });
  std::printf("minute check, nothing due   %9.3f ms\n", check);

  // Each side changes every 100th record and adds 1,000 of its own; the other side
  // deletes every 97th.
  const AppointmentList base = MakeRecords(count);
  AppointmentList mine = base, theirs;
  for (size_t i = 0; i < mine.size(); i += 100) mine[i].Text += " (hier)";
  for (int i = 0; i < 1000; ++i) mine.push_back(base[i * 7]), mine.back().Minute = 1;
  for (size_t i = 0; i < base.size(); ++i)
    if (i % 97 != 0) theirs.push_back(base[i]);
  for (size_t i = 50; i < theirs.size(); i += 100) theirs[i].Text += " (dort)";
  size_t mergedSize = 0;
  const double merge = Millis([&] { mergedSize = MergeAppointments(base, mine, theirs).size(); });
  std::printf("MergeAppointments           %9.2f ms  (%zu records merged)\n", merge, mergedSize);

  App().Appointments = mine;
  SaveAppointments();
  platform::WriteWholeFile(kAppointmentFileName, EncodeAppointments(theirs));  // "another program"
  App().Appointments.push_back(base[1]);
  const double mergingSave = Millis([] { SaveAppointments(); });
  std::printf("SaveAppointments with merge %9.2f ms  (%zu records)\n", mergingSave,
              App().Appointments.size());

  EndBenchProgram(dir);
  return 0;
}
