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

// mkstemp's six characters after the name; RemoveLeftoverTemporaryFiles knows it.
constexpr const char* kTemporarySuffix = ".XXXXXX";
constexpr size_t kTemporaryRandomChars = 6;

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
// the link. Empty when the name (or what a link names) exists but is not a regular
// file, which is never replaced.
std::string WritableTarget(const std::string& name) {
  fs::path path(name);
  // Links are followed one by one (as far as the kernel would), so that a link whose
  // target is still to be made is written through as well.
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? path.string() : std::string();
    if (S_ISREG(st.st_mode)) return path.string();
    if (!S_ISLNK(st.st_mode)) return {};
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return {};
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return {};
}

bool IsTemporaryNameOf(const std::string& candidate, const std::string& wanted) {
  // "." + name + "." + six characters of mkstemp's alphabet
  const size_t prefix = wanted.size() + 2;
  if (candidate.size() != prefix + kTemporaryRandomChars || candidate[0] != '.') return false;
  if (Lowered(candidate.substr(1, wanted.size())) != wanted || candidate[prefix - 1] != '.') return false;
  return std::all_of(candidate.begin() + static_cast<long>(prefix), candidate.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

std::string ResolveFileName(const std::string& name) {
  struct stat st {};
  if (name.empty() || ::lstat(name.c_str(), &st) == 0) return name;
  std::error_code ec;
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

ReadResult ReadFile(const std::string& name, std::string& bytes, size_t limit) {
  bytes.clear();
  const std::string resolved = ResolveFileName(name);
  // Look before opening: opening some devices does something by itself. O_NONBLOCK
  // keeps a FIFO that appears meanwhile from holding the open, and fstat checks what
  // was really opened.
  struct stat st {};
  if (::stat(resolved.c_str(), &st) != 0) {
    struct stat link {};
    // A link whose target is gone is as good as no file; anything else is in the way.
    return (errno == ENOENT && (::lstat(resolved.c_str(), &link) != 0 || S_ISLNK(link.st_mode)))
               ? ReadResult::Missing
               : ReadResult::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) return ReadResult::Unreadable;
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Unreadable;
  ReadResult result = ReadResult::Read;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > limit) {
    result = ReadResult::Unreadable;
  } else {
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        result = ReadResult::Unreadable;
        break;
      }
      if (n == 0) break;
      if (bytes.size() + static_cast<size_t>(n) > limit) {  // grew while being read
        result = ReadResult::Unreadable;
        break;
      }
      bytes.append(buffer, static_cast<size_t>(n));
    }
  }
  ::close(fd);
  if (result != ReadResult::Read) bytes.clear();
  return result;
}

bool ReadWholeFile(const std::string& name, std::string& bytes, size_t limit) {
  return ReadFile(name, bytes, limit) == ReadResult::Read;
}

FileStamp StampFile(const std::string& name) {
  FileStamp stamp;
  struct stat st {};
  if (::stat(ResolveFileName(name).c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = st.st_size;
  stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}

bool WriteWholeFile(const std::string& name, const std::string& bytes) {
  const std::string target = WritableTarget(ResolveFileName(name));
  if (target.empty()) return false;
  const fs::path targetPath(target);
  const std::string dir = targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
  std::string tempName =
      (fs::path(dir) / ("." + targetPath.filename().string() + kTemporarySuffix)).string();
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
  // Whatever took the target's place meanwhile is left alone.
  if (ok) ok = WritableTarget(target) == target;
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

void RemoveLeftoverTemporaryFiles(const std::vector<std::string>& names) {
  std::vector<std::string> wanted;
  for (const std::string& name : names) wanted.push_back(Lowered(name));
  std::error_code ec;
  for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (candidate.empty() || candidate[0] != '.') continue;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc) || it->is_symlink(typeEc)) continue;
    for (const std::string& name : wanted) {
      if (!IsTemporaryNameOf(candidate, name)) continue;
      ::unlink(candidate.c_str());
      break;
    }
  }
}

}  // namespace platform
