#pragma once
// The menu items of "Erweiterte Ansicht" and the view intervals they stand for, read
// by the view commands and by the menu states.
#include <optional>

#include "shell/state/settings.h"

// The interval that an item of "Erweiterte Ansicht" stands for; none for other items.
std::optional<ViewInterval> IntervalOfItem(int item);
