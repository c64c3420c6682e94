#include <gtest/gtest.h>

#include "organs/organ_table.h"
#include "tests/support/program_fixture.h"

namespace {

struct HourCase {
  int hour;
  int organ;
};

class OrganOfHourTest : public ::testing::TestWithParam<HourCase> {};

TEST_P(OrganOfHourTest, GivesTheOrganOfItsPeriod) {
  EXPECT_EQ(::OrganOfHour(GetParam().hour), GetParam().organ);
}

INSTANTIATE_TEST_SUITE_P(
    AllHours, OrganOfHourTest,
    ::testing::Values(HourCase{0, 11}, HourCase{1, 12}, HourCase{2, 12}, HourCase{3, 1}, HourCase{4, 1},
                      HourCase{5, 2}, HourCase{6, 2}, HourCase{7, 3}, HourCase{8, 3}, HourCase{9, 4},
                      HourCase{10, 4}, HourCase{11, 5}, HourCase{12, 5}, HourCase{13, 6}, HourCase{14, 6},
                      HourCase{15, 7}, HourCase{16, 7}, HourCase{17, 8}, HourCase{18, 8}, HourCase{19, 9},
                      HourCase{20, 9}, HourCase{21, 10}, HourCase{22, 10}, HourCase{23, 11}),
    [](const auto& info) { return "hour" + std::to_string(info.param.hour); });

TEST(OrganTable, EveryPeriodTextStartsAtTheFirstHourOfItsOrgan) {
  for (int hour = 1; hour < 24; hour += 2) {
    const int organ = OrganOfHour(hour);
    char start[8];
    std::snprintf(start, sizeof start, "%02d:00", hour);
    EXPECT_NE(std::string(OrganRowOf(organ).periodText).find(start), std::string::npos) << hour;
  }
}

TEST(OrganTable, TooltipTextsFollowOneRule) {
  EXPECT_EQ(OrganTooltipText(12), "Organuhr: Leber 01:00 - 03:00 Uhr");
  EXPECT_EQ(OrganTooltipText(9), "Organuhr: Pericard ''Kreislauf'' 19:00 - 21:00 Uhr");
  EXPECT_EQ(OrganTooltipText(6), W("Organuhr: Dünndarm 13:00 - 15:00 Uhr"));
  EXPECT_EQ(std::string(OrganRowOf(10).name), W("Drei Erwärmer"));
  EXPECT_EQ(std::string(OrganRowOf(9).name), "Pericard Kreislauf");
}

}  // namespace
