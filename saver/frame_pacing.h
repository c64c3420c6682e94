#pragma once
// Paces a frame loop to the display's refresh: at most one frame per refresh,
// measured against a steady clock so late frames do not add up to drift.

#include <chrono>
#include <optional>

namespace organsaver {

using SteadyTime = std::chrono::steady_clock::time_point;

inline constexpr double kDefaultRefreshRateHz = 60.0;

struct FramePacer {
  std::chrono::nanoseconds period{};
  std::optional<SteadyTime> nextDue;
};

// Refresh rates that are unknown (0) or implausible fall back to 60 Hz.
FramePacer StartFramePacer(double refreshRateHz);

// Called once per frame, after the frame has been shown: the time the next
// frame may begin. After a stall it does not rush to catch up.
SteadyTime NextFrameDue(FramePacer& pacer, SteadyTime now);

}  // namespace organsaver
