#include "shell/state/view_interval_items.h"

#include "shell/state/identifiers.h"

std::optional<ViewInterval> IntervalOfItem(int item) {
  switch (item) {
    case kCmdInterval1: return ViewInterval::Minutes(1);
    case kCmdInterval3: return ViewInterval::Minutes(3);
    case kCmdInterval5: return ViewInterval::Minutes(5);
    case kCmdInterval10: return ViewInterval::Minutes(10);
    case kCmdInterval15: return ViewInterval::Minutes(15);
    case kCmdIntervalPermanent: return ViewInterval::MainOnly();
    default: return std::nullopt;
  }
}
