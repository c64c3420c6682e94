#pragma once
#include "platform/types.h"

// Refills the minute box for the hour now chosen, keeping the chosen minute while it is
// still offered (at `now`). FillTimeBoxes ends with it; the hour box's event runs it alone.
void RefillMinuteBox(const platform::LocalTime& now);
