#include "platform/session_bus.h"

#include <QFileInfo>
#include <QString>

#include <cstdlib>

namespace platform {

bool SessionBusAnnounced() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime && QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus"));
}

}  // namespace platform
