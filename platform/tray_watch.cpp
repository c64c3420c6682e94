#include "platform/tray_watch.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/session_bus.h"

namespace platform {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

bool g_statusNotifierHost = false;
bool g_xembedManager = false;
std::function<void()> g_appeared;

// Called from the bus's and the X server's event handling; the icon is made after it.
void Seen(bool& flag) {
  if (flag) return;
  const bool before = TraySeen();
  flag = true;
  if (!before)
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
          if (g_appeared) g_appeared();
        },
        Qt::QueuedConnection);
}

// The toolkit's tray takes the StatusNotifierWatcher only if it has a host, and decides
// that once, when the first tray icon is made; so the host is what is waited for.
QDBusMessage HostQuestion() {
  QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                    QStringLiteral("org.freedesktop.DBus.Properties"),
                                                    QStringLiteral("Get"));
  get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
  get.setAutoStartService(false);
  return get;
}

bool AnswersYes(const QDBusMessage& reply) {
  return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
         qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toBool();
}

void AskForStatusNotifierHost() {
  auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(HostQuestion()));
  QObject::connect(call, &QDBusPendingCallWatcher::finished, [call] {
    if (AnswersYes(call->reply())) Seen(g_statusNotifierHost);
    call->deleteLater();
  });
}

// At start-up the answer is waited for (briefly), so that a tray that is there is used
// from the first moment, without the stand-in window showing up first.
constexpr int kStartUpAnswerMilliseconds = 500;

void WatchTheSessionBus() {
  if (!SessionBusAnnounced()) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return;
  // The bus's NameOwnerChanged signal, filtered for the watcher's name.
  auto* watcher = new QDBusServiceWatcher(kWatcherService, bus, QDBusServiceWatcher::WatchForRegistration,
                                          QCoreApplication::instance());
  QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, AskForStatusNotifierHost);
  // A host that comes after the watcher is announced by the watcher's own signal. A
  // bus signal needs a receiving slot; a single-shot timer's start() serves.
  auto* hostRegistered = new QTimer(QCoreApplication::instance());
  hostRegistered->setSingleShot(true);
  hostRegistered->setInterval(0);
  QObject::connect(hostRegistered, &QTimer::timeout, AskForStatusNotifierHost);
  bus.connect(kWatcherService, kWatcherPath, kWatcherService,
              QStringLiteral("StatusNotifierHostRegistered"), hostRegistered, SLOT(start()));
  const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kWatcherService);
  if (registered.isValid() && registered.value() &&
      AnswersYes(bus.call(HostQuestion(), QDBus::Block, kStartUpAnswerMilliseconds)))
    g_statusNotifierHost = true;
}

xcb_atom_t InternAtom(xcb_connection_t* connection, const std::string& name) {
  const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str());
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The screen number of DISPLAY (":0.1" is screen 1); 0 when it names none.
int DisplayScreenNumber() {
  const char* display = std::getenv("DISPLAY");
  const char* colon = display ? std::strrchr(display, ':') : nullptr;
  const char* dot = colon ? std::strchr(colon, '.') : nullptr;
  return dot ? std::atoi(dot + 1) : 0;
}

// A new tray manager announces itself by a MANAGER client message to the root window
// (the XEmbed system tray convention).
class TrayManagerFilter : public QAbstractNativeEventFilter {
 public:
  TrayManagerFilter(xcb_atom_t manager, xcb_atom_t selection) : manager_(manager), selection_(selection) {}
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->type == manager_ && client->format == 32 && client->data.data32[1] == selection_)
      Seen(g_xembedManager);
    return false;
  }

 private:
  xcb_atom_t manager_, selection_;
};

void WatchTheXScreen() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return;
  const int number = DisplayScreenNumber();
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < number && screens.rem > 0; ++i) xcb_screen_next(&screens);
  if (screens.rem <= 0) return;
  const xcb_window_t root = screens.data->root;
  const xcb_atom_t selection = InternAtom(connection, "_NET_SYSTEM_TRAY_S" + std::to_string(number));
  const xcb_atom_t manager = InternAtom(connection, "MANAGER");
  if (selection == XCB_ATOM_NONE || manager == XCB_ATOM_NONE) return;
  // The MANAGER message goes to the root window's structure listeners; the toolkit's own
  // event mask on the root window is kept.
  std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr),
      &std::free);
  const uint32_t mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  static TrayManagerFilter filter(manager, selection);
  QCoreApplication::instance()->installNativeEventFilter(&filter);
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
      &std::free);
  if (owner && owner->owner != XCB_WINDOW_NONE) g_xembedManager = true;
  xcb_flush(connection);
}

}  // namespace

bool TraySeen() { return g_statusNotifierHost || g_xembedManager; }

void StartTrayWatch(std::function<void()> appeared) {
  g_appeared = std::move(appeared);
  static bool started = false;
  if (started || !QCoreApplication::instance()) return;
  started = true;
  WatchTheXScreen();
  WatchTheSessionBus();
}

}  // namespace platform
