#pragma once
// A change of the user's settings in one step.
#include <functional>

#include "shell/state/settings.h"

// `change` edits the settings; konfig.set is then written (a change made to the file
// meanwhile merged in first) and the menus follow the settings.
void ChangeSettings(const std::function<void(Settings&)>& change);
