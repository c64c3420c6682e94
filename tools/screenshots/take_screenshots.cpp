// Pictures of organclock's windows for the documentation, taken from the real program
// at a fixed time on the offscreen platform.
//
//   take_screenshots <folder with the delivered files> <output folder>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "appointments/appointment_file.h"
#include "commands/dispatch.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/events.h"
#include "platform/testing/scripted_clock.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/whole_file.h"
#include "platform/windows.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/state/identifiers.h"
#include "shell/views.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: take_screenshots <data folder> <output folder>\n");
    return 2;
  }
  const std::string out = argv[2];
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  char pattern[] = "/tmp/organclock-shots-XXXXXX";
  const std::string work = mkdtemp(pattern);
  if (std::system(("cp " + std::string(argv[1]) + "/* " + work + "/").c_str()) != 0) return 1;
  if (chdir(work.c_str()) != 0) return 1;
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  platform::SetScriptedClock(platform::MakeLocalTime(2026, 12, 7, 14, 37, 21));
  // Two appointments today, so the calendar and the appointment window have content.
  AppointmentList list(2);
  list[0] = {"07.12.2026", 16, 30, ReminderKind::Hour, platform::Cp1252("Zahnarzt Dr. Müller")};
  list[1] = {"07.12.2026", 19, 0, ReminderKind::None, "Qigong-Kurs"};
  platform::WriteWholeFile("Term.dat", EncodeAppointments(list));
  RunStartup();
  RunMainLoopPass(0);
  WakeClockRenderer();
  for (int i = 0; i < 20; ++i) {
    usleep(10000);
    platform::ProcessPendingWork();
  }
  bool ok = platform::SaveWindowPicture(kMainWindow, out + "/organclock-main.png");
  ToSmall();
  platform::ProcessPendingWork();
  ok = platform::SaveWindowPicture(kSmallWindow, out + "/organclock-small.png") && ok;
  DispatchCommand(kCmdOpenAppointments);
  platform::ClickReportRow(kCtlDayList, 0);
  for (int i = 0; i < 3; ++i) RunMainLoopPass(0);
  ok = platform::SaveWindowPicture(kAppointmentWindow, out + "/organclock-appointments.png") && ok;
  ReleaseProgram();
  std::system(("rm -rf " + work).c_str());
  return ok ? 0 : 1;
}
