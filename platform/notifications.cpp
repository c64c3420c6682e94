#include "platform/notifications.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QImage>

#include <map>
#include <optional>
#include <vector>

#include "platform/object_table.h"
#include "platform/program_identity.h"
#include "platform/session_bus.h"

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
// Every call is asynchronous: a service that is registered but never answers costs the
// main loop nothing; its answer is given up after this time.
constexpr int kReplyMilliseconds = 5000;

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

struct Request {
  QString summary, body;
  Urgency urgency = Urgency::Normal;
  int iconPicture = 0;
};

// One notification as the program knows it, under a handle of our own that stays the
// same while the service's id for it is still on its way.
struct Notice {
  uint32_t serviceId = 0;       // 0 until the service has answered
  bool sent = false;            // a Notify is waiting for its answer
  std::optional<Request> next;  // to be shown (in place of what is shown) when possible
  bool withdraw = false;        // to be closed as soon as its id is known
};

std::map<uint32_t, Notice> g_notices;
uint32_t g_lastHandle = 0;
// The service's capabilities are asked once, by the first notification.
enum class Capabilities { Unknown, Asking, Known } g_capabilities = Capabilities::Unknown;
bool g_takesMarkup = false;

QDBusMessage Message(const QString& method, const QVariantList& arguments) {
  QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, method);
  message.setArguments(arguments);
  message.setAutoStartService(false);
  return message;
}

template <typename OnReply>
void CallAsync(const QString& method, const QVariantList& arguments, OnReply onReply) {
  auto* watcher = new QDBusPendingCallWatcher(
      QDBusConnection::sessionBus().asyncCall(Message(method, arguments), kReplyMilliseconds));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, onReply] {
    onReply(watcher->reply());
    watcher->deleteLater();
  });
}

void SendClose(uint32_t serviceId) {
  if (serviceId != 0)
    QDBusConnection::sessionBus().send(
        Message(QStringLiteral("CloseNotification"), {QVariant::fromValue(serviceId)}));
}

void Advance(uint32_t handle);

void SendNotify(uint32_t handle, Notice& notice) {
  const Request request = *notice.next;
  notice.next.reset();
  notice.sent = true;
  // A service that reads markup would take "<" or "&" in the text for a tag.
  const QString text = g_takesMarkup ? request.body.toHtmlEscaped() : request.body;
  QVariantMap hints;
  hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(request.urgency)));
  const ProgramIdentity& program = CurrentProgramIdentity();
  const QString name = QString::fromStdString(program.name);
  hints.insert(QStringLiteral("desktop-entry"), name);
  const QVariant icon = IconImage(request.iconPicture);
  if (icon.isValid()) hints.insert(QStringLiteral("image-data"), icon);
  CallAsync(QStringLiteral("Notify"),
            {ToQt(program.displayName), QVariant::fromValue(notice.serviceId), name, request.summary, text,
             QStringList(), hints, QVariant::fromValue(-1)},
            [handle](const QDBusMessage& reply) {
              auto it = g_notices.find(handle);
              if (it == g_notices.end()) return;
              it->second.sent = false;
              if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                it->second.serviceId = reply.arguments().first().toUInt();
              Advance(handle);
            });
}

// Sends what is due for the notice once nothing it depends on is outstanding.
void Advance(uint32_t handle) {
  auto it = g_notices.find(handle);
  if (it == g_notices.end() || it->second.sent || g_capabilities != Capabilities::Known) return;
  Notice& notice = it->second;
  if (notice.withdraw) {
    SendClose(notice.serviceId);
    g_notices.erase(it);
  } else if (notice.next) {
    SendNotify(handle, notice);
  }
}

void AskCapabilitiesOnce() {
  if (g_capabilities != Capabilities::Unknown) return;
  g_capabilities = Capabilities::Asking;
  CallAsync(QStringLiteral("GetCapabilities"), {}, [](const QDBusMessage& reply) {
    g_takesMarkup = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                    reply.arguments().first().toStringList().contains(QStringLiteral("body-markup"));
    g_capabilities = Capabilities::Known;
    std::vector<uint32_t> handles;
    for (const auto& entry : g_notices) handles.push_back(entry.first);
    for (uint32_t handle : handles) Advance(handle);
  });
}

}  // namespace

bool NotificationServiceAvailable() {
  if (!SessionBusAnnounced()) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  // Answered by the bus itself, never by the notification service.
  const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
  return registered.isValid() && registered.value();
}

uint32_t ShowNotification(const std::string& summary, const std::string& body, Urgency urgency,
                          uint32_t replaces, int iconPicture) {
  if (!NotificationServiceAvailable()) return 0;
  const uint32_t handle = g_notices.count(replaces) != 0 ? replaces : ++g_lastHandle;
  Notice& notice = g_notices[handle];
  notice.next = Request{ToQt(summary), ToQt(body), urgency, iconPicture};
  notice.withdraw = false;
  AskCapabilitiesOnce();
  Advance(handle);
  return handle;
}

void CloseNotification(uint32_t id) {
  auto it = g_notices.find(id);
  if (it == g_notices.end()) return;
  it->second.next.reset();
  it->second.withdraw = true;
  Advance(id);
}

}  // namespace platform
