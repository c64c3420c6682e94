#include "calendar/sync_state.h"

#include <cstdlib>

namespace {

std::string Escaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Unescaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char next = field[++i];
    out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return out;
}

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
    fields.push_back(Unescaped(line.substr(start, tab - start)));
  fields.push_back(Unescaped(line.substr(start)));
  return fields;
}

int8_t SmallNumber(const std::string& s) { return static_cast<int8_t>(std::atoi(s.c_str())); }

}  // namespace

std::string EncodeSyncState(const SyncState& state) {
  std::string out = "T\t" + Escaped(state.syncToken) + "\n";
  for (const SyncResource& r : state.resources)
    out += "R\t" + Escaped(r.href) + "\t" + Escaped(r.etag) + "\t" + Escaped(r.ics) + "\n";
  for (const SyncLink& l : state.links) {
    const Appointment& a = l.synced;
    out += "L\t" + Escaped(l.href) + "\t" + Escaped(l.uid) + "\t" + Escaped(l.recurrenceId) + "\t" +
           Escaped(a.DateText) + "\t" + std::to_string(a.Hour) + "\t" + std::to_string(a.Minute) + "\t" +
           std::to_string(ReminderByte(a.ReminderKind)) + "\t" + Escaped(a.Text) + "\n";
  }
  return out;
}

SyncState DecodeSyncState(std::string_view text) {
  SyncState state;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::vector<std::string> f = Fields(text.substr(start, end - start));
    start = end + 1;
    if (f[0] == "T" && f.size() == 2) {
      state.syncToken = f[1];
    } else if (f[0] == "R" && f.size() == 4) {
      state.resources.push_back({f[1], f[2], f[3]});
    } else if (f[0] == "L" && f.size() == 9) {
      state.links.push_back({f[1],
                             f[2],
                             f[3],
                             {f[4], SmallNumber(f[5]), SmallNumber(f[6]),
                              static_cast<ReminderKind>(SmallNumber(f[7])), f[8]}});
    }
  }
  return state;
}
