#include "organs/organ_table.h"

namespace {

// Texts in Windows-1252: \xFC is ü, \xE4 is ä.
constexpr OrganRow kOrgans[kOrganCount] = {
    {"Lunge", "Lunge 03:00 - 05:00 Uhr"},
    {"Dickdarm", "Dickdarm 05:00 - 07:00 Uhr"},
    {"Magen", "Magen 07:00 - 09:00 Uhr"},
    {"Pankreas", "Pankreas 09:00 - 11:00 Uhr"},
    {"Herz", "Herz 11:00 - 13:00 Uhr"},
    {"D\xFCnndarm", "D\xFCnndarm 13:00 - 15:00 Uhr"},
    {"Blase", "Blase 15:00 - 17:00 Uhr"},
    {"Nieren", "Nieren 17:00 - 19:00 Uhr"},
    // Two apostrophes on each side of Kreislauf, not double quotes.
    {"Pericard Kreislauf", "Pericard ''Kreislauf'' 19:00 - 21:00 Uhr"},
    {"Drei Erw\xE4rmer", "Drei Erw\xE4rmer 21:00 - 23:00 Uhr"},
    {"Gallenblase", "Gallenblase 23:00 - 01:00 Uhr"},
    {"Leber", "Leber 01:00 - 03:00 Uhr"},
};

}  // namespace

const OrganRow& OrganRowOf(int organ) {
  if (!IsOrgan(organ)) organ = 1;
  return kOrgans[organ - 1];
}

int OrganOfHour(int hour) {
  if (hour == 0) return 11;
  const int period = (hour + 1) / 2;  // 1-12
  return period == 1 ? 12 : period - 1;
}

std::string OrganTooltipText(int organ) { return std::string("Organuhr: ") + OrganRowOf(organ).periodText; }
