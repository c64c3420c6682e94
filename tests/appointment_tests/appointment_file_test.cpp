#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "appointments/appointment_file.h"
#include "appointments/appointment_list.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

using namespace std::string_literals;

void ExpectSame(const AppointmentList& actual, const AppointmentList& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].DateText, expected[i].DateText) << i;
    EXPECT_EQ(actual[i].Hour, expected[i].Hour) << i;
    EXPECT_EQ(actual[i].Minute, expected[i].Minute) << i;
    EXPECT_EQ(actual[i].ReminderKind, expected[i].ReminderKind) << i;
    EXPECT_EQ(actual[i].Text, expected[i].Text) << i;
  }
}

// ---- Decoding the bytes of Term.dat ----

struct DecodeCase {
  const char* name;
  std::string bytes;
  AppointmentList expected;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsRecords) { ExpectSame(DecodeAppointments(GetParam().bytes), GetParam().expected); }

// The date line most records start with; the bytes after it are what each case is about.
const std::string kDate = "06.12.2007";
const std::string kDateLine = kDate + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    TermDat, DecodeTest,
    ::testing::Values(
        DecodeCase{"ZeroBytes", "", {}},
        DecodeCase{"HourAndMinuteAreCrAndLf",
                   kDateLine + "\x0d\x0a\x01Zahnarzt\r\n"s,
                   {Record(kDate, 13, 10, 1, "Zahnarzt")}},
        DecodeCase{
            "HourTenIsNotALineEnd", kDateLine + "\x0a\x0d\x02X\r\n"s, {Record(kDate, 10, 13, 2, "X")}},
        DecodeCase{"ExtraCrLfTailIsOneMoreEmptyRecord",
                   kDateLine + "\x09\x05\x00T\r\n\r\n"s,
                   {Record(kDate, 9, 5, 0, "T"), Record("", 0, 0, 0, "")}},
        DecodeCase{"CutInsideTheBytes", kDateLine + "\x0e"s, {Record(kDate, 14, 0, 0, "")}},
        DecodeCase{"CutInsideTheText", kDateLine + "\x0e\x1e\x01Zahn"s, {Record(kDate, 14, 30, 1, "Zahn")}},
        DecodeCase{"StrayByteStartsARecord",
                   kDateLine + "\x0e\x1e\x01Zahn\r\nx"s,
                   {Record(kDate, 14, 30, 1, "Zahn"), Record("x", 0, 0, 0, "")}},
        DecodeCase{"LoneLfAndNulEndLines",
                   kDate + "\n\x08\x00\x01"
                           "A\0B\r\n"s,
                   {Record(kDate, 8, 0, 1, "A"), Record("B", 0, 0, 0, "")}},
        DecodeCase{"EmptyTextIsCrLfAlone", kDateLine + "\x08\x00\x00\r\n"s, {Record(kDate, 8, 0, 0, "")}},
        DecodeCase{
            "NegativeByteStaysSigned", kDateLine + "\xff\x00\x07Z\r\n"s, {Record(kDate, -1, 0, 7, "Z")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeTest, WritesTheLayoutByteForByte) {
  const AppointmentList list = {Record("06.12.2007", 13, 10, 1, W("Zahnärztin Müller")),
                                Record("07.12.2007", 0, 55, 2, "")};
  const std::string bytes = EncodeAppointments(list);
  EXPECT_EQ(bytes, "06.12.2007\r\n\x0d\x0a\x01Zahn\xe4rztin M\xfcller\r\n07.12.2007\r\n\x00\x37\x02\r\n"s);
  ExpectSame(DecodeAppointments(bytes), list);
  EXPECT_EQ(EncodeAppointments({}), "");
}

// ---- The start-up rule and order ----

struct OldCase {
  const char* name;
  const char* dateText;
  int month, year;
  bool old;
};

class OldRuleTest : public ::testing::TestWithParam<OldCase> {};

TEST_P(OldRuleTest, ComparesMonthAndYearSeparately) {
  EXPECT_EQ(IsOldAppointment(GetParam().dateText, GetParam().month, GetParam().year), GetParam().old);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, OldRuleTest,
    ::testing::Values(OldCase{"LastYearEarlierMonth", "15.01.2007", 1, 2008, true},
                      OldCase{"LastYearLaterMonthStays", "20.12.2006", 1, 2008, false},
                      OldCase{"ThisYearEarlierMonthStays", "01.01.2008", 3, 2008, false},
                      OldCase{"LastYearSameMonth", "10.03.2008", 3, 2009, true},
                      OldCase{"NextYear", "01.01.2010", 3, 2009, false},
                      OldCase{"BlanksBeforeDigitsAreSkipped", "01. 1. 2007", 1, 2008, true},
                      OldCase{"EmptyTextReadsAsZeroAndGoes", "", 1, 2008, true},
                      OldCase{"ShortTextReadsWhatIsThere", "1", 1, 2008, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SortTest, HourThenMinuteThenFileOrder) {
  AppointmentList list = {Record("a", 15, 0, 0, "1"), Record("b", 9, 30, 0, "2"), Record("c", 9, 0, 0, "3"),
                          Record("d", 9, 30, 0, "4"), Record("e", -3, 0, 0, "5")};
  SortAppointmentsByTime(list);
  std::string order;
  for (const auto& a : list) order += a.Text;
  EXPECT_EQ(order, "53241");
}

// ---- Term.dat with the running program ----

class AppointmentFileTest : public ProgramTest {
 protected:
  // A later start: settings and organ texts exist, Term.dat is up to the test.
  void WriteSettings() {
    CopyDeliveredFiles();
    for (int n = 1; n <= 12; ++n)
      std::filesystem::copy_file(Dir() / ("org" + std::to_string(n) + ".bak"),
                                 Dir() / ("org" + std::to_string(n) + ".dat"));
    WriteFile("konfig.set", EncodeSettings(DefaultSettings()));
  }
  bool Bold(int year, int month, int day) {
    return platform::IsCalendarDayBold(kCtlCalendar, platform::Date{year, month, day});
  }
};

TEST_F(AppointmentFileTest, FirstRunCreatesAnEmptyFileAndKeepsAnExistingOne) {
  Start();
  EXPECT_TRUE(Exists("Term.dat"));
  EXPECT_EQ(ReadFile("Term.dat"), "");
  EXPECT_TRUE(TakeBoxes().empty());
  ReleaseProgram();
  std::filesystem::remove(Dir() / "konfig.set");
  const std::string kept = EncodeAppointments({Record("24.12.2026", 18, 0, 2, "Bescherung")});
  WriteFile("Term.dat", kept);
  Start();
  EXPECT_EQ(ReadFile("Term.dat"), kept);
  EXPECT_EQ(App().Appointments.size(), 1u);
}

TEST_F(AppointmentFileTest, ZeroByteFileLoadsEmptyWithoutMessage) {
  WriteSettings();
  WriteFile("Term.dat", "");
  Start();
  EXPECT_TRUE(App().Appointments.empty());
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(AppointmentFileTest, MissingFileWithSettingsIsReportedAndNotCreated) {
  WriteSettings();
  Start();
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Fehler!");
  EXPECT_EQ(boxes[0].text, "Termine nicht gefunden! Term.dat");
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_TRUE(App().Appointments.empty());
  EXPECT_FALSE(Exists("Term.dat"));
}

TEST_F(AppointmentFileTest, StartUpSortsByHour) {
  WriteSettings();
  WriteFile("Term.dat",
            EncodeAppointments({Record("08.12.2026", 15, 0, 0, "A"), Record("09.12.2026", 9, 0, 0, "B"),
                                Record("10.12.2026", 9, 0, 0, "C")}));
  Start();
  ASSERT_EQ(App().Appointments.size(), 3u);
  EXPECT_EQ(App().Appointments[0].Hour, 9);
  EXPECT_EQ(App().Appointments[1].Hour, 9);
  EXPECT_EQ(App().Appointments[2].Hour, 15);
  EXPECT_EQ(App().Appointments[0].Text, "B") << "equal times keep the file's order";
}

TEST_F(AppointmentFileTest, StartUpOnTenthOfMarchDropsOldRecordsAndMarksTheRest) {
  WriteSettings();
  const AppointmentList file = {
      Record("10.03.2008", 8, 0, 0, "alt1"), Record("31.01.2008", 9, 0, 0, "alt2"),
      Record("11.04.2008", 10, 0, 0, "bleibt1"), Record("01.01.2009", 11, 0, 0, "bleibt2"),
      Record("05.05.2010", 12, 0, 0, "bleibt3")};
  WriteFile("Term.dat", EncodeAppointments(file));
  SetTime(2009, 3, 10, 9, 0);
  Start();
  ASSERT_EQ(App().Appointments.size(), 3u);
  EXPECT_EQ(App().Appointments[0].Text, "bleibt1");
  EXPECT_EQ(App().Appointments[2].Text, "bleibt3");
  EXPECT_TRUE(Bold(2008, 4, 11));
  EXPECT_TRUE(Bold(2009, 1, 1));
  EXPECT_TRUE(Bold(2010, 5, 5));
  EXPECT_FALSE(Bold(2008, 3, 10));
  EXPECT_FALSE(Bold(2008, 1, 31));
  EXPECT_EQ(ReadFile("Term.dat"), EncodeAppointments(file)) << "dropping writes nothing";

  // A day that was marked loses its mark when its records are dropped.
  platform::SetCalendarDayBold(kCtlCalendar, {2008, 3, 10}, true);
  App().Appointments = file;
  PrepareAppointmentsAtStart(platform::Now());
  EXPECT_FALSE(Bold(2008, 3, 10));
  EXPECT_EQ(App().Appointments.size(), 3u);
}

TEST_F(AppointmentFileTest, UmlautsAndCrLfBytesSurviveLoadAndExit) {
  WriteSettings();
  const AppointmentList file = {Record("06.12.2026", 13, 10, 1, W("Fußpflege bei Frau Köhler"))};
  WriteFile("Term.dat", EncodeAppointments(file));
  Start();
  ExpectSame(App().Appointments, file);
  App().Appointments.push_back(Record("07.12.2026", 10, 13, 2, W("Übung")));
  ExitProgram();
  ExpectSame(DecodeAppointments(ReadFile("Term.dat")),
             {file[0], Record("07.12.2026", 10, 13, 2, W("Übung"))});
}

TEST_F(AppointmentFileTest, EmptyListSavesAsZeroBytes) {
  WriteFile("Term.dat", "06.12.2007\r\n\x08\x00\x00x\r\n"s);
  App().Appointments.clear();
  EXPECT_TRUE(SaveAppointments());
  EXPECT_TRUE(Exists("Term.dat"));
  EXPECT_EQ(ReadFile("Term.dat"), "");
}

// ---- A write that fails keeps the old file ----

enum class Failure { NameIsADirectory, DiskFullPartWay };

class FailedWriteTest : public AppointmentFileTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailedWriteTest, KeepsTheOldFileAndSaysSo) {
  const std::string old = EncodeAppointments({Record("06.12.2026", 8, 0, 1, "alt")});
  if (GetParam() == Failure::NameIsADirectory) {
    std::filesystem::create_directory(Dir() / "Term.dat");
  } else {
    WriteFile("Term.dat", old);
  }
  for (int i = 0; i < 200; ++i)
    App().Appointments.push_back(Record("07.12.2026", 9, 0, 1, std::string(50, 'x')));

  bool saved = true;
  if (GetParam() == Failure::DiskFullPartWay) {
    // The temporary file may grow to 4 KiB only, like a disk that fills up mid-write.
    struct sigaction ignore {
    }, before{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &before);
    rlimit limit{}, previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    limit = previous;
    limit.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    saved = SaveAppointments();
    setrlimit(RLIMIT_FSIZE, &previous);
    sigaction(SIGXFSZ, &before, nullptr);
  } else {
    saved = SaveAppointments();
  }

  EXPECT_FALSE(saved);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Termin konnte nicht gespeichert werden!"});
  EXPECT_EQ(App().Appointments.size(), 200u) << "the list keeps its content";
  if (GetParam() == Failure::NameIsADirectory) {
    EXPECT_TRUE(std::filesystem::is_directory(Dir() / "Term.dat"));
  } else {
    EXPECT_EQ(ReadFile("Term.dat"), old);
  }
  for (const auto& entry : std::filesystem::directory_iterator(Dir()))
    EXPECT_NE(entry.path().filename().string().rfind(".Term.dat", 0), 0u) << "temporary file left behind";
  // The next save tries again and succeeds once the cause is gone.
  if (GetParam() == Failure::DiskFullPartWay) {
    EXPECT_TRUE(SaveAppointments());
    EXPECT_EQ(DecodeAppointments(ReadFile("Term.dat")).size(), 200u);
  }
}

INSTANTIATE_TEST_SUITE_P(TermDat, FailedWriteTest,
                         ::testing::Values(Failure::NameIsADirectory, Failure::DiskFullPartWay),
                         [](const auto& info) {
                           return info.param == Failure::NameIsADirectory ? "NameIsADirectory"
                                                                          : "DiskFullPartWay";
                         });

}  // namespace
