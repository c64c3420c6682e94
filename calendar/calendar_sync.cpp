#include "calendar/calendar_sync.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <chrono>
#include <functional>
#include <set>

#include "appointments/appointment_file.h"
#include "appointments/appointment_list.h"
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

enum class Phase { Unread, NotConnected, Idle, Listing, Fetching, Writing };

struct CalendarSync {
  Phase phase = Phase::Unread;
  // Owned by the application object, so that it goes with it (a test starts the
  // program several times in one process).
  QPointer<QNetworkAccessManager> network;
  QUrl collection;
  QString user, password;
  bool userAsked = false;
  int rounds = 0;
  platform::SteadyTime due{};
  std::chrono::seconds retryPause = kFirstRetry;
  std::string status;
  SyncState last;
  SyncPlan plan;
  size_t nextWrite = 0;
  std::set<std::string> refused;  // hrefs whose write the server did not take
  bool conflict = false;
  int requests = 0;
  bool changedWhileRunning = false;
  bool applying = false;  // our own save of what the server sent is no change to send
};

CalendarSync& Sync() {
  static CalendarSync sync;
  return sync;
}

bool IsLocalHost(const QString& host) {
  QHostAddress address;
  return host == QLatin1String("localhost") || (address.setAddress(host) && address.isLoopback());
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
  s.user = ini.value("Kalender/Benutzer").toString();
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
    return;
  }
  s.status = problem;
  s.due = platform::SteadyNow() + s.retryPause;
  s.retryPause = std::min(s.retryPause * 2, kLongestRetry);
  if (askedByUser)
    platform::ShowMessageBox("Fehler", platform::Cp1252(problem), platform::MessageIcon::Error);
}

// One German sentence for what went wrong; never the password or the server's text.
std::string ProblemOf(QNetworkReply* reply) {
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return "Der Kalender-Server ist nicht erreichbar.";
    case QNetworkReply::SslHandshakeFailedError:
      return "Das Zertifikat des Kalender-Servers ist nicht vertrauenswürdig.";
    case QNetworkReply::AuthenticationRequiredError:
      return "Benutzer oder Passwort für den Kalender stimmen nicht.";
    default: break;
  }
  if (status == 401 || status == 403) return "Benutzer oder Passwort für den Kalender stimmen nicht.";
  if (status == 404 || status == 405) return "Unter der Adresse wurde kein Kalender gefunden.";
  return "Der Kalender-Server hat die Anfrage nicht ausgeführt.";
}

QNetworkReply* Send(const QByteArray& verb, const QUrl& url, const std::string& body,
                    const std::function<void(QNetworkRequest&)>& headers = {}) {
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  if (headers) headers(request);
  ++Sync().requests;
  return Sync().network->sendCustomRequest(request, verb, QByteArray::fromStdString(body));
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
  if (s.conflict && ++s.rounds < kMostRoundsPerSync) {
    StartRound();
    return;
  }
  Finish(s.refused.empty() || s.conflict ? "" : "Der Kalender-Server hat eine Änderung nicht angenommen.");
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
  QNetworkReply* reply = Send(put ? "PUT" : "DELETE", url, put ? write.ics : "", [&](QNetworkRequest& r) {
    if (put) r.setHeader(QNetworkRequest::ContentTypeHeader, "text/calendar; charset=utf-8");
    if (write.ifMatch.empty()) r.setRawHeader("If-None-Match", "*");
    else r.setRawHeader("If-Match", QByteArray::fromStdString(write.ifMatch));
  });
  QObject::connect(reply, &QNetworkReply::finished, [reply, write] {
    reply->deleteLater();
    CalendarSync& s = Sync();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
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
        Finish(ProblemOf(reply));
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
    Finish(ProblemOf(reply));
    return;
  }
  for (const DavResponse& r : answer.responses)
    for (SyncResource& object : server)
      if (object.href == PathOf(r.href) && r.status / 100 == 2) {
        object.ics = r.calendarData;
        if (!r.etag.empty()) object.etag = r.etag;
      }
  Plan(server);
}

void Listed(QNetworkReply* reply) {
  CalendarSync& s = Sync();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const DavMultistatus answer = ReadMultistatus(reply->readAll().toStdString());
  if (reply->error() != QNetworkReply::NoError || status != 207 || !answer.valid) {
    Finish(ProblemOf(reply));
    return;
  }
  // Objects whose ETag is the one we know are taken from the state; the rest are fetched.
  std::vector<SyncResource> server;
  std::vector<std::string> changed;
  const std::string folder = s.collection.path(QUrl::FullyDecoded).toStdString();
  for (const DavResponse& r : answer.responses) {
    const std::string path = PathOf(r.href);
    if (r.isCollection || path == folder || r.etag.empty()) continue;
    SyncResource object{path, r.etag, ""};
    const auto known =
        std::find_if(s.last.resources.begin(), s.last.resources.end(),
                     [&](const SyncResource& k) { return k.href == path && k.etag == r.etag; });
    if (known != s.last.resources.end()) object.ics = known->ics;
    else changed.push_back(r.href);
    server.push_back(std::move(object));
  }
  if (changed.empty()) {
    Plan(server);
    return;
  }
  s.phase = Phase::Fetching;
  QNetworkReply* fetch = Send("REPORT", s.collection, MultigetRequest(changed), [](QNetworkRequest& r) {
    r.setHeader(QNetworkRequest::ContentTypeHeader, "application/xml; charset=utf-8");
    r.setRawHeader("Depth", "1");
  });
  QObject::connect(fetch, &QNetworkReply::finished, [fetch, server] {
    fetch->deleteLater();
    Fetched(server, fetch);
  });
}

void StartRound() {
  CalendarSync& s = Sync();
  s.phase = Phase::Listing;
  QNetworkReply* reply = Send("PROPFIND", s.collection, EtagListingRequest(), [](QNetworkRequest& r) {
    r.setHeader(QNetworkRequest::ContentTypeHeader, "application/xml; charset=utf-8");
    r.setRawHeader("Depth", "1");
  });
  QObject::connect(reply, &QNetworkReply::finished, [reply] {
    reply->deleteLater();
    Listed(reply);
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
  if (s.phase != Phase::Idle) return;
  s.userAsked = userAsked;
  s.rounds = 0;
  if (s.collection.scheme() != QLatin1String("https") &&
      !(s.collection.scheme() == QLatin1String("http") && IsLocalHost(s.collection.host()))) {
    Finish("Ohne Verschlüsselung (https) verbindet sich das Programm nur mit dem eigenen Rechner.");
    return;
  }
  if (!s.network) {
    s.network = new QNetworkAccessManager(QCoreApplication::instance());
    s.network->setAutoDeleteReplies(false);
    QObject::connect(s.network, &QNetworkAccessManager::authenticationRequired,
                     [](QNetworkReply*, QAuthenticator* auth) {
                       CalendarSync& c = Sync();
                       // Offered once: a wrong password ends in an error, not in a loop.
                       if (c.password.isEmpty() || auth->user() == c.user) return;
                       auth->setUser(c.user);
                       auth->setPassword(c.password);
                     });
  }
  StartRound();
}

}  // namespace

void RunCalendarStep() {
  CalendarSync& s = Sync();
  if (s.phase == Phase::NotConnected) return;
  if (s.phase == Phase::Unread) ReadConnection();
  if (s.phase == Phase::Idle && platform::SteadyNow() >= s.due) Start(false);
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
  return p == Phase::Listing || p == Phase::Fetching || p == Phase::Writing;
}

std::string CalendarSyncStatus() { return Sync().status; }

int CalendarRequestCount() { return Sync().requests; }

void ResetCalendarSync() {
  CalendarSync& s = Sync();
  if (CalendarSyncRunning()) return;
  const QPointer<QNetworkAccessManager> network = s.network;
  const int requests = s.requests;
  s = CalendarSync{};
  s.network = network;
  s.requests = requests;
}
