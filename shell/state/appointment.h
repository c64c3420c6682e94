#pragma once
// One appointment of the calendar, as kept in Term.dat.
#include <cstdint>
#include <string>
#include <vector>

struct Appointment {
  std::string DateText;     // "dd.mm.yyyy", Windows-1252
  int8_t Hour = 0;          // 0-23
  int8_t Minute = 0;        // 0, 5, ..., 55
  int8_t ReminderKind = 0;  // 0 none, 1 hour reminder, 2 day reminder
  std::string Text;         // Windows-1252

  bool operator==(const Appointment&) const = default;
};

using AppointmentList = std::vector<Appointment>;
