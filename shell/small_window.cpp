#include "commands/menus.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/windows_build.h"

using platform::ControlKind;

namespace {

constexpr int kSmallClientWidth = 246;
constexpr int kSmallClientHeight = 131;

}  // namespace

void BuildSmallWindow() {
  platform::WindowSpec spec;
  spec.title = "Korvala Organuhr";
  spec.clientWidth = kSmallClientWidth;
  spec.clientHeight = kSmallClientHeight;
  spec.centred = false;
  spec.x = App().settings.smallWindowX;
  spec.y = App().settings.smallWindowY;
  // A position saved on a screen that is gone would leave the window out of reach;
  // place it on the primary screen instead and keep the saved values until it moves.
  if (!platform::IsPositionOnScreen(spec.x, spec.y, kSmallClientWidth, kSmallClientHeight)) {
    platform::PrimaryScreenOrigin(spec.x, spec.y);
    spec.x += 10;
    spec.y += 10;
  }
  spec.resizable = false;
  spec.minimiseBox = true;
  if (!platform::CreateTopWindow(kSmallWindow, spec)) return;
  platform::SetWindowIcon(kSmallWindow, kPictureProgramIcon);
  BuildSmallWindowMenu();

  platform::CreateControl(kSmallWindow, kCtlSmallClock, ControlKind::Picture, 30, 5, 190, 50);
  platform::CreateControl(kSmallWindow, kCtlSmallDate, ControlKind::CentredLabel, 25, 55, 195, 25);
  platform::SetControlFont(kCtlSmallDate, kFontSmallDate);
  platform::CreateControl(kSmallWindow, kCtlSmallPeriod, ControlKind::CentredLabel, 5, 85, 240, 25);
  platform::SetControlFont(kCtlSmallPeriod, kFontSmallPeriod);
}
