#include <gtest/gtest.h>

#include "organs/organ_table.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

class AccessibilityTest : public ProgramTest {
 protected:
  // The program with all three windows on screen: a screen reader skips what is hidden.
  void StartWithAllWindows(int hour) {
    SetTime(2026, 12, 7, hour, 5, 7);
    Start();
    platform::TriggerMenuItem(kMainMenu, kCmdNewAppointment);
    Drain();
    platform::ShowWindow(kMainWindow);
    platform::ShowWindow(kSmallWindow);
    Drain();
  }
  static std::string Name(int control) { return platform::ControlAccessibleName(control); }
  static std::string OrganName(int hour) { return OrganRowOf(OrganOfHour(hour)).name; }
};

TEST_F(AccessibilityTest, NoControlOfTheThreeWindowsIsNameless) {
  StartWithAllWindows(9);
  for (int window : {kMainWindow, kSmallWindow, kAppointmentWindow}) {
    ASSERT_TRUE(platform::IsWindowVisible(window)) << window;
    for (const std::string& unnamed : platform::UnnamedAccessibleObjects(window))
      ADD_FAILURE() << "window " << window << ": " << unnamed;
  }
  // Each control by itself, also those a walk of the windows might pass over.
  for (int control = 0; control <= kCtlMinuteBox; ++control) {
    if (platform::ControlExists(control)) {
      EXPECT_NE(Name(control), "") << control;
    }
  }
}

TEST_F(AccessibilityTest, FieldsAreNamedByTheirCaptionsAndPicturesByWhatTheyShow) {
  StartWithAllWindows(9);
  EXPECT_EQ(Name(kCtlDateField), "Datum:");
  EXPECT_EQ(Name(kCtlHourBox), "h");
  EXPECT_EQ(Name(kCtlMinuteBox), "min");
  EXPECT_EQ(Name(kCtlAppointmentText), "Text/Termin:");
  EXPECT_EQ(Name(kCtlCalendar), "Terminkalender:");
  // The day list is read out as its day, not as the main window's calendar.
  EXPECT_EQ(Name(kCtlDayList), "Termine 07.12.2026");
  EXPECT_EQ(Name(kCtlDayListFrame), "Termine 07.12.2026");
  platform::PickDate(kCtlDateField, {2026, 12, 24});
  Drain();
  EXPECT_EQ(Name(kCtlDayList), "Termine 24.12.2026");
}

// A screen reader announces a window that becomes active only if it is a frame.
TEST_F(AccessibilityTest, WindowsAreFramesNamedByTheirTitles) {
  StartWithAllWindows(9);
  for (int window : {kMainWindow, kSmallWindow, kAppointmentWindow}) {
    EXPECT_EQ(platform::WindowAccessibleRole(window), "Window") << window;
    EXPECT_EQ(platform::WindowAccessibleName(window), platform::WindowTitle(window)) << window;
  }
  EXPECT_EQ(platform::WindowAccessibleName(kMainWindow), "Korvala Organuhr");
}

// Dictation and screen readers put text in through the accessibility interface; it is
// the user's input all the same.
TEST_F(AccessibilityTest, TextEnteredThroughTheAccessibilityInterfaceIsAskedAboutOnClose) {
  StartWithAllWindows(9);
  platform::SetTextThroughAccessibility(kCtlAppointmentText, "Zahnarzt");
  Drain();
  ASSERT_EQ(platform::ControlText(kCtlAppointmentText), "Zahnarzt");
  AnswerNextBox(platform::MessageAnswer::Cancel);
  platform::RequestWindowClose(kAppointmentWindow);
  Drain();
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, W("Änderungen Speichern?"));
  EXPECT_TRUE(platform::WindowExists(kAppointmentWindow));
}

TEST_F(AccessibilityTest, HourAndMinuteListsKeepTheirCaptionsWhenAnEntryIsChosen) {
  StartWithAllWindows(9);
  platform::ChooseListItem(kCtlHourBox, 3);
  platform::ChooseListItem(kCtlMinuteBox, 2);
  Drain();
  ASSERT_NE(platform::ControlText(kCtlMinuteBox), "");
  EXPECT_EQ(Name(kCtlHourBox), "h");
  EXPECT_EQ(Name(kCtlMinuteBox), "min");
}

TEST_F(AccessibilityTest, OrganPictureAndTextFieldAreNamedAfterTheOrganOfTheHour) {
  SetTime(2026, 12, 7, 9, 5, 7);
  Start();
  EXPECT_EQ(Name(kCtlOrganPicture), OrganName(9));
  EXPECT_EQ(Name(kCtlOrganText), "Text zu " + OrganName(9));
  AdvanceMinutes(2 * 60);
  ASSERT_NE(OrganName(11), OrganName(9));
  EXPECT_EQ(Name(kCtlOrganPicture), OrganName(11));
  EXPECT_EQ(Name(kCtlOrganText), "Text zu " + OrganName(11));
}

}  // namespace
