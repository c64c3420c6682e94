#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace platform {
namespace {

QLocalServer* g_server = nullptr;
bool g_raiseRequested = false;

// Derived from the directory, so instances in different directories do not meet.
QString ServerName() {
  const QByteArray dir = QDir::current().canonicalPath().toUtf8();
  const QByteArray hash = QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("organclock-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool AskRunningInstance(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(1000)) return false;
  socket.write("raise\n");
  socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  return true;
}

}  // namespace

bool ClaimSingleInstance() {
  const QString name = ServerName();
  if (AskRunningInstance(name)) return false;
  // Nobody answered: a socket left by a killed instance must not block us.
  QLocalServer::removeServer(name);
  g_server = new QLocalServer();
  g_server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!g_server->listen(name)) return true;  // cannot guard; run all the same
  QObject::connect(g_server, &QLocalServer::newConnection, [] {
    while (QLocalSocket* socket = g_server->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      g_raiseRequested = true;
    }
  });
  return true;
}

bool TakeRaiseRequest() {
  const bool requested = g_raiseRequested;
  g_raiseRequested = false;
  return requested;
}

}  // namespace platform
