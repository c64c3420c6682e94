#include "saver/organ_rows.h"

#include <array>
#include <cstdio>

namespace organsaver {

namespace {
// Index k: hours 2k-1 and 2k; k = 0 is never used (hour 0 belongs to row 12).
constexpr std::array<OrganRow, 13> kOrganRows = {{
    {"", ""},
    {"Leber", "01-03 Uhr"},
    {"Lunge", "03-05 Uhr"},
    {"Dickdarm", "05-07 Uhr"},
    {"Magen", "07-09 Uhr"},
    {"Pankreas", "09-11 Uhr"},
    {"Herz", "11-13 Uhr"},
    {"D\u00fcnndarm", "13-15 Uhr"},
    {"Blase", "15-17 Uhr"},
    {"Nieren", "17-19 Uhr"},
    {"Pericard", "19-21 Uhr"},
    {"3 Erw\u00e4rmer", "21-23 Uhr"},
    {"Gallenblase", "23-01 Uhr"},
}};

constexpr std::array<std::string_view, 7> kWeekdayLabels = {"So. ", "Mo. ", "Di. ", "Mi. ",
                                                            "Do. ", "Fr. ", "Sa. "};
}  // namespace

OrganRow OrganRowForHour(int hour) {
  int k = (hour + 1) / 2;
  if (k < 1 || k > 12) k = 12;
  return kOrganRows[k];
}

std::string_view WeekdayLabel(int dayOfWeek) {
  return kWeekdayLabels[static_cast<unsigned>(dayOfWeek) % 7];
}

std::string FormatDateText(int day, int month, int year) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  return text;
}

}  // namespace organsaver
