#include "calendar/dav_request.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

QNetworkAccessManager& CalendarNetwork() {
  // Owned by the application object, so that it goes with it (a test starts the
  // program several times in one process).
  static QPointer<QNetworkAccessManager> network;
  if (!network) {
    network = new QNetworkAccessManager(QCoreApplication::instance());
    network->setAutoDeleteReplies(false);
  }
  return *network;
}

QNetworkReply* SendDav(const QByteArray& verb, const QUrl& url, const std::string& body,
                       const DavLogin& login, const QByteArray& depth, const QByteArray& contentType,
                       const QByteArray& header, const QByteArray& value) {
  QNetworkRequest request(url);
  // Redirects are followed by the caller: the toolkit would send a PROPFIND or REPORT
  // on without its body.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  // Sent with the first request, so that a sync needs no extra round for the 401.
  if (!login.user.isEmpty())
    request.setRawHeader("Authorization",
                         "Basic " + (login.user + ':' + login.password).toUtf8().toBase64());
  if (!depth.isEmpty()) request.setRawHeader("Depth", depth);
  if (!contentType.isEmpty() && !body.empty())
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
  if (!header.isEmpty()) request.setRawHeader(header, value);
  return CalendarNetwork().sendCustomRequest(request, verb, QByteArray::fromStdString(body));
}

int HttpStatus(QNetworkReply* reply) {
  return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

std::string ProblemOf(QNetworkReply* reply) {
  const int status = HttpStatus(reply);
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

bool IsAllowedAddress(const QUrl& url) {
  if (url.scheme() == QLatin1String("https")) return true;
  QHostAddress address;
  const QString host = url.host();
  return url.scheme() == QLatin1String("http") &&
         (host == QLatin1String("localhost") || (address.setAddress(host) && address.isLoopback()));
}
