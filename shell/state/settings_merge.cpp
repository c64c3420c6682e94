#include "shell/state/settings_merge.h"

#include <tuple>
#include <utility>

namespace {

// Their value when only they changed the field, else ours.
template <typename Field>
Field Pick(const Field& base, const Field& mine, const Field& theirs) {
  return mine == base ? theirs : mine;
}

// A typed flag and the byte it was stored as go together.
std::pair<bool, int8_t> OnTop(const Settings& s) { return {s.smallOnTop, s.onTopPartAsStored}; }
std::pair<bool, int8_t> ReminderSound(const Settings& s) {
  return {s.reminderSound, s.reminderSoundAsStored};
}

}  // namespace

Settings MergeSettings(const Settings& base, const Settings& mine, const Settings& theirs) {
  Settings merged;
  merged.keptLine = Pick(base.keptLine, mine.keptLine, theirs.keptLine);
  merged.smallWindowX = Pick(base.smallWindowX, mine.smallWindowX, theirs.smallWindowX);
  merged.smallWindowY = Pick(base.smallWindowY, mine.smallWindowY, theirs.smallWindowY);
  merged.chimeChoice = Pick(base.chimeChoice, mine.chimeChoice, theirs.chimeChoice);
  std::tie(merged.reminderSound, merged.reminderSoundAsStored) =
      Pick(ReminderSound(base), ReminderSound(mine), ReminderSound(theirs));
  merged.chimeFile = Pick(base.chimeFile, mine.chimeFile, theirs.chimeFile);
  merged.viewInterval = Pick(base.viewInterval, mine.viewInterval, theirs.viewInterval);
  merged.trayMode = Pick(base.trayMode, mine.trayMode, theirs.trayMode);
  std::tie(merged.smallOnTop, merged.onTopPartAsStored) = Pick(OnTop(base), OnTop(mine), OnTop(theirs));
  return merged;
}
