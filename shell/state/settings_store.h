#pragma once
// konfig.set in the working directory.
#include "platform/whole_file.h"
#include "shell/state/settings.h"

constexpr const char* kSettingsFileName = "konfig.set";

// Reads the settings record. Missing is a first run; a file that exists but cannot be
// read (Unreadable) leaves the settings as they are and is never written in this run.
platform::ReadResult ReadSettings();
// Writes the whole settings record, after merging in a change made to the file
// meanwhile; settings that equal what the file holds are not written again. On failure
// says so and keeps the old file. A choice of the user's goes through ChangeSettings
// (commands/settings_change.h), which also brings the menus into line.
void SaveSettings();
// Merges a change made to konfig.set on disk into the settings (a field changed only
// there takes that value; one changed here too keeps ours) and hands the settings they
// replaced to the handler, which brings menus, sounds and windows into line.
void MergeSettingsFileChange();
void SetSettingsMergedHandler(void (*handler)(const Settings& before));
