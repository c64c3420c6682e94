#include "calendar/event_mapping.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/appointment_tests/appointment_test_support.h"

// These tests run with TZ=Europe/Berlin (fixed_time_zone.cpp).
namespace {

const platform::Date kToday{2026, 12, 7};

std::string Describe(const Appointment& a) {
  return a.DateText + " " + std::to_string(a.Hour) + ":" + std::to_string(a.Minute) + " kind " +
         std::to_string(ReminderByte(a.ReminderKind)) + " [" + a.Text + "]";
}

std::vector<std::string> Described(const std::vector<CalendarOccurrence>& found) {
  std::vector<std::string> out;
  for (const CalendarOccurrence& o : found) out.push_back(Describe(o.appointment));
  return out;
}

// ---- Written and read back: the same record, byte for byte ----

struct RoundTripCase {
  const char* name;
  Appointment record;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, GivesTheSameRecord) {
  const Appointment& a = GetParam().record;
  const std::string ics = CalendarOfAppointment(a, "uid-1@organclock");
  const auto found = AppointmentsOfCalendar(ics, kToday);
  ASSERT_EQ(found.size(), 1u) << ics;
  EXPECT_EQ(found[0].uid, "uid-1@organclock");
  EXPECT_EQ(found[0].recurrenceId, "");
  EXPECT_EQ(Describe(found[0].appointment), Describe(a)) << ics;
  EXPECT_EQ(found[0].appointment.Text, a.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Mapping, RoundTripTest,
    ::testing::Values(
        RoundTripCase{"Umlauts", Record("07.12.2026", 9, 30, 0, W("Zahnärztin Müller, Straße"))},
        RoundTripCase{"HourReminder", Record("24.12.2026", 18, 0, 1, W("Bescherung € 5"))},
        // "1 Tag" of a morning appointment lies under 12 hours before it.
        RoundTripCase{"DayReminderAtMidnight", Record("01.01.2027", 0, 0, 2, "Neujahr")},
        RoundTripCase{"DayReminderInTheMorning", Record("08.12.2026", 7, 5, 2, "Bus")},
        RoundTripCase{"DayReminderInTheEvening", Record("08.12.2026", 20, 55, 2, "Chor")},
        // Summer time: the local zone's rules, not today's offset.
        RoundTripCase{"SummerTime", Record("01.07.2027", 13, 10, 1, "Garten")},
        RoundTripCase{"EscapedCharacters", Record("09.12.2026", 23, 55, 0, "a;b,c\\d \"e\"  f")},
        RoundTripCase{"UnassignedByteAndEmptyText", Record("10.12.2026", 12, 0, 0, "\x81")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EventWritingTest, StartsInTheLocalZoneWithItsTimezoneAndAlarm) {
  const std::string ics = CalendarOfAppointment(Record("24.12.2026", 18, 0, 1, "X"), "u@organclock");
  EXPECT_NE(ics.find("BEGIN:VTIMEZONE"), std::string::npos) << ics;
  EXPECT_NE(ics.find("DTSTART;TZID=Europe/Berlin:20261224T180000"), std::string::npos) << ics;
  EXPECT_NE(ics.find("DURATION:PT1H"), std::string::npos) << ics;
  EXPECT_NE(ics.find("TRIGGER:-PT1H"), std::string::npos) << ics;
}

// ---- Events made elsewhere ----

std::string Calendar(const std::string& body) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
  return "BEGIN:VEVENT\r\nUID:e1\r\nDTSTAMP:20261201T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

std::string Alarm(const std::string& trigger) {
  return "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n" + trigger + "\r\nEND:VALARM\r\n";
}

struct ForeignCase {
  const char* name;
  std::string ics;
  std::vector<std::string> expected;
};

class ForeignEventTest : public ::testing::TestWithParam<ForeignCase> {};

TEST_P(ForeignEventTest, Reads) {
  EXPECT_EQ(Described(AppointmentsOfCalendar(GetParam().ics, kToday)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Mapping, ForeignEventTest,
    ::testing::Values(
        ForeignCase{"UtcStartInLocalTime",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:Arzt\r\n")),
                    {"08.12.2026 10:0 kind 0 [Arzt]"}},
        ForeignCase{"UtcStartInSummerTime",
                    Calendar(Event("DTSTART:20270708T090000Z\r\nSUMMARY:Arzt\r\n")),
                    {"08.07.2027 11:0 kind 0 [Arzt]"}},
        ForeignCase{
            "OtherZoneByItsTimezone",
            Calendar("BEGIN:VTIMEZONE\r\nTZID:Custom/Plus5\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                     "TZOFFSETFROM:+0500\r\nTZOFFSETTO:+0500\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n" +
                     Event("DTSTART;TZID=Custom/Plus5:20261208T150000\r\nSUMMARY:Call\r\n")),
            {"08.12.2026 11:0 kind 0 [Call]"}},
        ForeignCase{"FloatingTimeIsLocal",
                    Calendar(Event("DTSTART:20261208T073500\r\nSUMMARY:Bus\r\n")),
                    {"08.12.2026 7:35 kind 0 [Bus]"}},
        ForeignCase{
            "AllDayAtMidnight",
            Calendar(Event("DTSTART;VALUE=DATE:20261225\r\nDTEND;VALUE=DATE:20261226\r\nSUMMARY:Fest\r\n")),
            {"25.12.2026 0:0 kind 0 [Fest]"}},
        ForeignCase{"ShortAlarmIsHour",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:A\r\n" + Alarm("TRIGGER:-PT15M"))),
                    {"08.12.2026 10:0 kind 1 [A]"}},
        ForeignCase{"TwelveHoursIsDay",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:A\r\n" + Alarm("TRIGGER:-PT12H"))),
                    {"08.12.2026 10:0 kind 2 [A]"}},
        ForeignCase{"AbsoluteAlarmTheDayBefore",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:A\r\n" +
                                   Alarm("TRIGGER;VALUE=DATE-TIME:20261207T080000Z"))),
                    {"08.12.2026 10:0 kind 2 [A]"}},
        ForeignCase{"AnyLongAlarmWins",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:A\r\n" + Alarm("TRIGGER:-PT5M") +
                                   Alarm("TRIGGER:-P1D"))),
                    {"08.12.2026 10:0 kind 2 [A]"}},
        ForeignCase{"SummaryOnOneLineInWindows1252",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSUMMARY:Gr\xc3\xbc\xc3\x9f"
                                   "e\\nan \xc5\x91 \xef\xac\x81 \xc5\x82 a\xcc\x88\r\n")),
                    {"08.12.2026 10:0 kind 0 [Gr\xfc\xdf"
                     "e an o fi ? \xe4]"}},
        ForeignCase{
            "PastEventIsLeftOut", Calendar(Event("DTSTART:20261206T090000Z\r\nSUMMARY:Alt\r\n")), {}},
        ForeignCase{"CancelledEventIsLeftOut",
                    Calendar(Event("DTSTART:20261208T090000Z\r\nSTATUS:CANCELLED\r\nSUMMARY:Weg\r\n")),
                    {}},
        ForeignCase{"NoCalendarAtAll", "Hallo\r\n", {}},
        ForeignCase{"EventWithoutStart", Calendar(Event("SUMMARY:Nie\r\n")), {}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Series ----

// Every Tuesday at 18:00 since November; the one of 15.12. moved to 19:30, the one of
// 22.12. cancelled by EXDATE.
const std::string kSeries = Calendar(
    Event("DTSTART;TZID=Europe/Berlin:20261103T180000\r\nDURATION:PT2H\r\nRRULE:FREQ=WEEKLY\r\n"
          "EXDATE;TZID=Europe/Berlin:20261222T180000\r\nSUMMARY:Chor\r\nLOCATION:Kirche\r\n") +
    Event(
        "RECURRENCE-ID;TZID=Europe/Berlin:20261215T180000\r\nDTSTART;TZID=Europe/Berlin:20261215T193000\r\n"
        "DURATION:PT2H\r\nSUMMARY:Chor\r\n"));

TEST(SeriesTest, GivesEachOccurrenceOfTheComingTwelveMonths) {
  const auto found = AppointmentsOfCalendar(kSeries, kToday);
  // Tuesdays from 08.12.2026 up to 07.12.2027 (52), less the excluded one.
  ASSERT_EQ(found.size(), 51u);
  const std::vector<std::string> described = Described(found);
  EXPECT_EQ(described.front(), "08.12.2026 18:0 kind 0 [Chor]");
  EXPECT_EQ(std::count(described.begin(), described.end(), "15.12.2026 19:30 kind 0 [Chor]"), 1);
  EXPECT_EQ(std::count(described.begin(), described.end(), "15.12.2026 18:0 kind 0 [Chor]"), 0);
  EXPECT_EQ(std::count(described.begin(), described.end(), "22.12.2026 18:0 kind 0 [Chor]"), 0);
  EXPECT_EQ(std::count(described.begin(), described.end(), "30.11.2027 18:0 kind 0 [Chor]"), 1);
  for (const CalendarOccurrence& o : found) {
    EXPECT_EQ(o.uid, "e1");
    EXPECT_FALSE(o.recurrenceId.empty());
  }
}

TEST(SeriesTest, EndlessMinuteRuleStaysBounded) {
  const auto found = AppointmentsOfCalendar(
      Calendar(Event("DTSTART:19900101T000000Z\r\nRRULE:FREQ=MINUTELY\r\nSUMMARY:M\r\n")), kToday);
  EXPECT_LE(found.size(), 1000u);
}

const CalendarOccurrence* Find(const std::vector<CalendarOccurrence>& found, const std::string& day,
                               int hour) {
  for (const CalendarOccurrence& o : found)
    if (o.appointment.DateText == day && o.appointment.Hour == hour) return &o;
  return nullptr;
}

TEST(SeriesTest, ChangingOneOccurrenceWritesAnExceptionAndKeepsTheSeries) {
  const auto found = AppointmentsOfCalendar(kSeries, kToday);
  const CalendarOccurrence* first = Find(found, "29.12.2026", 18);
  ASSERT_NE(first, nullptr);
  CalendarOccurrence changed = *first;
  changed.appointment.Hour = 17;
  changed.appointment.Text = W("Chor früher");
  const std::string edited = EditedCalendar(kSeries, changed);
  EXPECT_NE(edited.find("RRULE:FREQ=WEEKLY"), std::string::npos);
  EXPECT_NE(edited.find("RECURRENCE-ID;TZID=Europe/Berlin:20261229T180000"), std::string::npos) << edited;
  const auto again = AppointmentsOfCalendar(edited, kToday);
  EXPECT_EQ(again.size(), 51u);
  ASSERT_NE(Find(again, "29.12.2026", 17), nullptr);
  EXPECT_EQ(Find(again, "29.12.2026", 17)->appointment.Text, W("Chor früher"));
  EXPECT_EQ(Find(again, "29.12.2026", 18), nullptr);
  EXPECT_NE(Find(again, "05.01.2027", 18), nullptr);
}

TEST(SeriesTest, DeletingOneOccurrenceExcludesItOnly) {
  const auto found = AppointmentsOfCalendar(kSeries, kToday);
  // The moved occurrence: its exception goes too.
  const CalendarOccurrence* moved = Find(found, "15.12.2026", 19);
  ASSERT_NE(moved, nullptr);
  const std::string without = CalendarWithoutOccurrence(kSeries, moved->recurrenceId);
  const auto again = AppointmentsOfCalendar(without, kToday);
  EXPECT_EQ(again.size(), 50u);
  EXPECT_EQ(Find(again, "15.12.2026", 19), nullptr);
  EXPECT_EQ(Find(again, "15.12.2026", 18), nullptr);
  EXPECT_NE(Find(again, "29.12.2026", 18), nullptr);
}

TEST(EditTest, KeepsWhatOrganclockDoesNotShow) {
  const std::string fetched =
      Calendar(Event("DTSTART:20261208T090000Z\r\nDTEND:20261208T113000Z\r\nSUMMARY:Sitzung\r\nDESCRIPTION:"
                     "Tagesordnung\r\n"
                     "LOCATION:Raum 4\r\nATTENDEE;CN=Eva:mailto:eva@example.org\r\nCATEGORIES:Arbeit\r\n" +
                     Alarm("TRIGGER:-PT10M") +
                     "BEGIN:VALARM\r\nACTION:EMAIL\r\nDESCRIPTION:m\r\nSUMMARY:s\r\n"
                     "ATTENDEE:mailto:eva@example.org\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\n"));
  auto found = AppointmentsOfCalendar(fetched, kToday);
  ASSERT_EQ(found.size(), 1u);
  found[0].appointment.Text = W("Sitzung verschoben");
  found[0].appointment.Hour = 14;
  const std::string edited = EditedCalendar(fetched, found[0]);
  for (const char* kept :
       {"DESCRIPTION:Tagesordnung", "LOCATION:Raum 4", "ATTENDEE;CN=Eva:mailto:eva@example.org",
        "CATEGORIES:Arbeit", "ACTION:EMAIL", "TRIGGER:-PT10M", "UID:e1"})
    EXPECT_NE(edited.find(kept), std::string::npos) << kept << "\n" << edited;
  const auto again = AppointmentsOfCalendar(edited, kToday);
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(Describe(again[0].appointment), "08.12.2026 14:0 kind 1 [Sitzung verschoben]");
  // The meeting keeps its length of two and a half hours.
  EXPECT_NE(edited.find("DURATION:PT2H30M"), std::string::npos) << edited;
}

TEST(EditTest, ANewReminderReplacesTheAlarms) {
  const std::string ours = CalendarOfAppointment(Record("08.12.2026", 9, 0, 1, "A"), "u@organclock");
  auto found = AppointmentsOfCalendar(ours, kToday);
  ASSERT_EQ(found.size(), 1u);
  found[0].appointment.ReminderKind = ReminderKind::Day;
  const auto again = AppointmentsOfCalendar(EditedCalendar(ours, found[0]), kToday);
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(Describe(again[0].appointment), "08.12.2026 9:0 kind 2 [A]");
  found[0].appointment.ReminderKind = ReminderKind::None;
  const std::string none = EditedCalendar(ours, found[0]);
  EXPECT_EQ(none.find("BEGIN:VALARM"), std::string::npos);
}

}  // namespace
