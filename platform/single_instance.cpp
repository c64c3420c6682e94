#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/events.h"
#include "platform/program_identity.h"

namespace platform {
namespace {

bool g_raiseRequested = false;

// A Linux abstract socket: it has no file, so a killed instance leaves nothing behind
// that could block the next start. Its name is derived from the user and the working
// directory, so instances in different directories do not meet, and from the program's
// name, so different programs do not meet either.
sockaddr_un ServerAddress(socklen_t& length) {
  std::error_code ec;
  const std::string dir = std::filesystem::canonical(".", ec).string();
  // The program's name is cut short so that the address fits in any case.
  const std::string program = CurrentProgramIdentity().name.substr(0, 60);
  char name[100];
  std::snprintf(name, sizeof name, "%s-%u-%016zx", program.c_str(), static_cast<unsigned>(getuid()),
                std::hash<std::string>{}(dir));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  address.sun_path[0] = '\0';
  std::memcpy(address.sun_path + 1, name, std::strlen(name));
  length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + std::strlen(name));
  return address;
}

bool AskRunningInstance(const sockaddr_un& address, socklen_t length) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  if (connected) {
    [[maybe_unused]] const ssize_t sent = send(fd, "raise\n", 6, MSG_NOSIGNAL);
  }
  close(fd);
  return connected;
}

}  // namespace

bool ClaimSingleInstance() {
  socklen_t length = 0;
  const sockaddr_un address = ServerAddress(length);
  if (AskRunningInstance(address, length)) return false;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return true;  // cannot guard; run all the same
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 4) != 0) {
    close(fd);
    return true;
  }
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [fd] {
    for (;;) {
      const int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) break;
      close(client);
      g_raiseRequested = true;
    }
    if (g_raiseRequested) WakeMainLoop();
  });
  return true;
}

bool TakeRaiseRequest() {
  const bool requested = g_raiseRequested;
  g_raiseRequested = false;
  return requested;
}

}  // namespace platform
