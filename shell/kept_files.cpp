#include "shell/kept_files.h"

#include <string>
#include <vector>

#include "appointments/appointment_list.h"
#include "commands/menu_states.h"
#include "organs/organ_table.h"
#include "organs/organ_text_file.h"
#include "organs/organ_texts.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/settings_store.h"
#include "shell/views.h"
#include "sound/chime.h"

void RemoveLeftoversOfKilledSaves() {
  std::vector<std::string> names = {kSettingsFileName, kAppointmentFileName};
  for (int organ = 1; organ <= kOrganCount; ++organ) {
    names.push_back(OrganTextFileName(organ));
    names.push_back(OrganConflictFileName(organ));
  }
  platform::RemoveLeftoverTemporaryFiles(names);
}

void TakeInChangesOnDisk() {
  MergeSettingsFileChange();
  // Nothing the user is typing into a new appointment is touched; the merge waits.
  if (!App().enteringAppointment) MergeAppointmentFileChange();
  ReloadOrganTextIfChanged();
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
