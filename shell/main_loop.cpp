#include "appointments/appointment_editor.h"
#include "appointments/reminders.h"
#include "commands/dispatch.h"
#include "organs/current_organ.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/single_instance.h"
#include "shell/kept_files.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"
#include "shell/views.h"
#include "sound/chime.h"

namespace {

constexpr platform::Rgb kSundayRed{255, 0, 0};

void RunDateStep() {
  const platform::LocalTime now = platform::Now();
  const std::string date = FormatDateText(now.date());
  if (date == App().lastDate) return;
  App().lastDate = date;
  App().weekdayLabel = WeekdayLabel(now.weekday);
  const std::string line = App().weekdayLabel + date;
  platform::SetControlText(kCtlMainDate, line);
  platform::SetControlText(kCtlSmallDate, line);
  platform::SetControlTextColour(kCtlMainDate,
                                 App().weekdayLabel == "So. " ? kSundayRed : App().mainDateColour);
  if (!IsBusy()) RunDayCheck();
}

void RunHourStep() {
  const int hour = platform::Now().hour;
  if (hour == App().lastHour) return;
  // While the user is busy the organ change is skipped, not deferred.
  if (!IsBusy()) {
    UpdateCurrentOrgan();
    if (App().settings.viewInterval.ComesUpHourly()) HourlyPopUp();
    PlayChime();
  }
  App().lastHour = hour;
}

void RunMinuteStep() {
  const int minute = platform::Now().minute;
  if (minute == App().lastMinute) return;
  if (!IsBusy()) RunMinuteCheck();
  App().lastMinute = minute;
}

void HandleEvent(const platform::Event& event) {
  switch (event.kind) {
    case platform::EventKind::Close:
      if (event.window == kMainWindow) OnMainWindowClose();
      else if (event.window == kSmallWindow) OnSmallWindowClose();
      else if (event.window == kAppointmentWindow) HandleAppointmentWindowClose();
      break;
    case platform::EventKind::Moved: OnWindowMoved(); break;
    case platform::EventKind::Command: DispatchCommand(event.item); break;
    case platform::EventKind::Control: HandleAppointmentControl(event.item); break;
    case platform::EventKind::Tray: OnTrayIconClicked(); break;
    case platform::EventKind::FilesChanged: TakeInChangesOnDisk(); break;
    default: break;
  }
}

}  // namespace

int MillisecondsToNextSecond(const platform::LocalTime& now) {
  const int wait = 1000 - now.millisecond + kSecondGraceMs;
  return wait < 1 ? 1 : wait;
}

void RunMainLoopPass(int waitMs) {
  RunDateStep();
  RunHourStep();
  RunMinuteStep();
  RunViewSteps();
  TakeInDeferredChanges();
  if (platform::TakeRaiseRequest()) OnRaiseRequest();
  platform::Event event;
  // Read after the steps: they may have taken a while (a message box, a file).
  const int wait = waitMs == kWaitToNextSecond ? MillisecondsToNextSecond(platform::Now()) : waitMs;
  if (platform::WaitEvent(wait, event) == platform::WaitEnd::Event) HandleEvent(event);
}

int RunMainLoop() {
  while (!App().exitRequested) {
    if (platform::TerminationRequested()) {
      // The session is ending or we were asked to stop: keep what the user has.
      ExitProgram();
      break;
    }
    RunMainLoopPass();
  }
  return 0;
}
