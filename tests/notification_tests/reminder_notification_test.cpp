// Reminders as desktop notifications. Run by notification_test.sh: the Daemon tests
// inside a private session bus with dunst, the NoService tests with a bus that has no
// notification service and with no bus at all.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/notifications.h"
#include "platform/testing/test_probes.h"
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
  // Main loop passes for a while, so that answers and timeouts of the bus come in.
  template <typename Done>
  void RunUntil(Done done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      Pass();
    }
  }
};

// A notification service that is registered but never answers; it counts the calls.
class SilentNotificationService : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(message.member().toStdString());
    return true;  // taken, and never answered
  }
  int Count(const std::string& member) {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(std::count(calls_.begin(), calls_.end(), member));
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> calls_;
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
  // The notifications are sent without waiting; their answers come in with later passes.
  RunUntil([] { return DisplayedCount() == 2; }, std::chrono::seconds(5));
  EXPECT_EQ(DisplayedCount(), 2);
  Tool(kCmdToolStopReminding);  // "Termin nicht mehr melden" on the hour reminder
  EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
  RunUntil([] { return DisplayedCount() == 1; }, std::chrono::seconds(5));
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

TEST_F(ReminderNotificationTest, DaemonGetsEachReminderMissedDuringASuspend) {
  ASSERT_TRUE(platform::NotificationServiceAvailable());
  StartWith({Record("07.12.2026", 12, 15, 1, W("Früh")), Record("07.12.2026", 13, 45, 1, W("Spät"))}, 2026,
            12, 7, 11, 0);
  Dunstctl({"close-all"});
  At(14, 0);  // woken from a suspend that began at 11:00
  RunUntil([] { return DisplayedCount() == 2; }, std::chrono::seconds(5));
  EXPECT_EQ(DisplayedCount(), 2);
  Dunstctl({"close-all"});
  std::vector<std::string> summaries;
  for (const Shown& s : History())
    if (s.body == "Früh" || s.body == "Spät") summaries.push_back(s.summary);
  std::sort(summaries.begin(), summaries.end());
  EXPECT_EQ(summaries, (std::vector<std::string>{"Termin 07.12.2026 12:15", "Termin 07.12.2026 13:45"}));
}

TEST_F(ReminderNotificationTest, HangingServiceNeverHoldsUpTheMainLoop) {
  QDBusConnection bus =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("silent-notifications"));
  SilentNotificationService service;
  ASSERT_TRUE(bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service));
  ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
  ASSERT_TRUE(platform::NotificationServiceAvailable());
  StartWith({Record("07.12.2026", 15, 30, 1, "Physio"), Record("07.12.2026", 8, 0, 2, "Geburtstag")}, 2026,
            12, 7, 14, 0);
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));  // the day reminder
  using std::chrono::steady_clock;
  auto begin = steady_clock::now();
  At(14, 30);
  At(15, 30);
  EXPECT_LT(steady_clock::now() - begin, std::chrono::milliseconds(1000))
      << "two reminders waited for a service that does not answer";
  // Once the capabilities have gone unanswered the notifications are sent all the same.
  RunUntil([&] { return service.Count("Notify") > 0; }, std::chrono::seconds(15));
  EXPECT_GT(service.Count("Notify"), 0);
  begin = steady_clock::now();
  At(16, 30);
  EXPECT_LT(steady_clock::now() - begin, std::chrono::milliseconds(500));
  RunUntil([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(service.Count("GetCapabilities"), 1) << "the capabilities are asked once";
  EXPECT_TRUE(platform::WindowExists(kAppointmentWindow));
  EXPECT_TRUE(TakeBoxes().empty());
  bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
  QDBusConnection::disconnectFromBus(QStringLiteral("silent-notifications"));
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
    EXPECT_EQ(a.ReminderKind, a.Text == "Physio" ? ReminderKind::None : ReminderKind::Day) << a.Text;
  EXPECT_TRUE(App().ReminderNotices.empty());
  EXPECT_TRUE(TakeBoxes().empty());
}

}  // namespace
