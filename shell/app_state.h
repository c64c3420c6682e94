#pragma once
// The one application state of organclock. Everything here belongs to the main thread;
// the clock renderer touches none of it.
#include <cstdint>
#include <map>
#include <string>

#include "appointments/appointment.h"
#include "platform/types.h"
#include "shell/settings.h"

constexpr int kNone = -1;  // last hour / last minute before the first pass

struct AppState {
  Settings settings;
  std::string lastDate;          // "dd.mm.yyyy" of the last date step
  std::string weekdayLabel;      // "So. " ... "Sa. "
  int lastHour = kNone;
  int lastMinute = kNone;
  int lastAppliedInterval = -1;  // view interval whose switch-over was done; -1 none
  bool busy = false;             // a new appointment or an organ text is being edited
  int shownOrgan = 0;
  int editedOrgan = 0;           // organ whose text is being edited; 0 none
  std::string tooltipText;
  std::string versionText;
  platform::Rgb mainDateColour;  // text colour control 1 was created with

  // Appointments and their editor.
  AppointmentList Appointments;
  std::string SelectedDate;
  int EditorMode = 0;            // 0 view, 1 new, 2 change
  bool EditorModified = false;
  int EditIndex = 0;
  // Desktop notification id of each announced appointment (see reminder_notices.h).
  std::map<std::string, uint32_t> ReminderNotices;

  bool ChimeLoaded = false;
  bool exitRequested = false;    // set by exit program; the main loop then returns
};

AppState& App();
// Starts afresh with a zeroed state (start-up step 1, and between tests).
void ResetAppState();
