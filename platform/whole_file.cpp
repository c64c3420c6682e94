#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Where the content really lives: a link is followed so that replacing the file keeps
// the link.
std::string TargetPath(const std::string& name) {
  std::error_code ec;
  if (fs::is_symlink(name, ec)) {
    const fs::path real = fs::canonical(name, ec);
    if (!ec) return real.string();
  }
  return name;
}

}  // namespace

std::string ResolveFileName(const std::string& name) {
  std::error_code ec;
  if (name.empty() || fs::exists(name, ec)) return name;
  const fs::path path(name);
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string wanted = Lowered(path.filename().string());
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (Lowered(candidate) == wanted)
      return path.has_parent_path() ? (dir / candidate).string() : candidate;
  }
  return name;
}

bool FileExists(const std::string& name) {
  std::error_code ec;
  return fs::is_regular_file(ResolveFileName(name), ec);
}

bool ReadWholeFile(const std::string& name, std::string& bytes) {
  bytes.clear();
  const std::string resolved = ResolveFileName(name);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return false;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

bool WriteWholeFile(const std::string& name, const std::string& bytes) {
  const std::string target = TargetPath(ResolveFileName(name));
  const fs::path targetPath(target);
  const std::string dir = targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
  std::string tempName = (fs::path(dir) / ("." + targetPath.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat st {};
  mode_t mode = 0666;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  (void)::fchmod(fd, mode);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tempName.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tempName.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

bool CopyWholeFile(const std::string& from, const std::string& to) {
  std::string bytes;
  if (!ReadWholeFile(from, bytes)) return false;
  return WriteWholeFile(to, bytes);
}

}  // namespace platform
