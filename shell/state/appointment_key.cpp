#include "shell/state/appointment_key.h"

namespace {

bool SameKeyFields(const Appointment& a, const Appointment& b) {
  return a.DateText == b.DateText && a.Hour == b.Hour && a.Minute == b.Minute && a.Text == b.Text;
}

bool Names(const AppointmentKey& key, const Appointment& a) {
  return a.DateText == key.DateText && a.Hour == key.Hour && a.Minute == key.Minute && a.Text == key.Text;
}

}  // namespace

AppointmentKey KeyOf(const AppointmentList& list, size_t index) {
  const Appointment& a = list[index];
  AppointmentKey key{a.DateText, a.Hour, a.Minute, a.Text, 0};
  for (size_t i = 0; i < index; ++i)
    if (SameKeyFields(list[i], a)) ++key.Duplicate;
  return key;
}

int FindByKey(const AppointmentList& list, const std::optional<AppointmentKey>& key) {
  if (!key) return -1;
  int before = key->Duplicate;
  for (size_t i = 0; i < list.size(); ++i)
    if (Names(*key, list[i]) && before-- == 0) return static_cast<int>(i);
  return -1;
}
