#include "appointments/appointment_list.h"
#include "platform/application.h"
#include "platform/file_watcher.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/settings_store.h"
#include "shell/views.h"
#include "sound/release_sounds.h"

void ReleaseProgram() {
  platform::StopWatchingFiles();
  StopClockRenderer();
  ReleaseSounds();
  platform::ReleaseAllObjects();
}

void ExitProgram() {
  OnWindowMoved();  // the small window's position goes into the settings
  SaveSettings();
  SaveAppointments();
  ReleaseProgram();
  App().exitRequested = true;
}

void EndProgramAtProcessExit() {
  if (App().exitRequested) return;
  App().exitRequested = true;
  // Nothing may wait for the user now: a failure message answers at once.
  platform::RequestTermination();
  OnWindowMoved();
  SaveSettings();
  SaveAppointments();
  // A thread still joinable when the process ends aborts it.
  StopClockRenderer();
}
