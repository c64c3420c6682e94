#include "calendar/calendar_files.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "appointments/appointment_list.h"
#include "calendar/event_mapping.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"

namespace {

constexpr const char* kIcsFilters = "iCalendar (*.ics)|*.ics|Alle Dateien|*.*";

void ShowError(const char* utf8Text) {
  platform::ShowMessageBox("Fehler", platform::Cp1252(utf8Text), platform::MessageIcon::Error);
}

bool FromToday(const Appointment& a, const platform::Date& today) {
  platform::Date day;
  if (!ParseDateText(a.DateText, day)) return false;
  return std::tie(day.year, day.month, day.day) >= std::tie(today.year, today.month, today.day);
}

bool SameTime(const Appointment& a, const Appointment& b) {
  return a.DateText == b.DateText && a.Hour == b.Hour && a.Minute == b.Minute;
}

}  // namespace

std::string ExportUidOf(const Appointment& a) {
  platform::Date day;
  ParseDateText(a.DateText, day);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d00", day.year, day.month, day.day, a.Hour,
                a.Minute);
  return std::string(stamp) + "-organclock";
}

void ExportCalendarFile() {
  platform::FileDialogRequest request;
  request.title = "Termine exportieren";
  request.filters = kIcsFilters;
  request.proposedName = "Termine.ics";
  request.forSaving = true;
  std::string path = platform::ShowOpenFileDialog(request);
  if (path.empty()) return;
  if (path.find('.', path.find_last_of('/') + 1) == std::string::npos) path += ".ics";
  const platform::Date today = platform::Now().date();
  AppointmentList chosen;
  std::vector<std::string> uids;
  for (const Appointment& a : App().Appointments) {
    if (!FromToday(a, today)) continue;
    chosen.push_back(a);
    uids.push_back(ExportUidOf(a));
  }
  if (!platform::WriteWholeFile(path, CalendarOfAppointments(chosen, uids)))
    ShowError("Die Termine konnten nicht in die Datei geschrieben werden.");
}

void ImportCalendarFile() {
  platform::FileDialogRequest request;
  request.title = "Termine importieren";
  request.filters = kIcsFilters;
  const std::string path = platform::ShowOpenFileDialog(request);
  if (path.empty()) return;
  std::string bytes;
  if (!platform::ReadWholeFile(path, bytes)) {
    ShowError("Die Datei konnte nicht gelesen werden.");
    return;
  }
  const platform::Date today = platform::Now().date();
  const std::vector<CalendarOccurrence> found = AppointmentsOfCalendar(bytes, today);
  if (found.empty() && bytes.find("BEGIN:VCALENDAR") == std::string::npos) {
    ShowError("Die Datei ist keine iCalendar-Datei.");
    return;
  }
  AppointmentList& list = App().Appointments;
  int taken = 0, clashing = 0;
  for (const CalendarOccurrence& o : found) {
    // Our own export, moved elsewhere since, is still the same appointment.
    const bool ours = std::any_of(list.begin(), list.end(), [&](const Appointment& a) {
      return o.recurrenceId.empty() && ExportUidOf(a) == o.uid;
    });
    const auto same = std::find_if(list.begin(), list.end(),
                                   [&](const Appointment& a) { return SameTime(a, o.appointment); });
    if (ours) continue;
    if (same == list.end()) {
      list.push_back(o.appointment);
      ++taken;
    } else if (same->Text != o.appointment.Text) {
      ++clashing;  // a day and time hold one appointment only
    }
  }
  if (taken > 0) {
    ShowAppointmentDays();
    SaveAppointments();
  }
  if (clashing > 0)
    ShowError(clashing == 1
                  ? "Ein Termin wurde nicht übernommen, weil zur selben Zeit schon ein Termin steht."
                  : "Einige Termine wurden nicht übernommen, weil zur selben Zeit schon ein Termin steht.");
}
