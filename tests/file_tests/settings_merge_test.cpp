// The three-way merge of the settings, field by field.
#include <gtest/gtest.h>

#include "shell/state/settings_merge.h"

namespace {

struct SettingsMergeCase {
  const char* name;
  void (*mine)(Settings&);
  void (*theirs)(Settings&);
  void (*expected)(Settings&);
};

class SettingsMergeTest : public ::testing::TestWithParam<SettingsMergeCase> {};

TEST_P(SettingsMergeTest, TakesTheirChangeWhereOnlyTheyChanged) {
  const Settings base = DefaultSettings();
  Settings mine = base, theirs = base, expected = base;
  GetParam().mine(mine);
  GetParam().theirs(theirs);
  GetParam().expected(expected);
  EXPECT_EQ(EncodeSettings(MergeSettings(base, mine, theirs)), EncodeSettings(expected));
}

void Nothing(Settings&) {}
void ChimeOff(Settings& s) { s.chimeChoice = ChimeChoice::Off; }
void OwnChime(Settings& s) {
  s.chimeChoice = ChimeChoice::UserFile;
  s.chimeFile = "/home/anna/glocke.mp3";
}
void TrayMode(Settings& s) { s.trayMode = true; }
void NotOnTop(Settings& s) { SetSmallOnTop(s, false); }
void Moved(Settings& s) { s.smallWindowX = 400; }
void ChimeOffInTray(Settings& s) {
  ChimeOff(s);
  TrayMode(s);
}
// The choice is ours; the file name only they changed comes with their change.
void ChimeOffWithTheirFile(Settings& s) {
  OwnChime(s);
  ChimeOff(s);
}
void OwnChimeNotOnTop(Settings& s) {
  OwnChime(s);
  NotOnTop(s);
}

INSTANTIATE_TEST_SUITE_P(
    KonfigSet, SettingsMergeTest,
    ::testing::Values(
        SettingsMergeCase{"OnlyTheyChanged", Nothing, ChimeOff, ChimeOff},
        SettingsMergeCase{"OnlyWeChanged", TrayMode, Nothing, TrayMode},
        SettingsMergeCase{"DifferentFieldsOnEachSide", TrayMode, ChimeOff, ChimeOffInTray},
        SettingsMergeCase{"SameFieldOnBothSidesKeepsOurs", ChimeOff, OwnChime, ChimeOffWithTheirFile},
        SettingsMergeCase{"ChimeFileWithItsChoiceAndOnTop", NotOnTop, OwnChime, OwnChimeNotOnTop},
        SettingsMergeCase{"PositionOnBothSidesKeepsOurs", Moved, Moved, Moved}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
