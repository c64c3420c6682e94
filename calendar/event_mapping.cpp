#include "calendar/event_mapping.h"

#include <libical/ical.h>

#include <QString>
#include <QUuid>
#include <algorithm>
#include <ctime>
#include <memory>
#include <tuple>

#include "calendar/local_time_zone.h"
#include "calendar/summary_text.h"
#include "shell/state/date_text.h"

namespace {

// Our own alarms say which reminder they stand for: a "1 Tag" alarm of a morning
// appointment lies less than 12 hours before it and would read back as "1 Stunde".
constexpr const char* kReminderProperty = "X-ORGANCLOCK-REMINDER";
constexpr int kDayAlarmLeadSeconds = 12 * 3600;
// A series that never ends (or one ending every minute) must not flood the list.
constexpr int kMostOccurrencesPerSeries = 1000;
constexpr int kMostRecurrenceSteps = 100000;

struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

Component Parse(std::string_view text) {
  const std::string copy(text);
  icalcomponent* c = icalparser_parse_string(copy.c_str());
  if (c && icalcomponent_isa(c) != ICAL_VCALENDAR_COMPONENT) {
    // A bare VEVENT is accepted as if it stood in a calendar of its own.
    if (icalcomponent_isa(c) == ICAL_VEVENT_COMPONENT) {
      icalcomponent* cal = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
      icalcomponent_add_component(cal, c);
      return Component(cal);
    }
    icalcomponent_free(c);
    return nullptr;
  }
  return Component(c);
}

std::string Text(icalcomponent* calendar) {
  char* s = icalcomponent_as_ical_string_r(calendar);
  std::string out = s ? s : "";
  free(s);
  return out;
}

icalcomponent* NewCalendar() {
  icalcomponent* cal = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
  icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal, icalproperty_new_prodid("-//organclock//Terminkalender//DE"));
  return cal;
}

// Puts the zone's VTIMEZONE into the calendar once.
void AddZoneOf(icalcomponent* calendar, icaltimetype t) {
  const icaltimezone* zone = t.zone;
  if (!zone || zone == icaltimezone_get_utc_timezone() || t.is_date) return;
  const char* tzid = icaltimezone_get_tzid(const_cast<icaltimezone*>(zone));
  if (!tzid || icalcomponent_get_timezone(calendar, tzid)) return;
  icalcomponent* vtimezone = icaltimezone_get_component(const_cast<icaltimezone*>(zone));
  if (vtimezone) icalcomponent_add_component(calendar, icalcomponent_new_clone(vtimezone));
}

bool StartOf(const Appointment& a, icaltimetype& start) {
  platform::Date day;
  if (!ParseDateText(a.DateText, day) || a.Hour < 0 || a.Hour > 23 || a.Minute < 0 || a.Minute > 59)
    return false;
  start = icaltime_null_time();
  start.year = day.year;
  start.month = day.month;
  start.day = day.day;
  start.hour = a.Hour;
  start.minute = a.Minute;
  start.is_date = 0;
  if (icaltimezone* zone = LocalTimeZone()) start = icaltime_set_timezone(&start, zone);
  return true;
}

// A time as the program's local wall clock shows it.
struct LocalStart {
  platform::Date day;
  int hour = 0, minute = 0;
};

LocalStart LocalStartOf(icaltimetype t) {
  if (t.is_date || (!t.zone && !icaltime_is_utc(t)))
    return {{t.year, t.month, t.day}, t.is_date ? 0 : t.hour, t.is_date ? 0 : t.minute};
  const time_t moment = icaltime_as_timet_with_zone(t, t.zone ? t.zone : icaltimezone_get_utc_timezone());
  struct tm local {};
  localtime_r(&moment, &local);
  return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min};
}

std::tuple<int, int, int> Ordered(const platform::Date& d) { return {d.year, d.month, d.day}; }

platform::Date MonthsLater(const platform::Date& d, int months) {
  platform::Date later = d;
  later.month += months;
  later.year += (later.month - 1) / 12;
  later.month = (later.month - 1) % 12 + 1;
  return later;
}

void RemoveAll(icalcomponent* c, icalproperty_kind kind) {
  while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
    icalcomponent_remove_property(c, p);
    icalproperty_free(p);
  }
}

void RemoveAlarms(icalcomponent* event) {
  while (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT)) {
    icalcomponent_remove_component(event, alarm);
    icalcomponent_free(alarm);
  }
}

const char* OwnReminderOf(icalcomponent* alarm) {
  for (icalproperty* p = icalcomponent_get_first_property(alarm, ICAL_X_PROPERTY); p;
       p = icalcomponent_get_next_property(alarm, ICAL_X_PROPERTY))
    if (const char* name = icalproperty_get_x_name(p); name && std::string_view(name) == kReminderProperty)
      return icalproperty_get_x(p);
  return nullptr;
}

bool HasOwnDayAlarm(icalcomponent* event) {
  for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
       alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT))
    if (const char* own = OwnReminderOf(alarm); own && std::string_view(own) == "DAY") return true;
  return false;
}

ReminderKind ReminderKindOf(icalcomponent* event, icaltimetype start) {
  ReminderKind kind = ReminderKind::None;
  const int length = icaldurationtype_as_int(icalcomponent_get_duration(event));
  for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
       alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
    if (const char* own = OwnReminderOf(alarm)) {
      kind = std::max(kind, std::string_view(own) == "DAY" ? ReminderKind::Day : ReminderKind::Hour);
      continue;
    }
    icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!trigger) continue;
    const icaltriggertype t = icalproperty_get_trigger(trigger);
    long long lead = 0;
    if (!icaltime_is_null_time(t.time)) {
      lead =
          static_cast<long long>(icaltime_as_timet_with_zone(start, start.zone)) -
          icaltime_as_timet_with_zone(t.time, t.time.zone ? t.time.zone : icaltimezone_get_utc_timezone());
    } else {
      lead = -static_cast<long long>(icaldurationtype_as_int(t.duration));
      icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
      if (related && icalparameter_get_related(related) == ICAL_RELATED_END) lead -= length;
    }
    kind = std::max(kind, lead >= kDayAlarmLeadSeconds ? ReminderKind::Day : ReminderKind::Hour);
  }
  return kind;
}

Appointment AppointmentOf(icalcomponent* event, icaltimetype start) {
  const LocalStart local = LocalStartOf(start);
  Appointment a;
  a.DateText = FormatDateText(local.day);
  a.Hour = static_cast<int8_t>(local.hour);
  a.Minute = static_cast<int8_t>(local.minute);
  a.ReminderKind = ReminderKindOf(event, start);
  const char* summary = icalcomponent_get_summary(event);
  a.Text = SummaryToText(summary ? summary : "");
  return a;
}

void AddAlarm(icalcomponent* event, const Appointment& a) {
  if (a.ReminderKind != ReminderKind::Hour && a.ReminderKind != ReminderKind::Day) return;
  icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
  icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
  const char* summary = icalcomponent_get_summary(event);
  icalcomponent_add_property(alarm, icalproperty_new_description(summary ? summary : ""));
  icaltriggertype trigger{};
  trigger.time = icaltime_null_time();
  // "1 Tag" reminds at 00:00 of the appointment's day.
  const int lead = a.ReminderKind == ReminderKind::Hour ? 3600 : a.Hour * 3600 + a.Minute * 60;
  trigger.duration = icaldurationtype_from_int(-lead);
  icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
  icalproperty* own = icalproperty_new_x(a.ReminderKind == ReminderKind::Hour ? "HOUR" : "DAY");
  icalproperty_set_x_name(own, kReminderProperty);
  icalcomponent_add_property(alarm, own);
  icalcomponent_add_component(event, alarm);
}

void Stamp(icalcomponent* event) {
  const icaltimetype now = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
  RemoveAll(event, ICAL_DTSTAMP_PROPERTY);
  icalcomponent_add_property(event, icalproperty_new_dtstamp(now));
  RemoveAll(event, ICAL_LASTMODIFIED_PROPERTY);
  icalcomponent_add_property(event, icalproperty_new_lastmodified(now));
}

void AddEvent(icalcomponent* calendar, const Appointment& a, const std::string& uid) {
  icaltimetype start;
  if (!StartOf(a, start)) return;
  icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
  icalcomponent_set_uid(event, uid.c_str());
  Stamp(event);
  icalcomponent_set_dtstart(event, start);
  icalcomponent_set_duration(event, icaldurationtype_from_int(3600));
  icalcomponent_set_summary(event, SummaryOfText(a.Text).c_str());
  AddAlarm(event, a);
  AddZoneOf(calendar, start);
  icalcomponent_add_component(calendar, event);
}

bool SameTime(icaltimetype a, icaltimetype b) {
  return (a.is_date || b.is_date) ? icaltime_compare_date_only(a, b) == 0 : icaltime_compare(a, b) == 0;
}

// The time a RECURRENCE-ID or EXDATE text names, in the zone of the series' start.
icaltimetype OccurrenceTime(const std::string& recurrenceId, icaltimetype seriesStart) {
  icaltimetype t = icaltime_from_string(recurrenceId.c_str());
  if (!t.is_date && !icaltime_is_utc(t) && seriesStart.zone)
    t = icaltime_set_timezone(&t, seriesStart.zone);
  return t;
}

std::string OccurrenceId(icaltimetype t) {
  const char* s = icaltime_as_ical_string(t);
  return s ? s : "";
}

// A time property of a series' occurrence names the zone with the very TZID text of the
// series' DTSTART: libical resolves a known name to its own zone, whose name has a prefix.
icalproperty* InZoneOfSeries(icalproperty* p, icaltimetype t, icalcomponent* master) {
  icalproperty_remove_parameter_by_kind(p, ICAL_TZID_PARAMETER);
  if (t.is_date || icaltime_is_utc(t) || !t.zone) return p;
  icalproperty* start = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
  icalparameter* tzid = start ? icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER) : nullptr;
  icalproperty_add_parameter(
      p, icalparameter_new_tzid(tzid ? icalparameter_get_tzid(tzid) : icaltime_get_tzid(t)));
  return p;
}

struct Series {
  icalcomponent* master = nullptr;
  std::vector<icalcomponent*> exceptions;
};

icaltimetype RecurrenceIdOf(icalcomponent* event) { return icalcomponent_get_recurrenceid(event); }

bool IsCancelled(icalcomponent* event) { return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED; }

bool IsExcluded(icalcomponent* master, icaltimetype t) {
  for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_EXDATE_PROPERTY); p;
       p = icalcomponent_get_next_property(master, ICAL_EXDATE_PROPERTY)) {
    icaltimetype ex = icalproperty_get_exdate(p);
    if (!ex.zone && !ex.is_date && !icaltime_is_utc(ex)) {
      if (icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER))
        ex = icaltime_set_timezone(&ex, icalcomponent_get_timezone(icalcomponent_get_parent(master),
                                                                   icalparameter_get_tzid(tzid)));
    }
    if (SameTime(t, ex)) return true;
  }
  return false;
}

class Reader {
 public:
  Reader(const platform::Date& today) : first_(today), end_(MonthsLater(today, 12)) {}

  void Single(icalcomponent* event, const std::string& uid) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || IsCancelled(event)) return;
    Emit(event, start, uid, "");
  }

  void Expand(const Series& series, const std::string& uid) {
    icalcomponent* master = series.master;
    const icaltimetype start = icalcomponent_get_dtstart(master);
    if (icaltime_is_null_time(start)) return;
    icalproperty* rule = icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY);
    std::vector<icaltimetype> times;
    if (rule) {
      icalrecur_iterator* it = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
      for (int step = 0; it && step < kMostRecurrenceSteps && times.size() < kMostOccurrencesPerSeries;
           ++step) {
        const icaltimetype t = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(t)) break;
        const auto day = Ordered(LocalStartOf(t).day);
        if (day >= Ordered(end_)) break;
        if (day >= Ordered(first_)) times.push_back(t);
      }
      if (it) icalrecur_iterator_free(it);
    } else {
      times.push_back(start);
    }
    for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(master, ICAL_RDATE_PROPERTY)) {
      icaltimetype t = icalproperty_get_rdate(p).time;
      if (icaltime_is_null_time(t)) continue;
      if (!t.is_date && !icaltime_is_utc(t)) t = icaltime_set_timezone(&t, start.zone);
      times.push_back(t);
    }
    for (const icaltimetype& t : times) {
      if (IsExcluded(master, t)) continue;
      bool moved = false;
      for (icalcomponent* e : series.exceptions) moved = moved || SameTime(RecurrenceIdOf(e), t);
      if (!moved && !IsCancelled(master)) Emit(master, t, uid, OccurrenceId(t));
    }
    for (icalcomponent* e : series.exceptions) {
      const icaltimetype moved = icalcomponent_get_dtstart(e);
      if (!icaltime_is_null_time(moved) && !IsCancelled(e))
        Emit(e, moved, uid, OccurrenceId(RecurrenceIdOf(e)));
    }
  }

  std::vector<CalendarOccurrence> Take() { return std::move(found_); }

 private:
  void Emit(icalcomponent* event, icaltimetype start, const std::string& uid,
            const std::string& recurrenceId) {
    const auto day = Ordered(LocalStartOf(start).day);
    if (day < Ordered(first_)) return;
    if (!recurrenceId.empty() && day >= Ordered(end_)) return;
    found_.push_back({uid, recurrenceId, AppointmentOf(event, start)});
  }

  platform::Date first_, end_;
  std::vector<CalendarOccurrence> found_;
};

icalcomponent* FindEvent(icalcomponent* calendar, const std::string& uid, const std::string& recurrenceId) {
  icalcomponent* master = nullptr;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    const char* id = icalcomponent_get_uid(e);
    if (!id || uid != id) continue;
    const icaltimetype rid = RecurrenceIdOf(e);
    if (icaltime_is_null_time(rid)) {
      master = e;
      if (recurrenceId.empty()) return e;
    } else if (!recurrenceId.empty() && OccurrenceId(rid) == recurrenceId) {
      return e;
    }
  }
  if (recurrenceId.empty() || !master) return nullptr;
  // No exception yet for this occurrence: a copy of the series at that time, without
  // its rules, becomes one.
  icalcomponent* exception = icalcomponent_new_clone(master);
  for (icalproperty_kind k :
       {ICAL_RRULE_PROPERTY, ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY, ICAL_EXRULE_PROPERTY})
    RemoveAll(exception, k);
  const icaltimetype seriesStart = icalcomponent_get_dtstart(master);
  const icaltimetype occurrence = OccurrenceTime(recurrenceId, seriesStart);
  const int length = icaldurationtype_as_int(icalcomponent_get_duration(master));
  icalcomponent_add_property(exception,
                             InZoneOfSeries(icalproperty_new_recurrenceid(occurrence), occurrence, master));
  RemoveAll(exception, ICAL_DTEND_PROPERTY);
  RemoveAll(exception, ICAL_DURATION_PROPERTY);
  icalcomponent_set_dtstart(exception, occurrence);
  InZoneOfSeries(icalcomponent_get_first_property(exception, ICAL_DTSTART_PROPERTY), occurrence, master);
  icalcomponent_set_duration(exception, icaldurationtype_from_int(length));
  icalcomponent_add_component(calendar, exception);
  return exception;
}

void Apply(icalcomponent* calendar, icalcomponent* event, const Appointment& wanted) {
  const icaltimetype oldStart = icalcomponent_get_dtstart(event);
  const Appointment was = AppointmentOf(event, oldStart);
  bool changed = false;
  if (was.Text != wanted.Text) {
    icalcomponent_set_summary(event, SummaryOfText(wanted.Text).c_str());
    changed = true;
  }
  bool moved = false;
  if (was.DateText != wanted.DateText || was.Hour != wanted.Hour || was.Minute != wanted.Minute) {
    icaltimetype start;
    if (StartOf(wanted, start)) {
      moved = true;
      const icaldurationtype length = icalcomponent_get_duration(event);
      const bool timed = !oldStart.is_date;
      RemoveAll(event, ICAL_DTEND_PROPERTY);
      RemoveAll(event, ICAL_DURATION_PROPERTY);
      icalcomponent_set_dtstart(event, start);
      icalcomponent_set_duration(event, timed ? length : icaldurationtype_from_int(3600));
      AddZoneOf(calendar, start);
      changed = true;
    }
  }
  // Alarms are left alone unless the reminder changed, or the appointment moved under
  // our own "1 Tag" alarm, which is bound to 00:00 of its day.
  if (was.ReminderKind != wanted.ReminderKind || (moved && HasOwnDayAlarm(event))) {
    RemoveAlarms(event);
    AddAlarm(event, wanted);
    changed = true;
  }
  if (changed) {
    icalcomponent_set_sequence(event, icalcomponent_get_sequence(event) + 1);
    Stamp(event);
  }
}

}  // namespace

std::string NewEventUid() {
  return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString() + "@organclock";
}

std::string CalendarOfAppointment(const Appointment& appointment, const std::string& uid) {
  return CalendarOfAppointments({appointment}, {uid});
}

std::string CalendarOfAppointments(const AppointmentList& list, const std::vector<std::string>& uids) {
  Component calendar(NewCalendar());
  for (size_t i = 0; i < list.size() && i < uids.size(); ++i) AddEvent(calendar.get(), list[i], uids[i]);
  return Text(calendar.get());
}

std::vector<CalendarOccurrence> AppointmentsOfCalendar(std::string_view icalendar,
                                                       const platform::Date& today) {
  Component calendar = Parse(icalendar);
  if (!calendar) return {};
  // Events of one UID form a series: the one without RECURRENCE-ID and its exceptions.
  std::vector<std::pair<std::string, Series>> byUid;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
    const char* id = icalcomponent_get_uid(e);
    const std::string uid = id ? id : "";
    auto it = std::find_if(byUid.begin(), byUid.end(),
                           [&](const auto& s) { return s.first == uid && !uid.empty(); });
    if (it == byUid.end()) it = byUid.insert(byUid.end(), {uid, {}});
    if (icaltime_is_null_time(RecurrenceIdOf(e))) it->second.master = e;
    else it->second.exceptions.push_back(e);
  }
  Reader reader(today);
  for (const auto& [uid, series] : byUid) {
    if (series.master && (icalcomponent_get_first_property(series.master, ICAL_RRULE_PROPERTY) ||
                          icalcomponent_get_first_property(series.master, ICAL_RDATE_PROPERTY) ||
                          !series.exceptions.empty()))
      reader.Expand(series, uid);
    else if (series.master) reader.Single(series.master, uid);
    else
      for (icalcomponent* e : series.exceptions) reader.Single(e, uid);  // exceptions without their series
  }
  return reader.Take();
}

std::string EditedCalendar(std::string_view fetched, const CalendarOccurrence& changed) {
  Component calendar = Parse(fetched);
  if (!calendar) return std::string(fetched);
  icalcomponent* event = FindEvent(calendar.get(), changed.uid, changed.recurrenceId);
  if (!event) return std::string(fetched);
  Apply(calendar.get(), event, changed.appointment);
  return Text(calendar.get());
}

std::string CalendarWithoutOccurrence(std::string_view fetched, const std::string& recurrenceId) {
  Component calendar = Parse(fetched);
  if (!calendar || recurrenceId.empty()) return std::string(fetched);
  icalcomponent* master = nullptr;
  std::vector<icalcomponent*> drop;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
    const icaltimetype rid = RecurrenceIdOf(e);
    if (icaltime_is_null_time(rid)) master = e;
    else if (OccurrenceId(rid) == recurrenceId) drop.push_back(e);
  }
  if (!master) return std::string(fetched);
  for (icalcomponent* e : drop) {
    icalcomponent_remove_component(calendar.get(), e);
    icalcomponent_free(e);
  }
  const icaltimetype occurrence = OccurrenceTime(recurrenceId, icalcomponent_get_dtstart(master));
  icalcomponent_add_property(master,
                             InZoneOfSeries(icalproperty_new_exdate(occurrence), occurrence, master));
  icalcomponent_set_sequence(master, icalcomponent_get_sequence(master) + 1);
  Stamp(master);
  return Text(calendar.get());
}
