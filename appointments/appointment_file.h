#pragma once
// The bytes of Term.dat: per record the date text and CR LF, three raw bytes (hour,
// minute, reminder kind) with no line end after them, then the text and CR LF. No
// header, no count; an empty list is an empty file.
#include <string>
#include <string_view>

#include "shell/state/appointment.h"

std::string EncodeAppointments(const AppointmentList& list);
// Never fails: a file cut inside a record gives a last record with 0 and empty parts,
// and stray bytes at the end start one more record.
AppointmentList DecodeAppointments(std::string_view bytes);
