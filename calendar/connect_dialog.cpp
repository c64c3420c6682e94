#include "calendar/connect_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/calendar_discovery.h"
#include "calendar/calendar_sync.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/tray.h"
#include "shell/state/identifiers.h"

namespace {

struct CalendarDialog {
  QPointer<QDialog> window;
  QLineEdit* address = nullptr;
  QLineEdit* user = nullptr;
  QLineEdit* password = nullptr;
  QComboBox* calendars = nullptr;
  QLabel* status = nullptr;
  QString searchedAddress;  // the address whose calendars fill the choice
  bool searching = false;
};

CalendarDialog& Dialog() {
  static CalendarDialog dialog;
  return dialog;
}

void SetStatus(const std::string& text) {
  if (Dialog().window) Dialog().status->setText(QString::fromStdString(text));
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
  CalendarDialog& d = Dialog();
  if (RefusedWhileSyncing()) return;
  const QString collection = d.calendars->currentData().toString();
  SetStatus("Verbunden; der Kalender wird abgeglichen.");
  ConnectCalendar(collection.toStdString(), d.user->text().trimmed().toStdString(),
                  d.password->text().toStdString());
}

void Connect() {
  CalendarDialog& d = Dialog();
  if (d.searching || RefusedWhileSyncing()) return;
  const QString address = d.address->text().trimmed();
  if (address == d.searchedAddress && d.calendars->count() > 0) {
    ConnectChosen();
    return;
  }
  d.calendars->clear();
  d.calendars->setEnabled(false);
  d.searching = true;
  SetStatus("Kalender werden gesucht …");
  const DavLogin login{d.user->text().trimmed(), d.password->text()};
  FindCalendars(QUrl::fromUserInput(address), login,
                [address](const std::string& problem, const std::vector<FoundCalendar>& found) {
                  CalendarDialog& c = Dialog();
                  c.searching = false;
                  if (!c.window) return;
                  if (!problem.empty()) {
                    Report(problem);
                    return;
                  }
                  c.searchedAddress = address;
                  for (const FoundCalendar& calendar : found)
                    c.calendars->addItem(calendar.name, calendar.url.toString());
                  c.calendars->setEnabled(found.size() > 1);
                  if (found.size() == 1) ConnectChosen();
                  else SetStatus("Mehrere Kalender gefunden: bitte einen wählen und „Verbinden“ drücken.");
                });
}

void Disconnect() {
  CalendarDialog& d = Dialog();
  DisconnectCalendar();
  d.calendars->clear();
  d.searchedAddress.clear();
  d.password->clear();
  ShowCalendarStatus("Getrennt; alle Termine bleiben erhalten.", false);
}

QDialog* Build() {
  CalendarDialog& d = Dialog();
  auto* window = new QDialog;
  window->setObjectName("KalenderVerbinden");
  window->setWindowTitle(QString::fromUtf8("Kalender verbinden"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* form = new QFormLayout;
  const auto field = [&](const char* name, const char* label, QWidget* widget) {
    widget->setObjectName(name);
    form->addRow(QString::fromUtf8(label), widget);
  };
  field("Adresse", "&Adresse", d.address = new QLineEdit);
  field("Benutzer", "&Benutzer", d.user = new QLineEdit);
  field("Passwort", "&Passwort", d.password = new QLineEdit);
  field("Kalender", "&Kalender", d.calendars = new QComboBox);
  d.password->setEchoMode(QLineEdit::Password);
  d.calendars->setEnabled(false);
  d.status = new QLabel;
  d.status->setObjectName("Status");
  d.status->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const char* label, void (*pressed)()) {
    auto* b = new QPushButton(QString::fromUtf8(label));
    b->setObjectName(name);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, pressed);
    buttons->addWidget(b);
    return b;
  };
  button("Verbinden", "&Verbinden", Connect)->setDefault(true);
  button("Trennen", "&Trennen", Disconnect);
  button("Abbrechen", "Abbrechen", [] { Dialog().window->close(); });
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(form);
  layout->addWidget(d.status);
  layout->addLayout(buttons);

  const CalendarConnection now = ReadCalendarConnection();
  d.address->setText(QString::fromStdString(now.address));
  d.user->setText(QString::fromStdString(now.user));
  d.searchedAddress.clear();
  d.status->setText(QString::fromStdString(CalendarSyncStatus()));
  return window;
}

}  // namespace

void OpenCalendarDialog() {
  CalendarDialog& d = Dialog();
  if (!d.window) d.window = Build();
  d.window->show();
  d.window->raise();
  d.window->activateWindow();
}

void ShowCalendarStatus(const std::string& status, bool isProblem) {
  SetStatus(status);
  platform::SetTrayIconStatus(kTrayIcon, isProblem ? platform::Cp1252(status) : "");
}

bool CalendarSearchRunning() { return Dialog().searching; }
