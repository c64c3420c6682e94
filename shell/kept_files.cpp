#include "shell/kept_files.h"

#include <string>
#include <vector>

#include "appointments/appointment_list.h"
#include "commands/menu_states.h"
#include "organs/organ_table.h"
#include "organs/organ_text_file.h"
#include "organs/organ_texts.h"
#include "platform/file_watcher.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/settings_store.h"
#include "shell/views.h"
#include "sound/chime.h"

namespace {

// A change of Term.dat seen while a new appointment was being entered.
bool g_appointmentMergeWaits = false;

std::vector<std::string> KeptFileNames(bool withConflictFiles) {
  std::vector<std::string> names = {kSettingsFileName, kAppointmentFileName};
  for (int organ = 1; organ <= kOrganCount; ++organ) {
    names.push_back(OrganTextFileName(organ));
    if (withConflictFiles) names.push_back(OrganConflictFileName(organ));
  }
  return names;
}

}  // namespace

void RemoveLeftoversOfKilledSaves() { platform::RemoveLeftoverTemporaryFiles(KeptFileNames(true)); }

void WatchKeptFiles() {
  g_appointmentMergeWaits = false;
  platform::WatchFiles(KeptFileNames(false));
}

void TakeInChangesOnDisk() {
  MergeSettingsFileChange();
  // Nothing the user is typing into a new appointment is touched; the merge waits.
  g_appointmentMergeWaits = IsEntering(App().editor);
  if (!g_appointmentMergeWaits) MergeAppointmentFileChange();
  ReloadOrganTextIfChanged();
}

void TakeInDeferredChanges() {
  if (!g_appointmentMergeWaits || IsEntering(App().editor)) return;
  g_appointmentMergeWaits = false;
  MergeAppointmentFileChange();
}

void ApplyMergedSettings(const Settings& before) {
  const Settings& now = App().settings;
  if (now.chimeChoice != before.chimeChoice || now.chimeFile != before.chimeFile) LoadChime();
  if (now.trayMode != before.trayMode || now.smallOnTop != before.smallOnTop) {
    if (!now.trayMode) RemoveTrayIconIfPresent();
    ApplySavedSmallWindowMode();
  }
  UpdateMenuStates();
}
