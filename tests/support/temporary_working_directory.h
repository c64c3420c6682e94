#pragma once
// A fresh directory under /tmp that is the working directory while this object lives;
// afterwards the previous one is back and the directory is gone, even if a test took
// its write permission away.
#include <stdlib.h>

#include <filesystem>
#include <string>

class TemporaryWorkingDirectory {
 public:
  // `prefix` names the directory ("/tmp/<prefix>-XXXXXX"), so leftovers tell whose they are.
  explicit TemporaryWorkingDirectory(const std::string& prefix)
      : previous_(std::filesystem::current_path()) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
  }
  ~TemporaryWorkingDirectory() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
