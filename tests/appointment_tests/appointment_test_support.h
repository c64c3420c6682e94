#pragma once
// Shared set-up of the appointment tests: a started program with given records.
#include <string>
#include <vector>

#include "platform/types.h"
#include "shell/state/appointment.h"
#include "tests/support/program_fixture.h"

Appointment Record(const std::string& day, int hour, int minute, int kind, const std::string& text);

class AppointmentProgramTest : public ProgramTest {
 protected:
  // A first run in a directory with the delivered files and Term.dat holding `records`,
  // at the given time, followed by the first pass.
  void StartWith(const AppointmentList& records, int year, int month, int day, int hour, int minute);
  // A menu item of the main window, a toolbar button, or a control's user input, each
  // followed by the passes that handle the event.
  void Menu(int item);
  void Tool(int command);
  void CloseWindow();
  std::vector<std::string> Entries(int box) const;
  std::vector<std::string> DayListRows() const;  // "hh:mm text"
  bool Bold(const platform::Date& day) const;
  AppointmentList SavedRecords() const;
};
