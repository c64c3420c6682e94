#include "calendar/sync_plan.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "calendar/event_mapping.h"
#include "shell/state/date_text.h"

namespace {

bool Same(const Appointment& a, const Appointment& b) {
  return a.DateText == b.DateText && a.Hour == b.Hour && a.Minute == b.Minute &&
         a.ReminderKind == b.ReminderKind && a.Text == b.Text;
}

bool SameTime(const Appointment& a, const Appointment& b) {
  return a.DateText == b.DateText && a.Hour == b.Hour && a.Minute == b.Minute;
}

bool BeforeDay(const Appointment& a, const platform::Date& today) {
  platform::Date day;
  if (!ParseDateText(a.DateText, day)) return true;
  return std::tie(day.year, day.month, day.day) < std::tie(today.year, today.month, today.day);
}

struct ServerOccurrence {
  std::string href;
  CalendarOccurrence occurrence;
  bool tied = false;
};

class Planner {
 public:
  Planner(const AppointmentList& appointments, const std::vector<SyncResource>& server,
          const platform::Date& today)
      : list_(appointments), claimed_(appointments.size(), false), today_(today) {
    for (const SyncResource& r : server) {
      objects_[r.href] = r;
      for (CalendarOccurrence& o : AppointmentsOfCalendar(r.ics, today))
        occurrences_.push_back({r.href, std::move(o)});
    }
  }

  void Tied(const SyncLink& link) {
    ServerOccurrence* theirs = FindOccurrence(link);
    const std::optional<size_t> ours = FindOurs(link.synced);
    const bool serverChanged = !theirs || !Same(theirs->occurrence.appointment, link.synced);
    const bool localChanged = !ours || !Same(list_[*ours], link.synced);
    if (theirs) theirs->tied = true;
    if (ours) claimed_[*ours] = true;
    if (!theirs) {
      // Gone from the server (or moved out of the coming twelve months).
      if (ours && !localChanged) dropped_.push_back(*ours);
      if (ours && localChanged) claimed_[*ours] = false;  // goes up again as a new event
      return;
    }
    if (!ours) {
      if (BeforeDay(link.synced, today_)) return;  // past, not deleted by the user
      if (serverChanged) {
        AddToList(theirs->occurrence.appointment);
        Keep(link, theirs->occurrence.appointment);
        return;
      }
      DeleteOnServer(link);
      return;
    }
    if (!serverChanged && !localChanged) {
      Keep(link, link.synced);
    } else if (!localChanged) {
      list_[*ours] = theirs->occurrence.appointment;
      Keep(link, theirs->occurrence.appointment);
    } else if (!serverChanged) {
      Edit(link.href, {link.uid, link.recurrenceId, list_[*ours]});
      Keep(link, list_[*ours]);
    } else if (Same(list_[*ours], theirs->occurrence.appointment)) {
      Keep(link, list_[*ours]);  // both made the same change
    } else {
      KeepBothVersions(list_, *ours, theirs->occurrence.appointment);
      claimed_[*ours] = false;
      claimed_.resize(list_.size(), true);
      Keep(link, theirs->occurrence.appointment);
    }
  }

  void Untied(std::string (*newUid)(), const std::string& folder) {
    for (size_t i = 0; i < list_.size(); ++i) {
      if (claimed_[i] || BeforeDay(list_[i], today_)) continue;
      claimed_[i] = true;
      auto match = std::find_if(occurrences_.begin(), occurrences_.end(), [&](const ServerOccurrence& o) {
        return !o.tied && SameTime(o.occurrence.appointment, list_[i]) &&
               o.occurrence.appointment.Text == list_[i].Text;
      });
      if (match != occurrences_.end()) {
        match->tied = true;
        Keep({match->href, match->occurrence.uid, match->occurrence.recurrenceId, {}},
             match->occurrence.appointment);
        continue;
      }
      const std::string uid = newUid();
      const std::string href = folder + uid + ".ics";
      objects_[href] = {href, "", CalendarOfAppointment(list_[i], uid)};
      writes_.push_back({CalendarWrite::Kind::Put, href, "", objects_[href].ics});
      Keep({href, uid, "", {}}, list_[i]);
    }
    for (ServerOccurrence& o : occurrences_) {
      if (o.tied) continue;
      o.tied = true;
      AddToList(o.occurrence.appointment);
      Keep({o.href, o.occurrence.uid, o.occurrence.recurrenceId, {}}, o.occurrence.appointment);
    }
  }

  SyncPlan Finish(const std::string& syncToken) {
    for (const auto& [href, ics] : edited_)
      writes_.push_back({CalendarWrite::Kind::Put, href, objects_[href].etag, ics});
    SyncPlan plan;
    std::sort(dropped_.rbegin(), dropped_.rend());
    for (size_t i : dropped_) list_.erase(list_.begin() + static_cast<long>(i));
    plan.appointments = std::move(list_);
    plan.writes = std::move(writes_);
    plan.state.syncToken = syncToken;
    for (const CalendarWrite& w : plan.writes)
      if (w.kind == CalendarWrite::Kind::Put) objects_[w.href] = {w.href, "", w.ics};
    for (const CalendarWrite& w : plan.writes)
      if (w.kind == CalendarWrite::Kind::Delete) objects_.erase(w.href);
    for (auto& [href, object] : objects_) plan.state.resources.push_back(object);
    plan.state.links = std::move(links_);
    return plan;
  }

 private:
  ServerOccurrence* FindOccurrence(const SyncLink& link) {
    for (ServerOccurrence& o : occurrences_)
      if (!o.tied && o.href == link.href && o.occurrence.uid == link.uid &&
          o.occurrence.recurrenceId == link.recurrenceId)
        return &o;
    return nullptr;
  }

  // The appointment as synced, or one at its day and time whose text or reminder changed.
  std::optional<size_t> FindOurs(const Appointment& synced) {
    for (size_t i = 0; i < list_.size(); ++i)
      if (!claimed_[i] && Same(list_[i], synced)) return i;
    for (size_t i = 0; i < list_.size(); ++i)
      if (!claimed_[i] && SameTime(list_[i], synced)) return i;
    return std::nullopt;
  }

  void AddToList(const Appointment& a) {
    list_.push_back(a);
    claimed_.push_back(true);
  }

  void Keep(SyncLink link, const Appointment& agreed) {
    link.synced = agreed;
    links_.push_back(std::move(link));
  }

  std::string& Working(const std::string& href) {
    auto it = edited_.find(href);
    if (it == edited_.end()) it = edited_.emplace(href, objects_[href].ics).first;
    return it->second;
  }

  void Edit(const std::string& href, const CalendarOccurrence& changed) {
    Working(href) = EditedCalendar(Working(href), changed);
  }

  void DeleteOnServer(const SyncLink& link) {
    if (!link.recurrenceId.empty()) {
      Working(link.href) = CalendarWithoutOccurrence(Working(link.href), link.recurrenceId);
      return;
    }
    writes_.push_back({CalendarWrite::Kind::Delete, link.href, objects_[link.href].etag, ""});
  }

  AppointmentList list_;
  std::vector<bool> claimed_;
  platform::Date today_;
  std::map<std::string, SyncResource> objects_;
  std::vector<ServerOccurrence> occurrences_;
  std::map<std::string, std::string> edited_;
  std::vector<CalendarWrite> writes_;
  std::vector<size_t> dropped_;
  std::vector<SyncLink> links_;
};

}  // namespace

void KeepBothVersions(AppointmentList& appointments, size_t /*ours*/, const Appointment& theirs) {
  appointments.push_back(theirs);
}

SyncPlan PlanSync(const AppointmentList& appointments, const SyncState& last,
                  const std::vector<SyncResource>& server, const platform::Date& today,
                  std::string (*newUid)(), const std::string& newHrefFolder) {
  Planner planner(appointments, server, today);
  for (const SyncLink& link : last.links) planner.Tied(link);
  planner.Untied(newUid, newHrefFolder);
  return planner.Finish(last.syncToken);
}
