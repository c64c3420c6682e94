#include "commands/menus.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "shell/clock_controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/window_builders.h"

using platform::ControlKind;

namespace {

constexpr int kSmallClientWidth = 246;
constexpr int kSmallClientHeight = 131;

}  // namespace

void BuildSmallWindow() {
  platform::WindowShape layout{.title = "Korvala Organuhr",
                               .clientWidth = kSmallClientWidth,
                               .clientHeight = kSmallClientHeight,
                               .centred = false,
                               .x = App().settings.smallWindowX,
                               .y = App().settings.smallWindowY,
                               .resizable = false,
                               .minimiseBox = true};
  // A position saved on a screen that is gone would leave the window out of reach;
  // place it on the primary screen instead and keep the saved values until it moves.
  if (!platform::IsPositionOnScreen(layout.x, layout.y, kSmallClientWidth, kSmallClientHeight)) {
    platform::PrimaryScreenOrigin(layout.x, layout.y);
    layout.x += 10;
    layout.y += 10;
  }
  if (!platform::CreateTopWindow(kSmallWindow, layout)) return;
  platform::SetWindowIcon(kSmallWindow, kPictureProgramIcon);
  BuildSmallWindowMenu();

  CreateClockControl(kSmallWindow, kCtlSmallClock, 30, 5, kSmallClockSize);
  platform::CreateControl(kSmallWindow, kCtlSmallDate, ControlKind::CentredLabel, 25, 55, 195, 25);
  platform::SetControlFont(kCtlSmallDate, kFontSmallDate);
  platform::CreateControl(kSmallWindow, kCtlSmallPeriod, ControlKind::CentredLabel, 5, 85, 240, 25);
  platform::SetControlFont(kCtlSmallPeriod, kFontSmallPeriod);
}
