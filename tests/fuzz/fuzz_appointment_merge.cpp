// Term.dat merge: any three files (the input split at two 0xFF bytes) give a merge that
// loses nothing either side added, keeps an unchanged side's view, and holds only
// records of the two sides.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "appointments/appointment_file.h"
#include "appointments/appointment_merge.h"

namespace {

std::map<std::string, int> Counts(const AppointmentList& list) {
  std::map<std::string, int> counts;
  for (const Appointment& a : list) ++counts[EncodeAppointments({a})];
  return counts;
}

int CountOf(const std::map<std::string, int>& counts, const std::string& key) {
  const auto it = counts.find(key);
  return it == counts.end() ? 0 : it->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t first = input.find('\xff');
  const size_t second = first == std::string_view::npos ? first : input.find('\xff', first + 1);
  const AppointmentList base = DecodeAppointments(input.substr(0, first));
  const AppointmentList mine = first == std::string_view::npos
                                   ? base
                                   : DecodeAppointments(input.substr(first + 1, second - first - 1));
  const AppointmentList theirs =
      second == std::string_view::npos ? mine : DecodeAppointments(input.substr(second + 1));

  const AppointmentList merged = MergeAppointments(base, mine, theirs);
  const auto b = Counts(base), m = Counts(mine), t = Counts(theirs), r = Counts(merged);
  for (const auto& [key, count] : r)
    if (!m.count(key) && !t.count(key)) std::abort();  // from nowhere
  for (const auto* side : {&m, &t})
    for (const auto& [key, count] : *side)
      if (CountOf(r, key) < count - CountOf(b, key)) std::abort();  // an addition lost
  // A side that changed nothing takes the other side's list as it is.
  if (Counts(MergeAppointments(base, base, theirs)) != t) std::abort();
  if (EncodeAppointments(MergeAppointments(base, mine, base)) != EncodeAppointments(mine)) std::abort();
  // The same change on both sides is that change.
  if (Counts(MergeAppointments(base, mine, mine)) != m) std::abort();
  return 0;
}
