#pragma once
// The twelve organs of the organ clock, numbered 1-12 from Lunge to Leber.
#include <string>

struct OrganRow {
  const char* name;        // as in the organ-text menu (Windows-1252)
  const char* periodText;  // shown in both windows (Windows-1252)
};

constexpr int kOrganCount = 12;
constexpr bool IsOrgan(int organ) { return organ >= 1 && organ <= kOrganCount; }

// Row of organ `organ` (1-12).
const OrganRow& OrganRowOf(int organ);
// The organ that rules hour `hour` (0-23): 1 and 2 Leber (12), 3 and 4 Lunge (1), ...,
// 23 and 0 Gallenblase (11).
int OrganOfHour(int hour);
// "Organuhr: " followed by the period text.
std::string OrganTooltipText(int organ);
