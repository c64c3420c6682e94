#include "platform/application.h"
#include "shell/app_state.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/settings_store.h"
#include "shell/views.h"

void ReleaseProgram() {
  StopClockRenderer();
  platform::ReleaseAllObjects();
}

void ExitProgram() {
  OnWindowMoved();  // the small window's position goes into the settings
  SaveSettings();
  ReleaseProgram();
  App().exitRequested = true;
}
