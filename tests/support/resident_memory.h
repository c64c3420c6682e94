#pragma once
// The resident memory of this process, for the soak test and the start-up bench.
#include <fstream>
#include <string>

// VmRSS of /proc/self/status in KiB; -1 where there is none.
inline long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}
