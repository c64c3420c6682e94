#pragma once
// The identity of a record in memory: which appointment the editor holds, whatever its
// position in the list. Term.dat knows nothing of it.
#include <optional>
#include <string>

#include "shell/state/appointment.h"

struct AppointmentKey {
  std::string DateText;
  int8_t Hour = 0;
  int8_t Minute = 0;
  std::string Text;
  int Duplicate = 0;  // how many records equal in all of the above come before it

  bool operator==(const AppointmentKey&) const = default;
};

// The key of list[index]; index must be a position of the list.
AppointmentKey KeyOf(const AppointmentList& list, size_t index);
// The position of the record `key` names, or -1 when the list holds none.
int FindByKey(const AppointmentList& list, const std::optional<AppointmentKey>& key);
