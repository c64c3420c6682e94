// "Importieren…" and "Exportieren…" of the menu "Termin", through the real program.
#include "calendar/calendar_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"
#include "tests/calendar_tests/command_output.h"

namespace {

// What python3-icalendar (Debian's, so not whichever python3 comes first) reads from the file, one line per
// event.
std::string ReadBack(const std::filesystem::path& file) {
  return CommandOutput("/usr/bin/python3 " CALENDAR_TEST_DIR "/read_ics.py '" + file.string() + "'");
}

class CalendarFileTest : public AppointmentProgramTest {};

TEST_F(CalendarFileTest, ExportWritesTheAppointmentsFromTodayOn) {
  StartWith({Record("06.12.2026", 9, 0, 1, "Gestern"), Record("07.12.2026", 8, 0, 0, W("Heute früh")),
             Record("24.12.2026", 18, 30, 1, W("Bescherung für Jürgen")),
             Record("01.01.2027", 7, 5, 2, "Neujahr")},
            2026, 12, 7, 10, 0);
  AnswerNextFileDialog((Dir() / "termine").string());
  Menu(kCmdExportAppointments);
  ASSERT_EQ(fileDialogs.size(), 1u);
  EXPECT_TRUE(fileDialogs[0].forSaving);
  // In list order, which the start-up sorted by time of day.
  EXPECT_EQ(ReadBack(Dir() / "termine.ics"),
            "01.01.2027 07:05 60 [425] 20270101T070500-organclock Neujahr\n"
            "07.12.2026 08:00 60 [] 20261207T080000-organclock Heute früh\n"
            "24.12.2026 18:30 60 [60] 20261224T183000-organclock Bescherung für Jürgen\n");
  EXPECT_TRUE(TakeBoxes().empty());
}

// As Thunderbird writes them: a VTIMEZONE of its own, an all-day event, an alarm and a
// description; and as Google writes them: UTC times.
const std::string kThunderbirdFile =
    "BEGIN:VCALENDAR\r\nPRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN\r\nVERSION:2.0\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
    "TZNAME:CEST\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\nCREATED:20261201T101010Z\r\nDTSTAMP:20261201T101010Z\r\nUID:tb-1\r\n"
    "SUMMARY:Zahnarzt M\xc3\xbcller\r\nDTSTART;TZID=Europe/Berlin:20261210T143000\r\n"
    "DTEND;TZID=Europe/Berlin:20261210T153000\r\nDESCRIPTION:Karte mitnehmen\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER;VALUE=DURATION:-PT15M\r\nDESCRIPTION:x\r\nEND:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTAMP:20261201T101010Z\r\nUID:tb-2\r\nSUMMARY:Urlaub\r\n"
    "DTSTART;VALUE=DATE:20261228\r\nDTEND;VALUE=DATE:20261229\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTAMP:20261201T101010Z\r\nUID:g-1@google.com\r\nSUMMARY:Telefonat\r\n"
    "DTSTART:20261211T080000Z\r\nDTEND:20261211T083000Z\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

TEST_F(CalendarFileTest, ImportAddsEventsOnceAndKeepsWhatIsThere) {
  StartWith({Record("11.12.2026", 9, 0, 0, "Telefonat")}, 2026, 12, 7, 10, 0);
  WriteFile("thunderbird.ics", kThunderbirdFile);
  AnswerNextFileDialog((Dir() / "thunderbird.ics").string());
  Menu(kCmdImportAppointments);
  EXPECT_TRUE(TakeBoxes().empty());
  const AppointmentList expected = {Record("11.12.2026", 9, 0, 0, "Telefonat"),
                                    Record("10.12.2026", 14, 30, 1, W("Zahnarzt Müller")),
                                    Record("28.12.2026", 0, 0, 0, "Urlaub")};
  const auto same = [](const AppointmentList& a, const AppointmentList& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].DateText != b[i].DateText || a[i].Hour != b[i].Hour || a[i].Minute != b[i].Minute ||
          a[i].ReminderKind != b[i].ReminderKind || a[i].Text != b[i].Text)
        return false;
    return true;
  };
  EXPECT_TRUE(same(SavedRecords(), expected));
  EXPECT_TRUE(Bold({2026, 12, 10}));
  EXPECT_TRUE(Bold({2026, 12, 28}));

  // The same file once more adds nothing.
  AnswerNextFileDialog((Dir() / "thunderbird.ics").string());
  Menu(kCmdImportAppointments);
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_TRUE(same(SavedRecords(), expected));
}

TEST_F(CalendarFileTest, ExportedFileImportsIntoAnEmptyCalendarAsTheSameRecords) {
  const AppointmentList records = {Record("08.12.2026", 0, 0, 2, W("Müll rausstellen")),
                                   Record("09.12.2026", 13, 10, 1, W("Café; Kuchen, \\ Sahne"))};
  StartWith(records, 2026, 12, 7, 10, 0);
  AnswerNextFileDialog((Dir() / "a.ics").string());
  Menu(kCmdExportAppointments);
  WriteFile("Term.dat", "");
  Start();
  AnswerNextFileDialog((Dir() / "a.ics").string());
  Menu(kCmdImportAppointments);
  EXPECT_EQ(ReadFile("Term.dat"), [&] {
    std::string bytes;
    for (const Appointment& a : records)
      bytes += a.DateText + "\r\n" + char(a.Hour) + char(a.Minute) + char(a.ReminderKind) + a.Text + "\r\n";
    return bytes;
  }());
}

TEST_F(CalendarFileTest, BadFilesAreReportedAndChangeNothing) {
  StartWith({Record("10.12.2026", 14, 30, 0, "Schon da")}, 2026, 12, 7, 10, 0);
  const std::string before = ReadFile("Term.dat");
  WriteFile("kaputt.ics", "Das ist kein Kalender.");
  AnswerNextFileDialog((Dir() / "kaputt.ics").string());
  Menu(kCmdImportAppointments);
  AnswerNextFileDialog((Dir() / "fehlt.ics").string());
  Menu(kCmdImportAppointments);
  EXPECT_EQ(ReadFile("Term.dat"), before);
  // An event at a time that already holds another appointment is not taken.
  WriteFile("thunderbird.ics", kThunderbirdFile);
  AnswerNextFileDialog((Dir() / "thunderbird.ics").string());
  Menu(kCmdImportAppointments);
  EXPECT_EQ(TakeBoxTexts(),
            (std::vector<std::string>{
                "Die Datei ist keine iCalendar-Datei.", "Die Datei konnte nicht gelesen werden.",
                "Ein Termin wurde nicht übernommen, weil zur selben Zeit schon ein Termin steht."}));
  EXPECT_EQ(SavedRecords().size(), 3u);
  EXPECT_EQ(SavedRecords()[0].Text, "Schon da");
  // Writing into a folder that does not exist.
  AnswerNextFileDialog((Dir() / "nirgends" / "x.ics").string());
  Menu(kCmdExportAppointments);
  EXPECT_EQ(TakeBoxTexts(),
            (std::vector<std::string>{"Die Termine konnten nicht in die Datei geschrieben werden."}));
}

}  // namespace
