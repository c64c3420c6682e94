// Term.dat reader: any bytes give a list; the list written and read again is the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "appointments/appointment_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const AppointmentList first = DecodeAppointments(bytes);
  const std::string written = EncodeAppointments(first);
  const AppointmentList second = DecodeAppointments(written);
  if (second.size() != first.size()) std::abort();
  for (size_t i = 0; i < first.size(); ++i) {
    const Appointment& a = first[i];
    const Appointment& b = second[i];
    if (a.DateText != b.DateText || a.Hour != b.Hour || a.Minute != b.Minute ||
        a.ReminderKind != b.ReminderKind || a.Text != b.Text)
      std::abort();
  }
  if (EncodeAppointments(second) != written) std::abort();
  return 0;
}
