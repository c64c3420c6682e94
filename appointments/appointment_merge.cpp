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

// Records are looked up where they lie in the three lists; no key is built.
struct RecordHash {
  size_t operator()(const Appointment* a) const {
    size_t h = std::hash<std::string>()(a->DateText);
    h = h * 31 + std::hash<std::string>()(a->Text);
    return h * 31 + ((static_cast<uint8_t>(a->Hour) << 16) | (static_cast<uint8_t>(a->Minute) << 8) |
                     static_cast<uint8_t>(a->ReminderKind));
  }
};
struct SameRecord {
  bool operator()(const Appointment* a, const Appointment* b) const { return *a == *b; }
};

}  // namespace

AppointmentList MergeAppointments(const AppointmentList& base, const AppointmentList& mine,
                                  const AppointmentList& theirs) {
  std::unordered_map<const Appointment*, Counts, RecordHash, SameRecord> counts;
  counts.reserve(base.size() + mine.size() + theirs.size());
  for (const Appointment& a : base) ++counts[&a].base;
  for (const Appointment& a : mine) ++counts[&a].mine;
  for (const Appointment& a : theirs) ++counts[&a].theirs;
  AppointmentList merged;
  merged.reserve(std::max(mine.size(), theirs.size()));
  for (const AppointmentList* side : {&mine, &theirs}) {
    for (const Appointment& a : *side) {
      Counts& c = counts[&a];
      if (c.emitted >= c.Merged()) continue;
      ++c.emitted;
      merged.push_back(a);
    }
  }
  return merged;
}
