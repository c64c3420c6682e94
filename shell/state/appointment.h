#pragma once
// One appointment of the calendar, as kept in Term.dat.
#include <cstdint>
#include <string>
#include <vector>

// The reminder a record asks for. Term.dat keeps it as one byte; a byte of any other
// value is kept as it is and written back unchanged, and reminds of nothing.
enum class ReminderKind : int8_t { None = 0, Hour = 1, Day = 2 };

inline int ReminderByte(ReminderKind kind) { return static_cast<int>(kind); }

struct Appointment {
  std::string DateText;  // "dd.mm.yyyy", Windows-1252
  int8_t Hour = 0;       // 0-23
  int8_t Minute = 0;     // 0, 5, ..., 55
  ::ReminderKind ReminderKind = ::ReminderKind::None;
  std::string Text;  // Windows-1252

  bool operator==(const Appointment&) const = default;
};

using AppointmentList = std::vector<Appointment>;
