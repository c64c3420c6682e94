#pragma once
// A clock the tests set by hand: from the first call on, platform::Now() answers `t`
// until the next call. Safe to call while other threads read the clock.
#include "platform/types.h"

namespace platform {

void SetScriptedClock(const LocalTime& t);

}  // namespace platform
