// Reminders as desktop notifications. Run by notification_test.sh: the Daemon tests
// inside a private session bus with dunst, the NoService tests with a bus that has no
// notification service and with no bus at all.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "platform/notifications.h"
#include "platform/test_probes.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

// What dunst shows or has shown, asked through its own control program.
QString Dunstctl(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("dunstctl"), arguments);
  if (!process.waitForFinished(10000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

int DisplayedCount() { return Dunstctl({"count", "displayed"}).toInt(); }

struct Shown {
  std::string urgency, summary, body;
  int id = 0;
};

// The history, with the urgency that the test's dunst configuration writes in front of
// each message ("critical|summary|body").
std::vector<Shown> History() {
  const QJsonDocument doc = QJsonDocument::fromJson(Dunstctl({"history"}).toUtf8());
  std::vector<Shown> out;
  const QJsonArray entries = doc.object().value("data").toArray().at(0).toArray();
  for (const auto& entry : entries) {
    const QJsonObject o = entry.toObject();
    Shown s;
    s.urgency = o.value("message").toObject().value("data").toString().section('|', 0, 0).toStdString();
    s.summary = o.value("summary").toObject().value("data").toString().toStdString();
    s.body = o.value("body").toObject().value("data").toString().toStdString();
    s.id = o.value("id").toObject().value("data").toInt();
    out.push_back(s);
  }
  return out;
}

class ReminderNotificationTest : public AppointmentProgramTest {
 protected:
  void At(int hour, int minute) {
    SetTime(2026, 12, 7, hour, minute);
    Pass();
    Drain();
  }
};

TEST_F(ReminderNotificationTest, DaemonShowsReplacesAndWithdrawsReminders) {
  ASSERT_TRUE(platform::NotificationServiceAvailable())
      << "needs a notification service on the session bus";
  StartWith({Record("07.12.2026", 15, 30, 1, W("Zahnarzt Dr. Müller")),
             Record("07.12.2026", 8, 0, 2, "Geburtstag")},
            2026, 12, 7, 14, 0);
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));  // the day reminder
  At(14, 30);                                               // the first hour reminder
  At(15, 29);
  At(15, 30);  // the second one of the same appointment takes the first one's place
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(DisplayedCount(), 2);
  Tool(kCmdToolStopReminding);  // "Termin nicht mehr melden" on the hour reminder
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(DisplayedCount(), 1) << "the withdrawn notification is still shown";
  EXPECT_TRUE(TakeBoxes().empty());

  Dunstctl({"close-all"});
  const std::vector<Shown> history = History();
  ASSERT_EQ(history.size(), 2u) << "a replaced notification must not stay as one of its own";
  int dayId = 0, hourId = 0;
  for (const Shown& s : history) {
    if (s.body == "Geburtstag") {
      EXPECT_EQ(s.summary, "Termin 07.12.2026 08:00");
      EXPECT_EQ(s.urgency, "normal");
      dayId = s.id;
    } else {
      EXPECT_EQ(s.body, "Zahnarzt Dr. M\xc3\xbcller");
      EXPECT_EQ(s.summary, "Termin 07.12.2026 15:30");
      EXPECT_EQ(s.urgency, "critical");
      hourId = s.id;
    }
  }
  EXPECT_NE(dayId, 0);
  EXPECT_NE(hourId, 0);
  EXPECT_NE(dayId, hourId);
}

TEST_F(ReminderNotificationTest, NoServiceRemindersComeAsBeforeWithoutAMessage) {
  ASSERT_FALSE(platform::NotificationServiceAvailable()) << "must run without a notification service";
  StartWith({Record("07.12.2026", 15, 30, 1, "Physio"), Record("07.12.2026", 8, 0, 2, "Geburtstag")}, 2026,
            12, 7, 14, 0);
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(platform::WindowTitle(kAppointmentWindow), "Termine heute: 07.12.2026");
  At(14, 30);
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));
  Tool(kCmdToolStopReminding);
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  for (const Appointment& a : App().Appointments)
    EXPECT_EQ(a.ReminderKind, a.Text == "Physio" ? 0 : 2) << a.Text;
  EXPECT_TRUE(App().ReminderNotices.empty());
  EXPECT_TRUE(TakeBoxes().empty());
}

}  // namespace
