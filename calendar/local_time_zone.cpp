#include "calendar/local_time_zone.h"

#include <libical/ical.h>

#include <QByteArray>
#include <QTimeZone>
#include <vector>

#include "platform/clock.h"

namespace {

// The last moment an observance (STANDARD or DAYLIGHT) begins: the end of its rule, or
// its latest start; an open-ended rule never stops.
icaltimetype LastOnset(icalcomponent* observance) {
  icaltimetype last = icalcomponent_get_dtstart(observance);
  for (icalproperty* p = icalcomponent_get_first_property(observance, ICAL_RDATE_PROPERTY); p;
       p = icalcomponent_get_next_property(observance, ICAL_RDATE_PROPERTY)) {
    const icaltimetype t = icalproperty_get_rdate(p).time;
    if (!icaltime_is_null_time(t) && icaltime_compare(t, last) > 0) last = t;
  }
  if (icalproperty* rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY)) {
    const icalrecurrencetype r = icalproperty_get_rrule(rule);
    if (icaltime_is_null_time(r.until) && r.count == 0) {
      icaltimetype never = icaltime_null_time();
      never.year = 9999;
      never.month = never.day = 1;
      return never;
    }
    if (!icaltime_is_null_time(r.until) && icaltime_compare(r.until, last) > 0) last = r.until;
  }
  return last;
}

// libical's VTIMEZONE of a system zone carries its history since the 19th century;
// every event we send would carry it too. Observances that ended over a year ago go,
// except the last of them, which says what holds since.
void DropPastObservances(icalcomponent* vtimezone) {
  icaltimetype cutoff = icaltime_null_time();
  cutoff.year = platform::Now().year - 1;
  cutoff.month = cutoff.day = 1;
  std::vector<icalcomponent*> past;
  icalcomponent* latestPast = nullptr;
  for (icalcomponent* c = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT); c;
       c = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
    if (icaltime_compare(LastOnset(c), cutoff) >= 0) continue;
    past.push_back(c);
    if (!latestPast || icaltime_compare(LastOnset(c), LastOnset(latestPast)) > 0) latestPast = c;
  }
  for (icalcomponent* c : past) {
    if (c == latestPast) continue;
    icalcomponent_remove_component(vtimezone, c);
    icalcomponent_free(c);
  }
}

_icaltimezone* Load() {
  const QByteArray id = QTimeZone::systemTimeZoneId();
  if (id == "UTC" || id == "Etc/UTC") return icaltimezone_get_utc_timezone();
  icaltimezone* builtin = icaltimezone_get_builtin_timezone(id.constData());
  if (!builtin) return nullptr;
  icalcomponent* vtimezone = icalcomponent_new_clone(icaltimezone_get_component(builtin));
  // Named as the system names it, without libical's prefix, as other programs do.
  if (icalproperty* tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY))
    icalproperty_set_tzid(tzid, id.constData());
  DropPastObservances(vtimezone);
  icaltimezone* zone = icaltimezone_new();
  if (!icaltimezone_set_component(zone, vtimezone)) {
    icaltimezone_free(zone, 1);
    icalcomponent_free(vtimezone);
    return builtin;
  }
  return zone;
}

}  // namespace

_icaltimezone* LocalTimeZone() {
  static _icaltimezone* const zone = Load();  // kept for the whole run
  return zone;
}
