#pragma once
// What the last sync with the calendar left behind, kept in kalender.sync beside
// Term.dat: the server's sync token, each calendar object as last seen, and which
// appointment stands for which event (or occurrence of a series).
#include <string>
#include <string_view>
#include <vector>

#include "shell/state/appointment.h"

constexpr const char* kSyncStateFileName = "kalender.sync";

// One calendar object on the server.
struct SyncResource {
  std::string href;  // its path on the server
  std::string etag;  // empty while a write of ours awaits its answer
  std::string ics;
};

// One appointment tied to one event, or to one occurrence of a series.
struct SyncLink {
  std::string href;
  std::string uid;
  std::string recurrenceId;
  Appointment synced;  // the record both sides agreed on at the last sync
};

struct SyncState {
  std::string syncToken;
  std::vector<SyncResource> resources;
  std::vector<SyncLink> links;
};

// A text file of tab-separated lines; tabs, line ends and backslashes inside a field
// are written as \t, \r, \n and \\. Bytes are kept as they are (Windows-1252 texts,
// UTF-8 calendar objects).
std::string EncodeSyncState(const SyncState& state);
// Lines it does not know are skipped, so a damaged file loses only those lines.
SyncState DecodeSyncState(std::string_view text);
