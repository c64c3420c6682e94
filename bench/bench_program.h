#pragma once
// The program's platform on the offscreen screen, in a fresh temporary working
// directory, for the benchmarks that time the program's own procedures. Message boxes
// are printed, never shown.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/application.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "shell/program.h"

inline std::filesystem::path StartBenchProgram(int argc, char** argv, const std::string& name) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  platform::SetMessageBoxResponder([](const platform::MessageBoxRecord& box) {
    std::printf("message: %s\n", platform::Utf8(box.text).c_str());
    return platform::MessageAnswer::Ok;
  });
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
  return dir;
}

inline void EndBenchProgram(const std::filesystem::path& dir) {
  platform::ReleaseAllObjects();
  std::filesystem::current_path("/");
  std::filesystem::remove_all(dir);
}
