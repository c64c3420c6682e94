#pragma once
// The one application state of organclock. Everything here belongs to the main thread;
// the clock renderer touches none of it.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/types.h"
#include "shell/state/appointment.h"
#include "shell/state/appointment_key.h"
#include "shell/state/editor_state.h"
#include "shell/state/kept_file.h"
#include "shell/state/settings.h"

constexpr int kNone = -1;  // last hour / last minute before the first pass
constexpr long long kNoMinute = -1;

struct AppState {
  Settings settings;
  std::string lastDate;      // "dd.mm.yyyy" of the last date step
  std::string weekdayLabel;  // "So. " ... "Sa. "
  int lastHour = kNone;
  int lastMinute = kNone;
  // The latest minute (platform::MinuteNumber) the clock has reached going forward: the
  // minutes up to it have had their minute step, and the full hours up to it their
  // chime. It stays when the clock goes back. kNoMinute before the first pass.
  long long latestMinute = kNoMinute;
  std::optional<ViewInterval> lastAppliedInterval;  // whose switch-over was done; none yet
  // The two reasons to hold back the hourly organ change, the chime and the reminders.
  EditorState editor = EditorState::Closed;  // IsEntering(editor): a new appointment
  int editedOrgan = 0;                       // organ whose text is being edited; 0 none
  int shownOrgan = 0;
  std::string tooltipText;
  // The minimised small window stands in for a tray icon that no tray shows yet.
  bool smallStandsInForTray = false;
  std::string versionText;
  platform::Rgb mainDateColour;  // text colour kCtlMainDate was created with

  // Appointments and their editor.
  AppointmentList Appointments;
  std::string SelectedDate;
  std::set<std::string> BoldDays;                // marked on the month calendar, as "dd.mm.yyyy"
  std::optional<AppointmentKey> SelectedRecord;  // the record the editor holds
  // Desktop notification id of each announced appointment (see reminder_notices.h).
  std::map<std::string, uint32_t> ReminderNotices;

  // What each file held when organclock last read or wrote it.
  KeptFile settingsFile;
  KeptFile appointmentFile;
  KeptFile organFiles[12];  // org1.dat .. org12.dat

  bool ChimeLoaded = false;
  bool exitRequested = false;  // set by exit program; the main loop then returns
};

AppState& App();
// A new appointment being entered or an organ text being edited.
bool IsBusy();
// Starts afresh with a zeroed state (start-up step 1, and between tests).
void ResetAppState();
