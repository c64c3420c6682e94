#include "platform/notifications.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFileInfo>
#include <QImage>

#include <cstdlib>

#include "platform/object_table.h"
#include "platform/program_identity.h"
#include "platform/test_probes.h"

namespace {

// The raw picture a notification carries (hint "image-data", signature (iiibiiay)),
// so that the icon shows without an installed icon theme.
struct NotificationImage {
  int width = 0, height = 0, rowStride = 0;
  bool hasAlpha = true;
  int bitsPerSample = 8, channels = 4;
  QByteArray pixels;
};

QDBusArgument& operator<<(QDBusArgument& out, const NotificationImage& image) {
  out.beginStructure();
  out << image.width << image.height << image.rowStride << image.hasAlpha << image.bitsPerSample
      << image.channels << image.pixels;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, NotificationImage& image) {
  in.beginStructure();
  in >> image.width >> image.height >> image.rowStride >> image.hasAlpha >> image.bitsPerSample >>
      image.channels >> image.pixels;
  in.endStructure();
  return in;
}

}  // namespace

Q_DECLARE_METATYPE(NotificationImage)

namespace platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// A service that does not answer within this time counts as absent; the main loop
// waits no longer than this once per reminder.
constexpr int kReplyMilliseconds = 1000;

// Only a session bus that is already there: asking for one that is not would make the
// bus library start a bus of its own.
bool SessionBusAnnounced() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime && QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus"));
}

QDBusMessage Call(const QString& method, const QVariantList& arguments) {
  QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, method);
  message.setArguments(arguments);
  message.setAutoStartService(false);
  return QDBusConnection::sessionBus().call(message, QDBus::Block, kReplyMilliseconds);
}

bool ServiceTakesMarkup() {
  const QDBusMessage reply = Call(QStringLiteral("GetCapabilities"), {});
  return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
         reply.arguments().first().toStringList().contains(QStringLiteral("body-markup"));
}

QVariant IconImage(int picture) {
  const QImage image =
      PictureIcon(picture).pixmap(64, 64).toImage().convertToFormat(QImage::Format_RGBA8888);
  if (image.isNull()) return {};
  NotificationImage data;
  data.width = image.width();
  data.height = image.height();
  data.rowStride = static_cast<int>(image.bytesPerLine());
  data.pixels =
      QByteArray(reinterpret_cast<const char*>(image.constBits()), static_cast<int>(image.sizeInBytes()));
  qDBusRegisterMetaType<NotificationImage>();
  return QVariant::fromValue(data);
}

}  // namespace

bool NotificationServiceAvailable() {
  if (!SessionBusAnnounced()) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
  return registered.isValid() && registered.value();
}

uint32_t ShowNotification(const std::string& summary, const std::string& body, Urgency urgency,
                          uint32_t replaces, int iconPicture) {
  if (!NotificationServiceAvailable()) return 0;
  // A service that reads markup would take "<" or "&" in the text for a tag.
  const QString text = ServiceTakesMarkup() ? ToQt(body).toHtmlEscaped() : ToQt(body);
  QVariantMap hints;
  hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(urgency)));
  const ProgramIdentity& program = CurrentProgramIdentity();
  const QString name = QString::fromStdString(program.name);
  hints.insert(QStringLiteral("desktop-entry"), name);
  const QVariant icon = IconImage(iconPicture);
  if (icon.isValid()) hints.insert(QStringLiteral("image-data"), icon);
  const QDBusMessage reply =
      Call(QStringLiteral("Notify"), {ToQt(program.displayName), QVariant::fromValue(replaces), name,
                                      ToQt(summary), text, QStringList(), hints, QVariant::fromValue(-1)});
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return 0;
  return reply.arguments().first().toUInt();
}

void CloseNotification(uint32_t id) {
  if (id == 0 || !NotificationServiceAvailable()) return;
  Call(QStringLiteral("CloseNotification"), {QVariant::fromValue(id)});
}

}  // namespace platform
