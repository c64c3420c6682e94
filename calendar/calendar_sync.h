#pragma once
// Keeps the appointment list and one CalDAV calendar in step. The connection is read
// from kalender.ini in the working directory ([Kalender] Adresse=, Benutzer=). Requests
// are asynchronous on the main thread; their answers arrive while the main loop waits.
#include <string>

constexpr const char* kCalendarSettingsFileName = "kalender.ini";

// Called on every pass of the main loop: starts a sync when one is due (at start-up and
// every 5 minutes, after a failure with growing pauses). Costs nothing without a calendar.
void RunCalendarStep();
// The list was saved: a sync follows a few seconds later, so that a burst of changes
// is sent as one.
void CalendarListChanged();
// "Jetzt abgleichen": a sync now; what goes wrong is shown in a "Fehler" box.
void SyncCalendarNow();
// True while requests of a sync are under way.
bool CalendarSyncRunning();
// Requests sent since the program started (for the benchmark).
int CalendarRequestCount();
// One German line on how the last sync went (empty before the first).
std::string CalendarSyncStatus();
// Address and user in kalender.ini (UTF-8); empty without a connection.
struct CalendarConnection {
  std::string address;
  std::string user;
};
CalendarConnection ReadCalendarConnection();
// Connects this calendar collection: kalender.ini is written (another calendar than
// before starts from a fresh sync state), the password is kept for this run and a sync
// starts whose problems are reported as if the user had asked.
void ConnectCalendar(const std::string& collection, const std::string& user, const std::string& password);
// "Trennen": kalender.ini and the sync state go; every appointment stays in Term.dat.
void DisconnectCalendar();
// Forgets the connection read at start-up, so the next step reads kalender.ini again.
void ResetCalendarSync();
