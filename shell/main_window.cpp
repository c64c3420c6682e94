#include "commands/menus.h"
#include "organs/current_organ.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "shell/clock_controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/window_builders.h"

using platform::ControlKind;

void BuildMainWindow() {
  const platform::WindowShape layout{.title = "Korvala Organuhr",
                                     .clientWidth = 604,
                                     .clientHeight = 385,
                                     .centred = true,
                                     .resizable = true,
                                     .minimiseBox = true};
  if (!platform::CreateTopWindow(kMainWindow, layout)) return;
  platform::SetWindowIcon(kMainWindow, kPictureProgramIcon);
  BuildMainMenu();

  CreateClockControl(kMainWindow, kCtlLargeClock, 300, 10, kLargeClockSize);
  platform::CreateControl(kMainWindow, kCtlMainDate, ControlKind::CentredLabel, 300, 110, 300, 40,
                          "Do. 06.12.2007");
  platform::SetControlFont(kCtlMainDate, kFontMainDate);
  App().mainDateColour = platform::ControlTextColour(kCtlMainDate);
  platform::CreateControl(kMainWindow, kCtlOrganFrame, ControlKind::Frame, 5, 5, 285, 355);
  platform::SetControlFont(kCtlOrganFrame, kFontOrganFrame);
  platform::CreateControl(kMainWindow, kCtlOrganText, ControlKind::RichText, 10, 245, 275, 110);
  platform::SetControlColours(kCtlOrganText, {255, 255, 255}, {0, 0, 0});
  // Typing outside editing would be lost at the next reload; reading stays possible.
  platform::SetControlReadOnly(kCtlOrganText, true);
  platform::CreateControl(kMainWindow, kCtlDecoration, ControlKind::Picture, 525, 165, 71, 196);
  platform::SetControlPicture(kCtlDecoration, kPictureDecoration);
  platform::SetControlAccessibleName(kCtlDecoration, "Organuhr");
  platform::CreateControl(kMainWindow, kCtlCalendarFrame, ControlKind::Frame, 300, 160, 220, 200,
                          "Terminkalender:");
  platform::CreateControl(kMainWindow, kCtlCalendar, ControlKind::MonthCalendar, 305, 180, 210, 160);
  platform::SetControlTooltip(
      kCtlCalendar, "Klicken Sie auf die Fettgedruckten Tage, um die enthaltenen Termine anzuzeigen");
  platform::SetControlAccessibleName(kCtlCalendar, "Terminkalender:");
  // The keyboard starts where something can be done: the calendar.
  platform::FocusControl(kCtlCalendar);
  platform::CreateControl(kMainWindow, kCtlOrganPicture, ControlKind::Picture, 35, 30, 225, 187);
  platform::SetControlPicture(kCtlOrganPicture, kPictureFirstOrgan);
  NameOrganControls(1);
  platform::CreateControl(kMainWindow, kCtlMainPeriod, ControlKind::CentredLabel, 10, 225, 275, 20,
                          "03:00 - 05:00 Uhr");
  platform::SetControlFont(kCtlMainPeriod, kFontMainPeriod);
}
