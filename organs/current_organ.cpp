#include "organs/current_organ.h"

#include "organs/organ_table.h"
#include "organs/organ_texts.h"
#include "platform/accessibility.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

void UpdateCurrentOrgan() {
  App().shownOrgan = OrganOfHour(platform::Now().hour);
  ShowOrgan();
}

void ShowOrgan() {
  const int organ = App().shownOrgan;
  if (organ >= 1 && organ <= kOrganCount) {
    const OrganRow& row = OrganRowOf(organ);
    platform::SetControlPicture(kCtlOrganPicture, kPictureFirstOrgan + organ - 1);
    NameOrganControls(organ);
    platform::SetControlText(kCtlMainPeriod, row.periodText);
    platform::SetControlText(kCtlSmallPeriod, row.periodText);
    // A tray icon that is already shown keeps the tooltip it was given.
    App().tooltipText = OrganTooltipText(organ);
  }
  LoadOrganText();
}

void NameOrganControls(int organ) {
  if (organ < 1 || organ > kOrganCount) return;
  const std::string name = OrganRowOf(organ).name;
  platform::SetControlAccessibleName(kCtlOrganFrame, name);
  platform::SetControlAccessibleName(kCtlOrganPicture, name);
  platform::SetControlAccessibleName(kCtlOrganText, "Text zu " + name);
}
