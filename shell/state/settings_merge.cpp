#include "shell/state/settings_merge.h"

namespace {

// Their value when only they changed the field, else ours.
template <typename Field>
Field Pick(const Field& base, const Field& mine, const Field& theirs) {
  return mine == base ? theirs : mine;
}

}  // namespace

Settings MergeSettings(const Settings& base, const Settings& mine, const Settings& theirs) {
  Settings merged;
  merged.keptLine = Pick(base.keptLine, mine.keptLine, theirs.keptLine);
  merged.smallWindowX = Pick(base.smallWindowX, mine.smallWindowX, theirs.smallWindowX);
  merged.smallWindowY = Pick(base.smallWindowY, mine.smallWindowY, theirs.smallWindowY);
  merged.chimeChoice = Pick(base.chimeChoice, mine.chimeChoice, theirs.chimeChoice);
  merged.reminderSound = Pick(base.reminderSound, mine.reminderSound, theirs.reminderSound);
  merged.chimeFile = Pick(base.chimeFile, mine.chimeFile, theirs.chimeFile);
  merged.viewInterval = Pick(base.viewInterval, mine.viewInterval, theirs.viewInterval);
  merged.trayMode = Pick(base.trayMode, mine.trayMode, theirs.trayMode);
  // The on-top choice and the byte it was stored as go together.
  const bool onTopChangedHere =
      mine.smallOnTop != base.smallOnTop || mine.onTopPartAsStored != base.onTopPartAsStored;
  const Settings& onTopFrom = onTopChangedHere ? mine : theirs;
  merged.smallOnTop = onTopFrom.smallOnTop;
  merged.onTopPartAsStored = onTopFrom.onTopPartAsStored;
  return merged;
}
