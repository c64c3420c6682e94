#pragma once
// One WebDAV request to the calendar server, and what its failure means to the user.
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

struct DavLogin {
  QString user;
  QString password;  // only ever in memory
};

// The program's one network access manager, owned by the application object.
QNetworkAccessManager& CalendarNetwork();
// Sends `body` (XML, or a calendar object for PUT) with Basic authentication when a user
// is given. `depth` and the extra header (name, value) are left out when empty.
QNetworkReply* SendDav(const QByteArray& verb, const QUrl& url, const std::string& body,
                       const DavLogin& login, const QByteArray& depth = {},
                       const QByteArray& contentType = "application/xml; charset=utf-8",
                       const QByteArray& header = {}, const QByteArray& value = {});
int HttpStatus(QNetworkReply* reply);
// One German sentence for what went wrong; never the password or the server's text.
std::string ProblemOf(QNetworkReply* reply);
// Without https only the own computer is reached: a password never goes out in clear.
bool IsAllowedAddress(const QUrl& url);
