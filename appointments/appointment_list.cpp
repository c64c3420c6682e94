#include "appointments/appointment_list.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "appointments/appointment_editor.h"
#include "appointments/appointment_file.h"
#include "appointments/appointment_merge.h"
#include "appointments/appointment_window.h"
#include "calendar/calendar_sync.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"

namespace {

// Decimal number at the start of `text`: leading blanks skipped, reading stops at the
// first non-digit, nothing readable is 0.
int LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 1000000) break;  // far beyond any year; keeps the sum from overflowing
  }
  return value;
}

void ShowFileError(const char* utf8Text) {
  platform::ShowMessageBox("Fehler!", platform::Cp1252(utf8Text), platform::MessageIcon::Error);
}

}  // namespace

void LoadAppointments() {
  App().Appointments.clear();
  std::string bytes;
  if (ReadKeptFile(kAppointmentFileName, App().appointmentFile, bytes, kAppointmentReadLimit) !=
      platform::ReadResult::Read) {
    ShowFileError("Termine nicht gefunden! Term.dat");
    return;
  }
  App().Appointments = DecodeAppointments(bytes);
}

void CreateMissingAppointmentFile() {
  std::string bytes;
  if (platform::ReadFile(kAppointmentFileName, bytes, kAppointmentReadLimit) ==
      platform::ReadResult::Missing)
    SaveAppointments();  // the empty list: a 0-byte file
}

bool MergeAppointmentFileChange() {
  KeptFile& file = App().appointmentFile;
  DiskVersion theirs;
  if (!KeptFileChangedOnDisk(kAppointmentFileName, file, theirs, kAppointmentReadLimit)) return true;
  if (theirs.result == platform::ReadResult::Unreadable) return false;
  const AppointmentList before = App().Appointments;
  App().Appointments =
      MergeAppointments(DecodeAppointments(file.base), before, DecodeAppointments(theirs.bytes));
  TakeAsBase(file, theirs);
  ShowMergedAppointments();
  if (App().Appointments != before) CalendarListChanged();
  return true;
}

bool SaveAppointments() {
  KeptFile& file = App().appointmentFile;
  if (file.state == KeptFile::State::Unreadable) {
    // Whatever the file holds was never seen, so it is never replaced in this run. The
    // list began empty; the first record the user adds is told once that it stays unsaved.
    if (!App().Appointments.empty() && TakeRefusalNotice(file))
      ShowFileError("Termin konnte nicht gespeichert werden!");
    return false;
  }
  if (!MergeAppointmentFileChange()) {
    ShowFileError("Termin konnte nicht gespeichert werden!");
    return false;
  }
  const std::string bytes = EncodeAppointments(App().Appointments);
  if (file.state == KeptFile::State::Read && bytes == file.base) return true;  // nothing new to write
  // The new content is put beside the old file and swapped in only when it is
  // complete, so a full disk or a crash never leaves a cut Term.dat behind.
  if (WriteKeptFile(kAppointmentFileName, file, bytes)) {
    CalendarListChanged();
    return true;
  }
  ShowFileError("Termin konnte nicht gespeichert werden!");
  return false;
}

void ShowMergedAppointments() {
  ShowAppointmentDays();
  // The record the editor holds is found by its key, wherever the merge put it.
  if (AppointmentWindowOpen()) FillDayList();
}

void SortAppointmentsByTime(AppointmentList& list) {
  std::stable_sort(list.begin(), list.end(), [](const Appointment& a, const Appointment& b) {
    if (a.Hour != b.Hour) return a.Hour < b.Hour;  // signed bytes, as stored
    return a.Minute < b.Minute;
  });
}

bool IsOldAppointment(const std::string& dateText, int month, int year) {
  const std::string_view text(dateText);
  const int m = text.size() > 3 ? LeadingNumber(text.substr(3, 2)) : 0;
  const int y = LeadingNumber(text.size() > 4 ? text.substr(text.size() - 4) : text);
  return m <= month && y < year;
}

void ShowAppointmentDays() {
  std::set<std::string> wanted;
  for (const Appointment& a : App().Appointments) {
    platform::Date day;
    if (ParseDateText(a.DateText, day)) wanted.insert(FormatDateText(day));
  }
  std::set<std::string>& shown = App().BoldDays;
  for (const std::string& text : shown) {
    platform::Date day;
    if (!wanted.count(text) && ParseDateText(text, day))
      platform::SetCalendarDayBold(kCtlCalendar, day, false);
  }
  for (const std::string& text : wanted) {
    platform::Date day;
    if (!shown.count(text) && ParseDateText(text, day))
      platform::SetCalendarDayBold(kCtlCalendar, day, true);
  }
  shown = std::move(wanted);
}

void PrepareAppointmentsAtStart(const platform::LocalTime& now) {
  AppointmentList& list = App().Appointments;
  if (list.size() >= 2) SortAppointmentsByTime(list);
  // The days of dropped records count as marked, so that whatever mark they have goes.
  std::erase_if(list, [&](const Appointment& a) {
    if (!IsOldAppointment(a.DateText, now.month, now.year)) return false;
    platform::Date day;
    if (ParseDateText(a.DateText, day)) App().BoldDays.insert(FormatDateText(day));
    return true;
  });
  ShowAppointmentDays();
}
