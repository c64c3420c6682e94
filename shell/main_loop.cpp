#include <algorithm>

#include "appointments/appointment_editor.h"
#include "appointments/reminders.h"
#include "calendar/calendar_sync.h"
#include "commands/dispatch.h"
#include "organs/current_organ.h"
#include "platform/application.h"
#include "platform/caret_rest.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/single_instance.h"
#include "platform/sounds.h"
#include "shell/kept_files.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"
#include "shell/views.h"
#include "sound/chime.h"

namespace {

constexpr platform::Rgb kSundayRed{255, 0, 0};

// Reminders missed while the computer slept or the clock jumped ahead are given late,
// but only those of the last 12 hours; a clock set back further than that starts the
// count afresh, as if it had just reached the present minute.
constexpr long long kCatchUpMinutes = 12 * 60;

// Time has gone forward past every minute seen so far (always so at the first pass).
bool MovedForward(long long minute) {
  return App().latestMinute == kNoMinute || minute > App().latestMinute;
}

// A full hour lies between the latest minute reached and now: the hour was reached by
// time going forward, not by setting the clock back, and not for the second time.
bool FullHourReached(const platform::LocalTime& now) {
  return MovedForward(platform::MinuteNumber(now) - now.minute);
}

void ForgetMinutesFarAhead(const platform::LocalTime& now) {
  const long long minute = platform::MinuteNumber(now);
  if (App().latestMinute != kNoMinute && App().latestMinute - minute > kCatchUpMinutes)
    App().latestMinute = minute - 1;
}

void RunDateStep(const platform::LocalTime& now) {
  const std::string date = FormatDateText(now.date());
  if (date == App().lastDate) return;
  App().lastDate = date;
  App().weekdayLabel = WeekdayLabel(now.weekday);
  const std::string line = App().weekdayLabel + date;
  platform::SetControlText(kCtlMainDate, line);
  platform::SetControlText(kCtlSmallDate, line);
  platform::SetControlTextColour(kCtlMainDate,
                                 App().weekdayLabel == "So. " ? kSundayRed : App().mainDateColour);
  // Back over midnight, and forward over it again, the day was checked already.
  if (!IsBusy() && MovedForward(platform::MinuteNumber(now))) RunDayCheck(now);
}

void RunHourStep(const platform::LocalTime& now) {
  const bool reached = FullHourReached(now);
  // After a resume at the same hour of a later day the hour number alone looks unchanged.
  if (now.hour == App().lastHour && !reached) return;
  // While the user is busy the organ change is skipped, not deferred.
  if (!IsBusy()) {
    UpdateCurrentOrgan(now.hour);
    if (reached) {
      if (App().settings.viewInterval.ComesUpHourly()) HourlyPopUp();
      PlayChime();
    }
  }
  App().lastHour = now.hour;
}

void RunMinuteStep(const platform::LocalTime& now) {
  const long long minute = platform::MinuteNumber(now);
  const bool forward = MovedForward(minute);
  // After a resume at the same minute of a later hour the minute alone looks unchanged.
  if (now.minute == App().lastMinute && !forward) return;
  // A minute already checked is not checked again after the clock went back.
  if (!IsBusy() && forward) {
    if (App().latestMinute != kNoMinute)
      RunMissedMinuteChecks(now,
                            static_cast<int>(std::min(minute - App().latestMinute - 1, kCatchUpMinutes)));
    RunMinuteCheck(now);
  }
  App().lastMinute = now.minute;
  if (forward) App().latestMinute = minute;
}

// An idle program puts to rest what would wake it while it waits: the audio device
// when nothing plays, and the caret's blinking after quiet seconds.
void RunRestStep() {
  platform::SuspendAudioWhenIdle();
  platform::RestCaretIfIdle(platform::SteadyNow());
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

int MillisecondsToNextSecond(const platform::LocalTime& now, int graceMs) {
  const int wait = 1000 - now.millisecond + graceMs;
  return wait < 1 ? 1 : wait;
}

void RunMainLoopPass(int waitMs) {
  // The steps all see the moment the pass began, even when one of them takes a while
  // (a message box left open): a pass that saw the hour change in one step and the
  // next hour's minute in another would lose that next hour's chime.
  const platform::LocalTime now = platform::Now();
  ForgetMinutesFarAhead(now);
  RunDateStep(now);
  RunHourStep(now);
  RunMinuteStep(now);
  RunViewSteps(now);
  RunCalendarStep();
  TakeInDeferredChanges();
  if (platform::TakeRaiseRequest()) OnRaiseRequest();
  RunRestStep();
  platform::Event event;
  // The wait alone reads the clock again: the steps may have taken a while, and the next
  // pass should still begin just after a second boundary.
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
