#pragma once
// Listeners for what the platform does for the ears that shows nowhere on screen: the
// media command texts it is sent, and the sounds it loads and starts. The program
// itself never listens; the tests' own library does. Main thread only.
//
// Only code inside platform/ uses this.
#include <string>

namespace platform {

struct AudioWatch {
  void (*mediaCommandSent)(const std::string& text) = nullptr;
  void (*soundLoaded)(int id) = nullptr;  // also when loading it again failed
  void (*soundStarted)(int id) = nullptr;
};

AudioWatch& AudioWatchers();

}  // namespace platform
