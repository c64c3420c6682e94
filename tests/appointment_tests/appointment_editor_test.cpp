#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QStyleOptionComboBox>

#include "appointments/appointment_file.h"
#include "organs/organ_edit.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

using platform::MessageAnswer;

class EditorTest : public AppointmentProgramTest {
 protected:
  // 07.12.2026 is a Monday.
  void StartAt(int hour, int minute, const AppointmentList& records = {}) {
    StartWith(records, 2026, 12, 7, hour, minute);
  }
  void Type(const std::string& text) {
    platform::TypeText(kCtlAppointmentText, text);
    Drain();
  }
  void Choose(int box, const std::string& entry) {
    const auto entries = Entries(box);
    const auto it = std::find(entries.begin(), entries.end(), entry);
    ASSERT_NE(it, entries.end()) << entry;
    platform::ChooseListItem(box, static_cast<int>(it - entries.begin()));
    Drain();
  }
  void ClickDay(platform::Date day) {
    platform::ClickCalendarDay(kCtlCalendar, day);
    Drain();
  }
  void ClickRow(int row) {
    platform::ClickReportRow(kCtlDayList, row);
    Drain();
  }
  void ExpectOnlyBox(const char* utf8Text, platform::MessageIcon icon = platform::MessageIcon::Error) {
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, W(utf8Text));
    EXPECT_EQ(boxes[0].icon, icon);
  }
  // Which toolbar buttons and which of the editor's controls can be used, by their
  // identifiers' names: "ToolNew ToolOpen | DateField DayList".
  static std::string Enabled() {
    static const std::pair<int, const char*> kButtons[] = {
        {kCmdToolNew, "ToolNew"},     {kCmdToolOpen, "ToolOpen"},
        {kCmdToolSave, "ToolSave"},   {kCmdToolDelete, "ToolDelete"},
        {kCmdToolLeave, "ToolLeave"}, {kCmdToolStopReminding, "ToolStopReminding"}};
    static const std::pair<int, const char*> kControls[] = {{kCtlDateField, "DateField"},
                                                            {kCtlOptionHour, "OptionHour"},
                                                            {kCtlOptionDay, "OptionDay"},
                                                            {kCtlOptionNone, "OptionNone"},
                                                            {kCtlAppointmentText, "AppointmentText"},
                                                            {kCtlDayList, "DayList"},
                                                            {kCtlHourBox, "HourBox"},
                                                            {kCtlMinuteBox, "MinuteBox"}};
    std::string out;
    for (const auto& [button, name] : kButtons)
      if (platform::IsToolButtonEnabled(button)) out += std::string(name) + " ";
    out += "|";
    for (const auto& [control, name] : kControls)
      if (platform::IsControlEnabled(control)) out += std::string(" ") + name;
    return out;
  }
};

constexpr platform::Date kToday{2026, 12, 7};
constexpr platform::Date kLater{2026, 12, 9};

// Columns [first, last] in which two renderings differ, or {-1, -1}.
std::pair<int, int> DifferingColumns(const QImage& a, const QImage& b) {
  std::pair<int, int> span{-1, -1};
  for (int x = 0; x < std::min(a.width(), b.width()); ++x)
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        if (span.first < 0) span.first = x;
        span.second = x;
        break;
      }
  return span;
}

// The current item's text is drawn whole, left of the drop-down arrow: its ink is as
// wide as the same text drawn freely in the box's font.
TEST_F(EditorTest, TimeBoxesShowBothDigitsBesideTheArrow) {
  StartAt(10, 2);
  Menu(kCmdOpenAppointments);
  for (auto [box, item] : {std::pair{kCtlHourBox, "18"}, std::pair{kCtlMinuteBox, "00"}}) {
    int x, y, w, h;
    ASSERT_TRUE(platform::ControlGeometry(box, x, y, w, h));
    QComboBox* combo = nullptr;
    for (QWidget* widget : QApplication::allWidgets())
      if (auto* c = qobject_cast<QComboBox*>(widget); c && c->isVisible() && c->pos() == QPoint(x, y))
        combo = c;
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->width(), 40);
    combo->setCurrentIndex(combo->findText(item));
    const QString text = combo->currentText();
    ASSERT_EQ(text, item);
    const QImage withText = combo->grab().toImage();
    const int index = combo->currentIndex();
    combo->setCurrentIndex(-1);
    const QImage withoutText = combo->grab().toImage();
    combo->setCurrentIndex(index);
    const auto drawn = DifferingColumns(withText, withoutText);

    QImage blank(200, combo->height(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage free = blank.copy();
    {
      QPainter p(&free);
      p.setFont(combo->font());
      p.setPen(Qt::black);
      p.drawText(QRect(10, 0, 180, combo->height()), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
    const auto whole = DifferingColumns(free, blank);

    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    const QRect arrow =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    ASSERT_GE(drawn.first, 0) << text.toStdString();
    EXPECT_LT(drawn.second, arrow.left()) << text.toStdString() << ": the arrow covers the text";
    EXPECT_GE(drawn.second - drawn.first, whole.second - whole.first - 1)
        << text.toStdString() << ": the text is cut";
  }
}

TEST_F(EditorTest, OpenShowsTheWindowInViewForm) {
  StartAt(10, 2, {Record("07.12.2026", 9, 5, 1, W("Frühstück")), Record("08.12.2026", 8, 0, 0, "Morgen")});
  Menu(kCmdOpenAppointments);
  ASSERT_TRUE(platform::IsWindowVisible(kAppointmentWindow));
  EXPECT_EQ(platform::WindowTitle(kAppointmentWindow), "Termine 07.12.2026:");
  EXPECT_EQ(Enabled(), "ToolNew | DateField DayList");
  EXPECT_FALSE(platform::IsControlEnabled(kCtlCalendar));
  EXPECT_EQ(DayListRows(), std::vector<std::string>{W("09:05 Frühstück")});
  EXPECT_EQ(platform::ControlText(kCtlDateField), "07.12.2026");
  EXPECT_TRUE(platform::IsOptionChecked(kCtlOptionHour));
  EXPECT_EQ(Entries(kCtlHourBox).size(), 24u);
  EXPECT_EQ(Entries(kCtlMinuteBox).front(), "00");
  EXPECT_EQ(Entries(kCtlMinuteBox).back(), "55");

  struct Place {
    int id, x, y, w, h;
    const char* caption;
  };
  for (const Place& p : {Place{22, 5, 30, 105, 45, "Datum:"}, Place{23, 10, 45, 95, 25, nullptr},
                         Place{24, 5, 80, 105, 60, "Zeit:"}, Place{25, 30, 95, 15, 20, "h"},
                         Place{26, 75, 95, 25, 20, "min"}, Place{35, 10, 115, 40, 100, nullptr},
                         Place{36, 65, 115, 40, 100, nullptr}, Place{27, 120, 30, 235, 45, "Text/Termin:"},
                         Place{32, 125, 45, 225, 20, nullptr}, Place{28, 5, 150, 105, 90, "Erinnerung:"},
                         Place{29, 10, 165, 95, 20, "1 Stunde"}, Place{30, 10, 185, 95, 25, "1 Tag"},
                         Place{31, 10, 210, 95, 25, "Keine"}, Place{33, 120, 85, 235, 155, ""},
                         Place{34, 125, 100, 225, 135, nullptr}}) {
    int x, y, w, h;
    ASSERT_TRUE(platform::ControlGeometry(p.id, x, y, w, h)) << p.id;
    if (p.id == kCtlHourBox || p.id == kCtlMinuteBox) {
      // 100 is the height with the list open; closed, the box is one line high.
      EXPECT_EQ(std::vector<int>({x, y, w}), std::vector<int>({p.x, p.y, p.w})) << p.id;
      EXPECT_GE(h, 18) << p.id;
      EXPECT_LT(h, 40) << p.id;
      continue;
    }
    EXPECT_EQ(std::vector<int>({x, y, w, h}), std::vector<int>({p.x, p.y, p.w, p.h})) << p.id;
    if (p.caption) {
      EXPECT_EQ(platform::ControlText(p.id), p.caption) << p.id;
    }
  }
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolNew), "Neuer Termin");
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolOpen), W("Öffnen/Ändern"));
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolSave), "Termin Speichern");
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolDelete), W("Termin Löschen"));
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolLeave), "Neue Auswahl aus Liste");
  EXPECT_EQ(platform::ToolButtonTooltip(kCmdToolStopReminding), "Termin nicht mehr melden");

  // Return changes nothing.
  const std::string before = ReadFile("Term.dat");
  platform::PressReturnKey(kAppointmentWindow);
  Drain();
  EXPECT_EQ(Enabled(), "ToolNew | DateField DayList");
  EXPECT_EQ(App().Appointments.size(), 2u);
  EXPECT_EQ(ReadFile("Term.dat"), before);
  EXPECT_TRUE(platform::WindowExists(kAppointmentWindow));

  // The date field refuses days before today.
  platform::PickDate(kCtlDateField, {2026, 12, 6});
  Drain();
  EXPECT_EQ(platform::ControlText(kCtlDateField), "07.12.2026");
}

TEST_F(EditorTest, NewAppointmentAtFourteenFiftySevenOffersOnlyTimesToCome) {
  StartAt(14, 57);
  Menu(kCmdNewAppointment);
  EXPECT_EQ(platform::WindowTitle(kAppointmentWindow), "Neuen Termin eingeben:");
  EXPECT_EQ(
      Enabled(),
      "ToolSave ToolLeave | DateField OptionHour OptionDay OptionNone AppointmentText HourBox MinuteBox");
  EXPECT_TRUE(IsBusy());
  const auto hours = Entries(kCtlHourBox);
  ASSERT_EQ(hours.size(), 10u);
  EXPECT_EQ(hours.front(), "14");
  EXPECT_EQ(hours.back(), "23");
  EXPECT_EQ(platform::SelectedListItem(kCtlHourBox), -1);
  Choose(kCtlHourBox, "14");
  EXPECT_TRUE(Entries(kCtlMinuteBox).empty());
  Choose(kCtlHourBox, "15");
  EXPECT_EQ(Entries(kCtlMinuteBox).size(), 12u) << "a later hour offers every minute";
  Choose(kCtlMinuteBox, "30");
  Choose(kCtlHourBox, "14");
  Choose(kCtlHourBox, "16");
  EXPECT_EQ(platform::ControlText(kCtlMinuteBox), "00") << "the minute box followed the empty hour";
  Choose(kCtlHourBox, "14");
  Type("Arzt");
  Tool(kCmdToolSave);
  EXPECT_TRUE(TakeBoxes().empty());
  ASSERT_EQ(App().Appointments.size(), 1u);
  EXPECT_EQ(App().Appointments[0].Hour, 14);
  EXPECT_EQ(App().Appointments[0].Minute, 0) << "an empty minute box stores 0";
  EXPECT_EQ(App().Appointments[0].ReminderKind, ReminderKind::Hour);
  EXPECT_EQ(SavedRecords().size(), 1u) << "saving writes Term.dat";
  EXPECT_TRUE(Bold(kToday));
  EXPECT_FALSE(IsBusy());
  EXPECT_EQ(App().editor, EditorState::Viewing);
  EXPECT_EQ(Enabled(), "ToolNew | DateField DayList");
  EXPECT_EQ(DayListRows(), std::vector<std::string>{"14:00 Arzt"});
}

TEST_F(EditorTest, NewAppointmentForALaterDayOffersEveryTime) {
  StartAt(14, 57);
  Menu(kCmdNewAppointment);
  platform::PickDate(kCtlDateField, kLater);
  Drain();
  EXPECT_EQ(platform::WindowTitle(kAppointmentWindow), "Termine 09.12.2026:");
  EXPECT_EQ(Entries(kCtlHourBox).size(), 24u);
  Choose(kCtlHourBox, "09");
  EXPECT_EQ(Entries(kCtlMinuteBox).size(), 12u);
  Choose(kCtlMinuteBox, "35");
  platform::ClickOption(kCtlOptionDay);
  Type(W("Geburtstag Jürgen"));
  Tool(kCmdToolSave);
  ASSERT_EQ(SavedRecords().size(), 1u);
  const Appointment saved = SavedRecords()[0];
  EXPECT_EQ(saved.DateText, "09.12.2026");
  EXPECT_EQ(saved.Hour, 9);
  EXPECT_EQ(saved.Minute, 35);
  EXPECT_EQ(saved.ReminderKind, ReminderKind::Day);
  EXPECT_EQ(saved.Text, W("Geburtstag Jürgen"));
  EXPECT_TRUE(Bold(kLater));
}

TEST_F(EditorTest, DuplicateTimeIsRefusedAndCommand48AsksAgain) {
  StartAt(10, 2, {Record("09.12.2026", 10, 0, 1, "Zahnarzt")});
  Menu(kCmdNewAppointment);
  platform::PickDate(kCtlDateField, kLater);
  Drain();
  Choose(kCtlHourBox, "10");
  Type("Friseur");
  Tool(kCmdToolSave);
  ExpectOnlyBox("Es ist schon ein Termin um diese Uhrzeit vorhanden !");
  EXPECT_EQ(App().Appointments.size(), 1u);
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Friseur") << "the input stays after a refusal";
  EXPECT_EQ(
      Enabled(),
      "ToolSave ToolLeave | DateField OptionHour OptionDay OptionNone AppointmentText HourBox MinuteBox");
  EXPECT_TRUE(IsBusy());

  AnswerNextBox(MessageAnswer::No);
  Tool(kCmdToolLeave);
  ExpectOnlyBox("Änderungen Speichern?", platform::MessageIcon::Question);
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "");
  EXPECT_EQ(Enabled(), "ToolNew | DateField DayList");
  EXPECT_FALSE(IsBusy());
  EXPECT_EQ(App().Appointments.size(), 1u);
}

TEST_F(EditorTest, ChangingTextAndReminderKeepsTheRecordsOwnTime) {
  StartAt(10, 2, {Record("09.12.2026", 10, 0, 1, "Zahnarzt"), Record("09.12.2026", 11, 30, 0, "Post")});
  ClickDay(kLater);
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(platform::WindowTitle(kAppointmentWindow), "Termine 09.12.2026:");
  EXPECT_EQ(platform::ControlText(kCtlDateField), "09.12.2026");
  EXPECT_EQ(DayListRows(), (std::vector<std::string>{"10:00 Zahnarzt", "11:30 Post"}));
  ClickRow(1);
  EXPECT_EQ(Enabled(), "ToolNew ToolOpen ToolDelete | DateField DayList");
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Post");
  EXPECT_EQ(platform::ControlText(kCtlHourBox), "11");
  EXPECT_EQ(platform::ControlText(kCtlMinuteBox), "30");
  EXPECT_TRUE(platform::IsOptionChecked(kCtlOptionNone));
  EXPECT_FALSE(HoldsUnsavedInput(App().editor)) << "showing a record is no change";
  Tool(kCmdToolOpen);
  EXPECT_EQ(
      Enabled(),
      "ToolNew ToolSave ToolLeave | OptionHour OptionDay OptionNone AppointmentText HourBox MinuteBox");
  Type("Post holen");
  platform::ClickOption(kCtlOptionDay);
  Drain();
  Tool(kCmdToolSave);
  EXPECT_TRUE(TakeBoxes().empty());
  const AppointmentList saved = SavedRecords();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[1].Text, "Post holen");
  EXPECT_EQ(saved[1].ReminderKind, ReminderKind::Day);
  EXPECT_EQ(saved[1].Hour, 11);
  EXPECT_EQ(saved[1].Minute, 30);

  // Moving it onto the other record's time is refused.
  ClickRow(1);
  Tool(kCmdToolOpen);
  Choose(kCtlHourBox, "10");
  Choose(kCtlMinuteBox, "00");
  Tool(kCmdToolSave);
  ExpectOnlyBox("Es ist schon ein Termin um diese Uhrzeit vorhanden !");
  EXPECT_EQ(App().Appointments[1].Hour, 11);
}

TEST_F(EditorTest, ChangingARecordOfAPastDayKeepsItsDay) {
  StartAt(10, 2, {Record("01.12.2026", 10, 0, 0, "Vorbei")});
  ClickDay({2026, 12, 1});
  EXPECT_EQ(DayListRows(), std::vector<std::string>{"10:00 Vorbei"});
  ClickRow(0);
  Tool(kCmdToolOpen);
  Type("Vorbei, erledigt");
  Tool(kCmdToolSave);
  ASSERT_EQ(SavedRecords().size(), 1u);
  EXPECT_EQ(SavedRecords()[0].DateText, "01.12.2026");
  EXPECT_EQ(SavedRecords()[0].Text, "Vorbei, erledigt");
}

struct TextCase {
  const char* name;
  const char* text;
  bool stored;
};

class EditorTextTest : public EditorTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EditorTextTest, OnlyTheEmptyTextIsRefused) {
  StartAt(10, 2);
  Menu(kCmdNewAppointment);
  Choose(kCtlHourBox, "12");
  Type(GetParam().text);
  Tool(kCmdToolSave);
  if (GetParam().stored) {
    EXPECT_TRUE(TakeBoxes().empty());
    ASSERT_EQ(SavedRecords().size(), 1u);
    EXPECT_EQ(SavedRecords()[0].Text, GetParam().text);
  } else {
    ExpectOnlyBox("Termin Text: Eingabe fehlt !");
    EXPECT_TRUE(App().Appointments.empty());
    EXPECT_EQ(ReadFile("Term.dat"), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Editor, EditorTextTest,
                         ::testing::Values(TextCase{"Empty", "", false},
                                           TextCase{"BlanksOnly", "   ", true},
                                           TextCase{"Word", "Sport", true}),
                         [](const auto& info) { return std::string(info.param.name); });

class DeleteTest : public EditorTest, public ::testing::WithParamInterface<MessageAnswer> {};

TEST_P(DeleteTest, DeletingTheLastRecordOfADayClearsItsMark) {
  StartAt(10, 2, {Record("09.12.2026", 10, 0, 1, "Zahnarzt"), Record("10.12.2026", 8, 0, 0, "Bleibt")});
  EXPECT_TRUE(Bold(kLater));
  ClickDay(kLater);
  ClickRow(0);
  AnswerNextBox(GetParam());
  Tool(kCmdToolDelete);
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Frage?");
  EXPECT_EQ(boxes[0].text, W("Termin Zahnarzt Löschen?"));
  EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::YesNo);
  if (GetParam() == MessageAnswer::Yes) {
    EXPECT_FALSE(Bold(kLater));
    EXPECT_TRUE(Bold({2026, 12, 10}));
    ASSERT_EQ(SavedRecords().size(), 1u);
    EXPECT_EQ(SavedRecords()[0].Text, "Bleibt");
    EXPECT_TRUE(DayListRows().empty());
    EXPECT_EQ(Enabled(), "ToolNew | DateField DayList");
  } else {
    EXPECT_TRUE(Bold(kLater));
    EXPECT_EQ(App().Appointments.size(), 2u);
    EXPECT_EQ(SavedRecords().size(), 2u);
    EXPECT_EQ(DayListRows().size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(Editor, DeleteTest, ::testing::Values(MessageAnswer::Yes, MessageAnswer::No),
                         [](const auto& info) { return info.param == MessageAnswer::Yes ? "Yes" : "No"; });

TEST_F(EditorTest, OpenAfterNewDropsTheNewAppointmentAndItsHold) {
  StartAt(10, 2);
  Menu(kCmdNewAppointment);
  Type("halb fertig");
  Menu(kCmdOpenAppointments);
  EXPECT_FALSE(IsBusy());
  EXPECT_EQ(App().editor, EditorState::Viewing);
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "");
  CloseWindow();  // nothing left to ask about
  EXPECT_TRUE(App().Appointments.empty());
}

TEST_F(EditorTest, ADayWithoutMarkOpensNothing) {
  StartAt(10, 2, {Record("09.12.2026", 10, 0, 1, "Zahnarzt")});
  ClickDay({2026, 12, 10});
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(App().SelectedDate, "10.12.2026");
  EXPECT_TRUE(platform::IsControlEnabled(kCtlCalendar));
}

TEST_F(EditorTest, ARowNamesItsOwnRecordAmongRecordsOfTheSameTime) {
  // Two records of one day and time come only from outside (a merge, a hand-edited file).
  StartAt(10, 2, {Record("09.12.2026", 10, 0, 1, "Zahnarzt"), Record("09.12.2026", 10, 0, 0, "Zahnarzt")});
  ClickDay(kLater);
  ClickRow(1);
  EXPECT_TRUE(platform::IsOptionChecked(kCtlOptionNone)) << "the second record is shown";
  AnswerNextBox(MessageAnswer::Yes);
  Tool(kCmdToolDelete);
  TakeBoxes();
  ASSERT_EQ(SavedRecords().size(), 1u);
  EXPECT_EQ(SavedRecords()[0].ReminderKind, ReminderKind::Hour) << "the first record stays";
}

class CloseTest : public EditorTest, public ::testing::WithParamInterface<MessageAnswer> {};

TEST_P(CloseTest, ClosingAfterTypingAsks) {
  StartAt(10, 2);
  Menu(kCmdNewAppointment);
  Choose(kCtlHourBox, "12");
  Type("Mittag");
  App().shownOrgan = 0;
  AnswerNextBox(GetParam());
  CloseWindow();
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, W("Änderungen Speichern?"));
  EXPECT_EQ(boxes[0].title, "Frage?");
  EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::YesNoCancel);
  if (GetParam() == MessageAnswer::Cancel) {
    EXPECT_TRUE(platform::WindowExists(kAppointmentWindow));
    EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Mittag");
    EXPECT_TRUE(IsBusy());
    EXPECT_FALSE(platform::IsControlEnabled(kCtlCalendar));
    return;
  }
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  EXPECT_FALSE(IsBusy());
  EXPECT_FALSE(HoldsUnsavedInput(App().editor));
  EXPECT_TRUE(platform::IsControlEnabled(kCtlCalendar));
  EXPECT_EQ(App().shownOrgan, 4) << "the organ of the hour is shown again";
  if (GetParam() == MessageAnswer::Yes) {
    // Written at once, not only when the program ends.
    ASSERT_EQ(SavedRecords().size(), 1u);
    EXPECT_EQ(SavedRecords()[0].Text, "Mittag");
    EXPECT_TRUE(Bold(kToday));
  } else {
    EXPECT_TRUE(App().Appointments.empty());
    EXPECT_EQ(ReadFile("Term.dat"), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Editor, CloseTest,
                         ::testing::Values(MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel),
                         [](const auto& info) {
                           return info.param == MessageAnswer::Yes  ? "Yes"
                                  : info.param == MessageAnswer::No ? "No"
                                                                    : "Cancel";
                         });

TEST_F(EditorTest, ClosingWithoutInputAsksNothing) {
  StartAt(10, 2, {Record("07.12.2026", 9, 0, 0, "A")});
  Menu(kCmdOpenAppointments);
  ClickRow(0);
  CloseWindow();
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  EXPECT_TRUE(platform::IsControlEnabled(kCtlCalendar));
}

TEST_F(EditorTest, ClosingTheWindowLeavesAnOrganTextEditAlone) {
  StartAt(10, 2);
  Menu(kCmdFirstOrganEdit);  // "Lunge"
  ASSERT_TRUE(IsEditingOrganText());
  platform::SetControlText(kCtlOrganText, "getippt");
  Menu(kCmdOpenAppointments);
  CloseWindow();
  EXPECT_TRUE(IsBusy()) << "the organ text is still being edited";
  EXPECT_EQ(platform::ControlText(kCtlOrganText), "getippt");
  EXPECT_EQ(App().shownOrgan, 1);
}

TEST_F(EditorTest, EndingAnOrganTextEditLeavesANewAppointmentHoldingBackTheHour) {
  StartAt(10, 58);
  Menu(kCmdFirstOrganEdit);  // "Lunge"
  Menu(kCmdNewAppointment);
  Menu(kCmdCancelOrganText);
  EXPECT_FALSE(IsEditingOrganText());
  EXPECT_TRUE(IsBusy()) << "a new appointment is still being entered";
  EXPECT_EQ(App().shownOrgan, 4);
  AdvanceMinutes(3);  // 11:01
  EXPECT_EQ(App().shownOrgan, 4) << "the hour step waits for the appointment";
  CloseWindow();
  EXPECT_FALSE(IsBusy());
  EXPECT_EQ(App().shownOrgan, 5) << "closing the window shows the organ of the present hour";
}

}  // namespace
