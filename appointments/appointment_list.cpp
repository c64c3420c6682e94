#include "appointments/appointment_list.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "appointments/appointment_editor.h"
#include "appointments/appointment_file.h"
#include "appointments/appointment_merge.h"
#include "appointments/appointment_window.h"
#include "calendar/calendar_sync.h"
#include "platform/clock.h"
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
  ShowMergedAppointments(before);
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

void ShowMergedAppointments(const AppointmentList& before) {
  std::set<std::string> daysBefore, daysAfter;
  for (const Appointment& a : before) daysBefore.insert(a.DateText);
  for (const Appointment& a : App().Appointments) daysAfter.insert(a.DateText);
  for (const std::string& day : daysBefore)
    if (!daysAfter.count(day)) MarkAppointmentDay(day, false);
  for (const std::string& day : daysAfter) MarkAppointmentDay(day, true);
  // The record the editor holds keeps its place by what it is, not by where it was.
  int& index = App().EditIndex;
  if (index >= 0 && index < static_cast<int>(before.size())) {
    const Appointment& held = before[index];
    const AppointmentList& now = App().Appointments;
    const auto found = std::find(now.begin(), now.end(), held);
    index = found == now.end() ? -1 : static_cast<int>(found - now.begin());
  }
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

void MarkAppointmentDay(const std::string& dateText, bool bold) {
  platform::Date day;
  if (ParseDateText(dateText, day)) platform::SetCalendarDayBold(kCtlCalendar, day, bold);
}

void PrepareAppointmentsAtStart() {
  AppointmentList& list = App().Appointments;
  if (list.size() >= 2) SortAppointmentsByTime(list);
  const platform::LocalTime now = platform::Now();
  // Equal date texts share their fate, so each day is marked once however many
  // records it holds.
  std::set<std::string> oldDays, keptDays;
  size_t kept = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    if (IsOldAppointment(list[i].DateText, now.month, now.year)) {
      oldDays.insert(list[i].DateText);
      continue;
    }
    keptDays.insert(list[i].DateText);
    if (kept != i) list[kept] = std::move(list[i]);
    ++kept;
  }
  list.resize(kept);
  for (const std::string& day : oldDays) MarkAppointmentDay(day, false);
  for (const std::string& day : keptDays) MarkAppointmentDay(day, true);
}
