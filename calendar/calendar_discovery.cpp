#include "calendar/calendar_discovery.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>

#include "calendar/webdav_answers.h"

namespace {

// Redirects, principal and home: a server that sends us round in circles is given up.
constexpr int kMostSteps = 8;

struct Search {
  DavLogin login;
  CalendarsFound done;
  bool triedWellKnown = false;
  int steps = 0;
};
using SearchPtr = std::shared_ptr<Search>;

QUrl AsFolder(QUrl url) {
  if (!url.path().endsWith('/')) url.setPath(url.path() + '/');
  return url;
}

QUrl Resolved(const QUrl& base, const std::string& href) {
  return base.resolved(QUrl::fromEncoded(QByteArray::fromStdString(href)));
}

const std::string kNoCalendar = "Unter der Adresse wurde kein Kalender gefunden.";

void Probe(const SearchPtr& search, const QUrl& url, bool listMembers);

// Follows one redirect; true if the reply was one.
bool Redirected(const SearchPtr& search, QNetworkReply* reply, bool listMembers) {
  const int status = HttpStatus(reply);
  const QByteArray location = reply->rawHeader("Location");
  if (status / 100 != 3 || location.isEmpty()) return false;
  const QUrl next = reply->url().resolved(QUrl::fromEncoded(location));
  if (!IsAllowedAddress(next)) {
    search->done("Ohne Verschlüsselung (https) verbindet sich das Programm nur mit dem eigenen Rechner.",
                 {});
    return true;
  }
  Probe(search, next, listMembers);
  return true;
}

void Answered(const SearchPtr& search, QNetworkReply* reply, bool listMembers) {
  if (Redirected(search, reply, listMembers)) return;
  const QUrl url = reply->url();
  const DavMultistatus answer = ReadMultistatus(reply->readAll().toStdString());
  if (reply->error() != QNetworkReply::NoError || HttpStatus(reply) != 207 || !answer.valid ||
      answer.responses.empty()) {
    // A server that answers wrong credentials gets no second try; an address without
    // WebDAV may still be a server whose calendars sit behind /.well-known/caldav.
    const int status = HttpStatus(reply);
    if (!search->triedWellKnown && status != 401 && status != 403 && status != 0) {
      search->triedWellKnown = true;
      Probe(search, url.resolved(QUrl("/.well-known/caldav")), false);
      return;
    }
    search->done(answer.valid && HttpStatus(reply) == 207 ? kNoCalendar : ProblemOf(reply), {});
    return;
  }
  if (listMembers) {
    std::vector<FoundCalendar> calendars;
    for (const DavResponse& r : answer.responses) {
      if (!r.isCalendar) continue;
      const QUrl calendar = AsFolder(Resolved(url, r.href));
      QString name = QString::fromStdString(r.displayName);
      if (name.isEmpty()) name = calendar.path().section('/', -2, -2);
      calendars.push_back({calendar, name});
    }
    search->done(calendars.empty() ? kNoCalendar : "", calendars);
    return;
  }
  const DavResponse& here = answer.responses.front();
  if (here.isCalendar) {
    search->done("", {{AsFolder(url), QString::fromStdString(here.displayName)}});
  } else if (!here.calendarHomeSet.empty()) {
    Probe(search, Resolved(url, here.calendarHomeSet), true);
  } else if (!here.principal.empty() && Resolved(url, here.principal).path() != url.path()) {
    Probe(search, Resolved(url, here.principal), false);
  } else if (!search->triedWellKnown) {
    search->triedWellKnown = true;
    Probe(search, url.resolved(QUrl("/.well-known/caldav")), false);
  } else {
    // The address may be the folder that holds the calendars.
    Probe(search, url, true);
  }
}

void Probe(const SearchPtr& search, const QUrl& url, bool listMembers) {
  if (++search->steps > kMostSteps) {
    search->done(kNoCalendar, {});
    return;
  }
  QNetworkReply* reply =
      SendDav("PROPFIND", url, DiscoveryRequest(), search->login, listMembers ? "1" : "0");
  QObject::connect(reply, &QNetworkReply::finished, [search, reply, listMembers] {
    reply->deleteLater();
    Answered(search, reply, listMembers);
  });
}

}  // namespace

void FindCalendars(const QUrl& address, const DavLogin& login, CalendarsFound done) {
  if (!address.isValid() || address.host().isEmpty()) {
    done("Die Adresse des Kalenders ist ungültig.", {});
    return;
  }
  if (!IsAllowedAddress(address)) {
    done("Ohne Verschlüsselung (https) verbindet sich das Programm nur mit dem eigenen Rechner.", {});
    return;
  }
  Probe(std::make_shared<Search>(Search{login, std::move(done)}), address, false);
}
