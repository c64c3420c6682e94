#include "appointments/reminder_notices.h"

#include <cstdio>

#include "platform/notifications.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

std::string TimeText(const Appointment& record) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", record.Hour % 100, record.Minute % 100);
  return buffer;
}

// Records are kept in a list that is re-sorted and edited, so a notification is tied
// to what makes the appointment, not to its position.
std::string NoticeKey(const Appointment& record) {
  return record.DateText + '\n' + TimeText(record) + '\n' + record.Text;
}

}  // namespace

void NotifyReminder(const Appointment& record) {
  const std::string key = NoticeKey(record);
  auto& notices = App().ReminderNotices;
  const auto shown = notices.find(key);
  const uint32_t replaces = shown == notices.end() ? 0 : shown->second;
  const platform::Urgency urgency =
      record.ReminderKind == ReminderKind::Day ? platform::Urgency::Normal : platform::Urgency::Critical;
  const uint32_t id = platform::ShowNotification("Termin " + record.DateText + " " + TimeText(record),
                                                 record.Text, urgency, replaces, kPictureProgramIcon);
  if (id != 0) notices[key] = id;
}

void WithdrawReminderNotice(const Appointment& record) {
  auto& notices = App().ReminderNotices;
  const auto shown = notices.find(NoticeKey(record));
  if (shown == notices.end()) return;
  platform::CloseNotification(shown->second);
  notices.erase(shown);
}
