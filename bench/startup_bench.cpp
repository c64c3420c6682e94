// Start-up of organclock: time from process start to the end of the first main-loop
// pass, and the resident memory then. Prints the figures; asserts nothing.
//
//   startup_bench <working directory with the delivered files>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/application.h"
#include "shell/program.h"
#include "tests/support/resident_memory.h"

namespace {

// Seconds since boot at which this process started (kernel clock ticks).
double ProcessStartSeconds() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(content.substr(content.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22 is starttime
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double UptimeSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_BOOTTIME, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  const auto mainEntered = std::chrono::steady_clock::now();
  if (argc > 1 && chdir(argv[1]) != 0) {
    std::perror("chdir");
    return 1;
  }
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  RunStartup();
  RunMainLoopPass(0);
  const double sinceProcessStart = UptimeSeconds() - ProcessStartSeconds();
  const double sinceMain =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - mainEntered).count();
  std::printf("start-up, process start to first pass: %.0f ms (kernel clock, 10 ms steps)\n",
              sinceProcessStart * 1000);
  std::printf("start-up, main() to first pass:        %.1f ms\n", sinceMain * 1000);
  std::printf("resident memory after start-up:        %ld KiB\n", ResidentKilobytes());
  ExitProgram();
  return 0;
}
