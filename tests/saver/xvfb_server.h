#pragma once
// A private Xvfb for the tests that run organsaver as a process: started on a
// free display number of its own choosing, stopped by the test.

#include <sys/types.h>
#include <string>

namespace organsaver::test {

class XvfbServer {
 public:
  // Check Running() before use: Xvfb may be missing.
  explicit XvfbServer(const std::string& screen = "800x600x24");
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool Running() const { return pid_ > 0 && !display_.empty(); }
  const std::string& Display() const { return display_; }  // ":n"
  void Stop();

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// A display name on which no X server listens.
std::string UnusedDisplay();

}  // namespace organsaver::test
