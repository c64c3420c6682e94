#include "calendar/connect_dialog.h"

#include <QString>
#include <QUrl>

#include "calendar/calendar_discovery.h"
#include "calendar/calendar_sync.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/form_window.h"
#include "platform/tray.h"
#include "platform/windows.h"
#include "shell/state/identifiers.h"

namespace {

struct CalendarDialog {
  std::string searchedAddress;  // the address whose calendars fill the choice
  bool searching = false;
};

CalendarDialog& Dialog() {
  static CalendarDialog dialog;
  return dialog;
}

bool IsOpen() { return platform::WindowExists(kCalendarWindow); }

void SetStatus(const std::string& text) {
  if (IsOpen()) platform::SetControlText(kCtlCalendarStatus, platform::Cp1252(text));
}

std::string Trimmed(int field) {
  return QString::fromStdString(platform::FormFieldValue(field)).trimmed().toStdString();
}

// The user pressed a button: what is wrong comes as a box too.
void Report(const std::string& problem) {
  SetStatus(problem);
  platform::ShowMessageBox("Fehler", platform::Cp1252(problem), platform::MessageIcon::Error);
}

// A connection made during a sync would lose what that sync is sending.
bool RefusedWhileSyncing() {
  if (!CalendarSyncRunning()) return false;
  SetStatus("Ein Abgleich läuft; bitte danach noch einmal „Verbinden“ drücken.");
  return true;
}

void ConnectChosen() {
  if (RefusedWhileSyncing()) return;
  SetStatus("Verbunden; der Kalender wird abgeglichen.");
  ConnectCalendar(platform::FormChoiceValue(kCtlCalendarChoice), Trimmed(kCtlCalendarUser),
                  platform::FormFieldValue(kCtlCalendarPassword));
}

void Connect() {
  CalendarDialog& d = Dialog();
  if (d.searching || RefusedWhileSyncing()) return;
  const std::string address = Trimmed(kCtlCalendarAddress);
  if (address == d.searchedAddress && platform::FormChoiceCount(kCtlCalendarChoice) > 0) {
    ConnectChosen();
    return;
  }
  platform::SetFormChoices(kCtlCalendarChoice, {});
  platform::EnableControl(kCtlCalendarChoice, false);
  d.searching = true;
  SetStatus("Kalender werden gesucht …");
  const DavLogin login{QString::fromStdString(Trimmed(kCtlCalendarUser)),
                       QString::fromStdString(platform::FormFieldValue(kCtlCalendarPassword))};
  FindCalendars(QUrl::fromUserInput(QString::fromStdString(address)), login,
                [address](const std::string& problem, const std::vector<FoundCalendar>& found) {
                  CalendarDialog& c = Dialog();
                  c.searching = false;
                  if (!IsOpen()) return;
                  if (!problem.empty()) {
                    Report(problem);
                    return;
                  }
                  c.searchedAddress = address;
                  std::vector<std::pair<std::string, std::string>> items;
                  for (const FoundCalendar& calendar : found)
                    items.emplace_back(calendar.name.toStdString(), calendar.url.toString().toStdString());
                  platform::SetFormChoices(kCtlCalendarChoice, items);
                  platform::EnableControl(kCtlCalendarChoice, found.size() > 1);
                  if (found.size() == 1) ConnectChosen();
                  else SetStatus("Mehrere Kalender gefunden: bitte einen wählen und „Verbinden“ drücken.");
                });
}

void Disconnect() {
  DisconnectCalendar();
  platform::SetFormChoices(kCtlCalendarChoice, {});
  Dialog().searchedAddress.clear();
  platform::SetFormFieldValue(kCtlCalendarPassword, "");
  ShowCalendarStatus("Getrennt; alle Termine bleiben erhalten.", false);
}

void Build() {
  using platform::FormFieldKind;
  const auto w = [](const char* utf8) { return platform::Cp1252(utf8); };
  platform::CreateFormWindow(kCalendarWindow,
                             {"KalenderVerbinden",
                              w("Kalender verbinden"),
                              {{kCtlCalendarAddress, "Adresse", w("&Adresse"), FormFieldKind::Text},
                               {kCtlCalendarUser, "Benutzer", w("&Benutzer"), FormFieldKind::Text},
                               {kCtlCalendarPassword, "Passwort", w("&Passwort"), FormFieldKind::Password},
                               {kCtlCalendarChoice, "Kalender", w("&Kalender"), FormFieldKind::Choice}},
                              kCtlCalendarStatus,
                              "Status",
                              {{kCtlCalendarConnect, "Verbinden", w("&Verbinden"), Connect, true},
                               {kCtlCalendarDisconnect, "Trennen", w("&Trennen"), Disconnect},
                               {kCtlCalendarCancel, "Abbrechen", w("Abbrechen"),
                                [] { platform::CloseFormWindow(kCalendarWindow); }}}});
  platform::EnableControl(kCtlCalendarChoice, false);
  const CalendarConnection now = ReadCalendarConnection();
  platform::SetFormFieldValue(kCtlCalendarAddress, now.address);
  platform::SetFormFieldValue(kCtlCalendarUser, now.user);
  Dialog().searchedAddress.clear();
  SetStatus(CalendarSyncStatus());
}

}  // namespace

void OpenCalendarDialog() {
  if (!IsOpen()) Build();
  platform::ShowWindow(kCalendarWindow);
  platform::BringWindowToFront(kCalendarWindow);
}

void ShowCalendarStatus(const std::string& status, bool isProblem) {
  SetStatus(status);
  platform::SetTrayIconStatus(kTrayIcon, isProblem ? platform::Cp1252(status) : "");
}

bool CalendarSearchRunning() { return Dialog().searching; }
