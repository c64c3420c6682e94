#include "shell/clock_controls.h"

#include "platform/accessibility.h"
#include "platform/controls.h"

void CreateClockControl(int window, int control, int x, int y, ClockSize size) {
  platform::CreateControl(window, control, platform::ControlKind::Picture, x, y, size.width, size.height);
  platform::OfferPictureAsLabel(control);
}
