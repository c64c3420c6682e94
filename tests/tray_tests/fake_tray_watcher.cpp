// A desktop's StatusNotifierWatcher with a host, as far as a tray icon needs one: it
// takes the registration of status notifier items and writes "docked <service>" for
// each on its standard output.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QStringList>

#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");

class Watcher : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.kde.StatusNotifierWatcher\">"
        "<method name=\"RegisterStatusNotifierItem\"><arg name=\"service\" type=\"s\" "
        "direction=\"in\"/></method>"
        "<method name=\"RegisterStatusNotifierHost\"><arg name=\"service\" type=\"s\" "
        "direction=\"in\"/></method>"
        "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
        "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
        "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
        "<signal name=\"StatusNotifierItemRegistered\"><arg type=\"s\"/></signal>"
        "<signal name=\"StatusNotifierHostRegistered\"/>"
        "</interface>");
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QString member = message.member();
    if (message.interface() == QStringLiteral("org.freedesktop.DBus.Properties")) {
      const QString name = message.arguments().value(1).toString();
      if (member == QStringLiteral("GetAll")) {
        connection.send(message.createReply(QVariant::fromValue(Properties())));
      } else {
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(Properties().value(name)))));
      }
      return true;
    }
    if (message.interface() != kService) return false;  // introspection is the toolkit's
    if (member == QStringLiteral("RegisterStatusNotifierItem")) {
      QString item = message.arguments().value(0).toString();
      if (!item.startsWith(QLatin1Char(':')) && !item.startsWith(QLatin1Char('/'))) items_ << item;
      else items_ << message.service();
      std::printf("docked %s\n", qPrintable(items_.back()));
      std::fflush(stdout);
    }
    connection.send(message.createReply());
    return true;
  }

 private:
  QVariantMap Properties() const {
    return {{QStringLiteral("RegisteredStatusNotifierItems"), items_},
            {QStringLiteral("IsStatusNotifierHostRegistered"), true},
            {QStringLiteral("ProtocolVersion"), 0}};
  }
  QStringList items_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  Watcher watcher;
  if (!bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher) ||
      !bus.registerService(kService))
    return 1;
  std::printf("watching\n");
  std::fflush(stdout);
  return app.exec();
}
