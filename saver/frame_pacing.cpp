#include "saver/frame_pacing.h"

#include <cmath>

namespace organsaver {

FramePacer StartFramePacer(double refreshRateHz) {
  const bool plausible = std::isfinite(refreshRateHz) && refreshRateHz >= 1.0 && refreshRateHz <= 1000.0;
  const double hz = plausible ? refreshRateHz : kDefaultRefreshRateHz;
  FramePacer pacer;
  pacer.period = std::chrono::nanoseconds(static_cast<long long>(std::llround(1e9 / hz)));
  return pacer;
}

SteadyTime NextFrameDue(FramePacer& pacer, SteadyTime now) {
  SteadyTime due = pacer.nextDue.value_or(now) + pacer.period;
  if (due < now) due = now;
  pacer.nextDue = due;
  return due;
}

}  // namespace organsaver
