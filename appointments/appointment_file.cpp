#include "appointments/appointment_file.h"

#include "shell/state/byte_reader.h"

std::string EncodeAppointments(const AppointmentList& list) {
  std::string out;
  size_t size = 0;
  for (const Appointment& a : list) size += a.DateText.size() + a.Text.size() + 7;
  out.reserve(size);
  for (const Appointment& a : list) {
    out += a.DateText;
    out += "\r\n";
    out += static_cast<char>(a.Hour);
    out += static_cast<char>(a.Minute);
    out += static_cast<char>(ReminderByte(a.ReminderKind));
    out += a.Text;
    out += "\r\n";
  }
  return out;
}

AppointmentList DecodeAppointments(std::string_view bytes) {
  AppointmentList list;
  ByteReader reader(bytes);
  while (!reader.AtEnd()) {
    Appointment& a = list.emplace_back();
    a.DateText = reader.ReadLine();
    // The byte fields are read raw: an hour of 13 or a minute of 10 is CR or LF here.
    a.Hour = reader.ReadInt8();
    a.Minute = reader.ReadInt8();
    a.ReminderKind = static_cast<ReminderKind>(reader.ReadInt8());
    a.Text = reader.ReadLine();
  }
  return list;
}
