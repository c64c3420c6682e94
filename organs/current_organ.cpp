#include "organs/current_organ.h"

#include "organs/organ_table.h"
#include "organs/organ_texts.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

void UpdateCurrentOrgan(int hour) {
  App().shownOrgan = OrganOfHour(hour);
  ShowOrgan();
}

void ShowOrgan() {
  const int organ = App().shownOrgan;
  if (IsOrgan(organ)) {
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
  if (!IsOrgan(organ)) return;
  const std::string name = OrganRowOf(organ).name;
  platform::SetControlAccessibleName(kCtlOrganFrame, name);
  platform::SetControlAccessibleName(kCtlOrganPicture, name);
  platform::SetControlAccessibleName(kCtlOrganText, "Text zu " + name);
}
