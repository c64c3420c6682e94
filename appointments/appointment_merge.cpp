#include "appointments/appointment_merge.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {

struct Counts {
  uint32_t base = 0, mine = 0, theirs = 0, emitted = 0;
  uint32_t Merged() const {
    if (mine == base) return theirs;
    if (theirs == base) return mine;
    return std::max(mine, theirs);
  }
};

// All fields in one string; the date text's length first so that no two records share
// a key whatever bytes their texts hold.
std::string RecordKey(const Appointment& a) {
  std::string key = std::to_string(a.DateText.size());
  key += ':';
  key += a.DateText;
  key += static_cast<char>(a.Hour);
  key += static_cast<char>(a.Minute);
  key += static_cast<char>(a.ReminderKind);
  key += a.Text;
  return key;
}

}  // namespace

AppointmentList MergeAppointments(const AppointmentList& base, const AppointmentList& mine,
                                  const AppointmentList& theirs) {
  std::unordered_map<std::string, Counts> counts;
  counts.reserve(base.size() + mine.size() + theirs.size());
  for (const Appointment& a : base) ++counts[RecordKey(a)].base;
  for (const Appointment& a : mine) ++counts[RecordKey(a)].mine;
  for (const Appointment& a : theirs) ++counts[RecordKey(a)].theirs;
  AppointmentList merged;
  merged.reserve(std::max(mine.size(), theirs.size()));
  for (const AppointmentList* side : {&mine, &theirs}) {
    for (const Appointment& a : *side) {
      Counts& c = counts[RecordKey(a)];
      if (c.emitted >= c.Merged()) continue;
      ++c.emitted;
      merged.push_back(a);
    }
  }
  return merged;
}
