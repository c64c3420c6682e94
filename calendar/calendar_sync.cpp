#include "calendar/calendar_sync.h"

#include <QNetworkReply>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "appointments/appointment_file.h"
#include "appointments/appointment_list.h"
#include "calendar/calendar_password.h"
#include "calendar/connect_dialog.h"
#include "calendar/dav_request.h"
#include "calendar/event_mapping.h"
#include "calendar/sync_plan.h"
#include "calendar/sync_state.h"
#include "calendar/webdav_answers.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"

namespace {

using std::chrono::seconds;

constexpr auto kSyncInterval = seconds(5 * 60);
constexpr auto kAfterChange = seconds(3);
constexpr auto kFirstRetry = seconds(30);
constexpr auto kLongestRetry = seconds(30 * 60);
// A 412 means the server changed an object under our write: one more sync merges it.
constexpr int kMostRoundsPerSync = 3;
// More changed objects than this are fetched with one query for the whole calendar: some
// servers (Xandikos) answer a multiget in a time that grows with the square of its hrefs.
constexpr size_t kMostInMultiget = 50;

enum class Phase { Unread, NotConnected, Idle, Password, Listing, Fetching, Writing };

struct CalendarSync {
  Phase phase = Phase::Unread;
  QUrl collection;
  DavLogin login;
  bool userAsked = false;
  int rounds = 0;
  platform::SteadyTime due{};
  std::chrono::seconds retryPause = kFirstRetry;
  std::string status;
  SyncState last;
  std::string nextToken;  // the server's token for what this sync sees; kept once it is done
  SyncPlan plan;
  size_t nextWrite = 0;
  std::set<std::string> refused;  // hrefs whose write the server did not take
  bool conflict = false;
  int requests = 0;
  bool changedWhileRunning = false;
  bool askedWhileRunning = false;   // "Jetzt abgleichen" during a sync: another one right after
  QPointer<QNetworkReply> current;  // the request under way; a sync sends one at a time
  bool applying = false;            // our own save of what the server sent is no change to send
  // The list as the last whole sync left it, both sides in step; none when unknown.
  std::optional<std::string> listInStep;
};

CalendarSync& Sync() {
  static CalendarSync sync;
  return sync;
}

void ReadConnection() {
  CalendarSync& s = Sync();
  s.phase = Phase::NotConnected;
  if (!platform::FileExists(kCalendarSettingsFileName)) return;
  QSettings ini(QString::fromStdString(kCalendarSettingsFileName), QSettings::IniFormat);
  const QUrl url(ini.value("Kalender/Adresse").toString().trimmed());
  if (!url.isValid() || url.isEmpty()) return;
  s.collection = url;
  if (!s.collection.path().endsWith('/')) s.collection.setPath(s.collection.path() + '/');
  s.login.user = ini.value("Kalender/Benutzer").toString();
  std::string bytes;
  if (platform::ReadWholeFile(kSyncStateFileName, bytes)) s.last = DecodeSyncState(bytes);
  s.phase = Phase::Idle;
  s.due = platform::SteadyNow();
}

void Finish(const std::string& problem) {
  CalendarSync& s = Sync();
  s.phase = Phase::Idle;
  const bool askedByUser = s.userAsked;
  s.userAsked = false;
  if (problem.empty()) {
    s.status = "Kalender abgeglichen.";
    s.retryPause = kFirstRetry;
    s.due = platform::SteadyNow() + (s.changedWhileRunning ? kAfterChange : kSyncInterval);
    s.changedWhileRunning = false;
  } else {
    s.status = problem;
    s.due = platform::SteadyNow() + s.retryPause;
    s.retryPause = std::min(s.retryPause * 2, kLongestRetry);
  }
  if (s.askedWhileRunning) s.due = platform::SteadyNow();
  if (problem.empty()) return;
  if (askedByUser)
    platform::ShowMessageBox("Fehler", platform::Cp1252(problem), platform::MessageIcon::Error);
}

// Finish, and show how it went in the dialog and the tray.
void Done(const std::string& problem) {
  Finish(problem);
  ShowCalendarStatus(Sync().status, !problem.empty());
}

QNetworkReply* Send(const QByteArray& verb, const QUrl& url, const std::string& body,
                    const QByteArray& depth) {
  ++Sync().requests;
  return Sync().current = SendDav(verb, url, body, Sync().login, depth);
}

std::string Header(QNetworkReply* reply, const char* name) { return reply->rawHeader(name).toStdString(); }

// Hrefs are kept decoded: servers differ in what they percent-encode ("@" or "%40").
std::string PathOf(const std::string& href) {
  return QUrl::fromEncoded(QByteArray::fromStdString(href)).path(QUrl::FullyDecoded).toStdString();
}

QUrl UrlOf(const std::string& path) {
  QUrl url = Sync().collection;
  url.setPath(QString::fromStdString(path), QUrl::DecodedMode);
  return url;
}

void Apply(const AppointmentList& before) {
  AppointmentList& list = App().Appointments;
  list = Sync().plan.appointments;
  if (EncodeAppointments(before) == EncodeAppointments(list)) return;
  ShowAppointmentDays();
  Sync().applying = true;
  SaveAppointments();
  Sync().applying = false;
}

void StartRound();

// A write the server refused keeps the state it was based on, so that the next round
// sees both sides' changes.
void KeepStateOfRefusedWrites() {
  CalendarSync& s = Sync();
  SyncState& next = s.plan.state;
  for (const std::string& href : s.refused) {
    std::erase_if(next.resources, [&](const SyncResource& r) { return r.href == href; });
    std::erase_if(next.links, [&](const SyncLink& l) { return l.href == href; });
    for (const SyncResource& r : s.last.resources)
      if (r.href == href) next.resources.push_back(r);
    for (const SyncLink& l : s.last.links)
      if (l.href == href) next.links.push_back(l);
  }
}

void WritesDone() {
  CalendarSync& s = Sync();
  KeepStateOfRefusedWrites();
  s.last = s.plan.state;
  platform::WriteWholeFile(kSyncStateFileName, EncodeSyncState(s.last));
  s.listInStep.reset();
  if (s.refused.empty() && !s.conflict) s.listInStep = EncodeAppointments(App().Appointments);
  if (s.conflict && ++s.rounds < kMostRoundsPerSync) {
    StartRound();
    return;
  }
  Done(s.refused.empty() || s.conflict ? "" : "Der Kalender-Server hat eine Änderung nicht angenommen.");
}

void WriteNext() {
  CalendarSync& s = Sync();
  if (s.nextWrite >= s.plan.writes.size()) {
    WritesDone();
    return;
  }
  const CalendarWrite write = s.plan.writes[s.nextWrite++];
  const QUrl url = UrlOf(write.href);
  const bool put = write.kind == CalendarWrite::Kind::Put;
  ++s.requests;
  const bool created = write.ifMatch.empty();
  QNetworkReply* reply = s.current = SendDav(
      put ? "PUT" : "DELETE", url, put ? write.ics : "", s.login, {}, "text/calendar; charset=utf-8",
      created ? "If-None-Match" : "If-Match", created ? "*" : QByteArray::fromStdString(write.ifMatch));
  QObject::connect(reply, &QNetworkReply::finished, [reply, write] {
    reply->deleteLater();
    CalendarSync& s = Sync();
    const int status = HttpStatus(reply);
    if (status == 412) {
      s.conflict = true;
      s.refused.insert(write.href);
    } else if (status == 404 && write.kind == CalendarWrite::Kind::Delete) {
      // Already gone: what we wanted.
    } else if (reply->error() != QNetworkReply::NoError || status / 100 != 2) {
      if (status == 0) {  // the server went away: what is left is sent next time
        s.refused.insert(write.href);
        for (size_t i = s.nextWrite; i < s.plan.writes.size(); ++i) s.refused.insert(s.plan.writes[i].href);
        KeepStateOfRefusedWrites();
        s.last = s.plan.state;
        platform::WriteWholeFile(kSyncStateFileName, EncodeSyncState(s.last));
        Done(ProblemOf(reply));
        return;
      }
      s.refused.insert(write.href);
    } else if (write.kind == CalendarWrite::Kind::Put) {
      for (SyncResource& r : s.plan.state.resources)
        if (r.href == write.href) r.etag = Header(reply, "ETag");
    }
    WriteNext();
  });
}

void Plan(const std::vector<SyncResource>& server) {
  CalendarSync& s = Sync();
  const AppointmentList before = App().Appointments;
  const std::string folder = s.collection.path(QUrl::FullyDecoded).toStdString();
  s.plan = PlanSync(before, s.last, server, platform::Now().date(), NewEventUid, folder);
  s.plan.state.syncToken = s.nextToken;
  Apply(before);
  s.phase = Phase::Writing;
  s.nextWrite = 0;
  s.refused.clear();
  s.conflict = false;
  WriteNext();
}

void Fetched(std::vector<SyncResource> server, QNetworkReply* reply) {
  const DavMultistatus answer = ReadMultistatus(reply->readAll().toStdString());
  if (!answer.valid) {
    Done(ProblemOf(reply));
    return;
  }
  std::map<std::string, SyncResource*> byHref;
  for (SyncResource& object : server) byHref[object.href] = &object;
  for (const DavResponse& r : answer.responses) {
    // A query for the whole calendar also brings objects listed as unchanged, or added
    // since the listing (those come with the next sync).
    const auto object = byHref.find(PathOf(r.href));
    if (object == byHref.end() || r.status / 100 != 2 || !object->second->ics.empty()) continue;
    object->second->ics = r.calendarData;
    if (!r.etag.empty()) object->second->etag = r.etag;
  }
  Plan(server);
}

// What the server holds now; the objects in `changed` (hrefs as the server wrote them)
// have an ETag we do not know and are fetched in one multiget.
void FetchChanged(std::vector<SyncResource> server, const std::vector<std::string>& changed) {
  if (changed.empty()) {
    Plan(server);
    return;
  }
  Sync().phase = Phase::Fetching;
  QNetworkReply* fetch =
      Send("REPORT", Sync().collection,
           changed.size() > kMostInMultiget ? CalendarQueryRequest() : MultigetRequest(changed), "1");
  QObject::connect(fetch, &QNetworkReply::finished, [fetch, server = std::move(server)] {
    fetch->deleteLater();
    Fetched(server, fetch);
  });
}

// An object as the server lists it: its text is taken from the state when the ETag is
// the one we know; otherwise its href goes into `changed`.
SyncResource Listed(const DavResponse& r, const std::string& path, std::vector<std::string>& changed) {
  for (const SyncResource& known : Sync().last.resources)
    if (known.href == path && known.etag == r.etag) return known;
  changed.push_back(r.href);
  return {path, r.etag, ""};
}

bool IsMember(const DavResponse& r, const std::string& path) {
  return !r.isCollection && path != Sync().collection.path(QUrl::FullyDecoded).toStdString();
}

void ListingDone(QNetworkReply* reply) {
  CalendarSync& s = Sync();
  const int status = HttpStatus(reply);
  const DavMultistatus answer = ReadMultistatus(reply->readAll().toStdString());
  if (reply->error() != QNetworkReply::NoError || status != 207 || !answer.valid) {
    Done(ProblemOf(reply));
    return;
  }
  std::vector<SyncResource> server;
  std::vector<std::string> changed;
  s.nextToken.clear();
  for (const DavResponse& r : answer.responses) {
    const std::string path = PathOf(r.href);
    if (!IsMember(r, path)) {
      if (!r.syncToken.empty()) s.nextToken = r.syncToken;
    } else if (!r.etag.empty()) {
      server.push_back(Listed(r, path, changed));
    }
  }
  FetchChanged(std::move(server), changed);
}

// Every member with its ETag: the first sync, and whenever the server has no token for us.
void ListEverything() {
  Sync().phase = Phase::Listing;
  QNetworkReply* reply = Send("PROPFIND", Sync().collection, EtagListingRequest(), "1");
  QObject::connect(reply, &QNetworkReply::finished, [reply] {
    reply->deleteLater();
    ListingDone(reply);
  });
}

void ChangesDone(QNetworkReply* reply) {
  CalendarSync& s = Sync();
  const int status = HttpStatus(reply);
  const DavMultistatus answer = ReadMultistatus(reply->readAll().toStdString());
  // A token the server no longer takes (403/409 valid-sync-token), or any other trouble:
  // the full listing finds out what is what, and reports what is really wrong.
  const auto truncated = [](const DavResponse& r) { return r.status == 507; };
  if (reply->error() != QNetworkReply::NoError || status != 207 || !answer.valid ||
      answer.syncToken.empty() ||
      std::any_of(answer.responses.begin(), answer.responses.end(), truncated)) {
    ListEverything();
    return;
  }
  s.nextToken = answer.syncToken;
  // Nothing changed on the server nor here: the one request was all. Planning would
  // read every object again and write the same state.
  const bool serverSame = std::none_of(answer.responses.begin(), answer.responses.end(),
                                       [](const DavResponse& r) { return IsMember(r, PathOf(r.href)); });
  if (serverSame && s.listInStep == EncodeAppointments(App().Appointments)) {
    if (s.last.syncToken != s.nextToken) {
      s.last.syncToken = s.nextToken;
      platform::WriteWholeFile(kSyncStateFileName, EncodeSyncState(s.last));
    }
    Done("");
    return;
  }
  std::vector<SyncResource> server = s.last.resources;
  std::vector<std::string> changed;
  for (const DavResponse& r : answer.responses) {
    const std::string path = PathOf(r.href);
    if (!IsMember(r, path)) continue;
    std::erase_if(server, [&](const SyncResource& o) { return o.href == path; });
    if (r.status / 100 == 2 && !r.etag.empty()) server.push_back(Listed(r, path, changed));
  }
  FetchChanged(std::move(server), changed);
}

void StartRound() {
  CalendarSync& s = Sync();
  if (s.last.syncToken.empty()) {
    ListEverything();
    return;
  }
  // The changes since the last sync only: with nothing changed, this is the one request.
  s.phase = Phase::Listing;
  QNetworkReply* reply = Send("REPORT", s.collection, SyncCollectionRequest(s.last.syncToken), "0");
  QObject::connect(reply, &QNetworkReply::finished, [reply] {
    reply->deleteLater();
    ChangesDone(reply);
  });
}

void Start(bool userAsked) {
  CalendarSync& s = Sync();
  if (s.phase == Phase::Unread) ReadConnection();
  if (s.phase == Phase::NotConnected) {
    if (userAsked)
      platform::ShowMessageBox("Fehler", platform::Cp1252("Es ist kein Kalender verbunden."),
                               platform::MessageIcon::Error);
    return;
  }
  if (s.phase != Phase::Idle) {
    // The user asked during a sync: the next one follows as soon as this one ends.
    if (userAsked) {
      s.askedWhileRunning = true;
      ShowCalendarStatus("Ein Abgleich läuft; der nächste folgt gleich danach.", false);
    }
    return;
  }
  s.userAsked = userAsked;
  s.askedWhileRunning = false;
  s.rounds = 0;
  if (!IsAllowedAddress(s.collection)) {
    Done("Ohne Verschlüsselung (https) verbindet sich das Programm nur mit dem eigenen Rechner.");
    return;
  }
  if (s.login.user.isEmpty() || !s.login.password.isEmpty()) {
    StartRound();
    return;
  }
  s.phase = Phase::Password;
  LookUpCalendarPassword(CalendarPasswordKey(s.login.user, s.collection.toString()),
                         [](const QString& password) {
                           CalendarSync& c = Sync();
                           if (c.phase != Phase::Password) return;
                           c.login.password = password;
                           if (!password.isEmpty()) {
                             StartRound();
                             return;
                           }
                           // No keyring: the dialog asks once in a run, and the password stays in memory.
                           static bool asked = false;
                           const bool ask = !asked;
                           asked = true;
                           c.userAsked = c.userAsked && !ask;
                           Done("Das Passwort für den Kalender fehlt.");
                           if (ask) OpenCalendarDialog();
                         });
}

}  // namespace

void RunCalendarStep() {
  CalendarSync& s = Sync();
  if (s.phase == Phase::NotConnected) return;
  if (s.phase == Phase::Unread) ReadConnection();
  if (s.phase == Phase::Idle && platform::SteadyNow() >= s.due) Start(s.askedWhileRunning);
}

void SyncCalendarNow() { Start(true); }

void CalendarListChanged() {
  CalendarSync& s = Sync();
  if (s.applying || s.phase == Phase::NotConnected || s.phase == Phase::Unread) return;
  // While a sync runs, the change goes with the next one, a few seconds after it ends.
  const platform::SteadyTime soon = platform::SteadyNow() + kAfterChange;
  if (s.phase != Phase::Idle) s.changedWhileRunning = true;
  if (s.due > soon) s.due = soon;
}

bool CalendarSyncRunning() {
  const Phase p = Sync().phase;
  return p == Phase::Password || p == Phase::Listing || p == Phase::Fetching || p == Phase::Writing;
}

std::string CalendarSyncStatus() { return Sync().status; }

int CalendarRequestCount() { return Sync().requests; }

void ResetCalendarSync() {
  CalendarSync& s = Sync();
  if (CalendarSyncRunning()) return;
  const int requests = s.requests;
  s = CalendarSync{};
  s.requests = requests;
}

CalendarConnection ReadCalendarConnection() {
  if (!platform::FileExists(kCalendarSettingsFileName)) return {};
  QSettings ini(QString::fromStdString(kCalendarSettingsFileName), QSettings::IniFormat);
  return {ini.value("Kalender/Adresse").toString().trimmed().toStdString(),
          ini.value("Kalender/Benutzer").toString().toStdString()};
}

void ConnectCalendar(const std::string& collection, const std::string& user, const std::string& password) {
  if (CalendarSyncRunning()) return;
  // What the state knows belongs to the old calendar: against another one it would
  // read as events deleted there.
  if (ReadCalendarConnection().address != collection) std::remove(kSyncStateFileName);
  {
    QSettings ini(QString::fromStdString(kCalendarSettingsFileName), QSettings::IniFormat);
    ini.setValue("Kalender/Adresse", QString::fromStdString(collection));
    ini.setValue("Kalender/Benutzer", QString::fromStdString(user));
  }
  ResetCalendarSync();
  ReadConnection();
  CalendarSync& s = Sync();
  if (s.phase != Phase::Idle) return;
  s.login.password = QString::fromStdString(password);
  if (!s.login.user.isEmpty())
    KeepCalendarPassword(CalendarPasswordKey(s.login.user, s.collection.toString()), s.login.password);
  Start(true);
}

void DisconnectCalendar() {
  CalendarSync& s = Sync();
  // A sync under way ends here: its answers would write the state just dropped. What it
  // already saved in Term.dat stays there.
  if (QNetworkReply* reply = s.current) {
    QObject::disconnect(reply, &QNetworkReply::finished, nullptr, nullptr);
    reply->abort();
    reply->deleteLater();
  }
  if (CalendarSyncRunning()) s.phase = Phase::Idle;
  if (s.phase == Phase::Unread) ReadConnection();
  if (!s.login.user.isEmpty())
    ForgetCalendarPassword(CalendarPasswordKey(s.login.user, s.collection.toString()));
  std::remove(kCalendarSettingsFileName);
  std::remove(kSyncStateFileName);
  ResetCalendarSync();
  Sync().phase = Phase::NotConnected;
}
