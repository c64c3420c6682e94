#include "commands/dispatch.h"
#include "platform/dialogs.h"
#include "platform/testing/test_probes.h"
#include "shell/state/app_state.h"
#include "tests/organ_tests/organ_text_fixture.h"

namespace {

class OrganEditTest : public OrganTextTest {
 protected:
  void SetUp() override {
    OrganTextTest::SetUp();
    PrepareEarlierRunWithTexts();
  }
  // The whole visible state of the edit mode for `organ` (0: not editing).
  void ExpectEditMode(int organ) {
    const bool editing = organ != 0;
    EXPECT_EQ(IsBusy(), editing);
    EXPECT_EQ(platform::ControlBackground(kCtlOrganText), editing ? kYellow : kWhite);
    EXPECT_TRUE(platform::IsControlEnabled(kCtlOrganText));
    for (int command : {kCmdSaveOrganText, kCmdCancelOrganText, kCmdRestoreOrganText})
      EXPECT_EQ(platform::IsMenuItemEnabled(kMainMenu, command), editing) << command;
    for (int n = 1; n <= 12; ++n)
      EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdFirstOrganEdit + n - 1), n == organ) << n;
    if (editing) {
      EXPECT_EQ(App().shownOrgan, organ);
    }
  }
};

TEST_F(OrganEditTest, StartsOutsideTheEditMode) {
  Start();
  ExpectEditMode(0);
  EXPECT_EQ(Field(), "Text 4");
}

TEST_F(OrganEditTest, ChoosingAnOrganShowsItYellowWithItsText) {
  Start();
  Choose(kCmdFirstOrganEdit + 8);  // "Pericard Kreislauf"
  ExpectEditMode(9);
  EXPECT_EQ(Field(), "Text 9");
  EXPECT_EQ(platform::ControlPictureId(kCtlOrganPicture), kPictureFirstOrgan + 8);
  EXPECT_EQ(platform::ControlText(kCtlMainPeriod), "Pericard ''Kreislauf'' 19:00 - 21:00 Uhr");
  EXPECT_EQ(platform::ControlText(kCtlSmallPeriod), "Pericard ''Kreislauf'' 19:00 - 21:00 Uhr");
}

TEST_F(OrganEditTest, SwitchingOrganDropsTheChangesOfTheFirst) {
  Start();
  Choose(kCmdFirstOrganEdit);  // Lunge
  Type("Lunge, geaendert");
  Choose(kCmdFirstOrganEdit + 4);  // Herz
  EXPECT_EQ(ReadFile(TextFile(1)), "Text 1\r\n");
  EXPECT_EQ(Field(), "Text 5");
  ExpectEditMode(5);
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(ReadFile(TextFile(1)), "Text 1\r\n");
  EXPECT_EQ(ReadFile(TextFile(5)), "Text 5\r\n");
}

TEST_F(OrganEditTest, SavingShowsTheOrganOfThePresentHourAgain) {
  SetTime(2026, 12, 7, 14, 10);
  Start();
  Choose(kCmdLastOrganEdit);  // Leber
  ExpectEditMode(12);
  Type(W("Leber: neuer Text\r\nmit Umlaut ä"));
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(ReadFile(TextFile(12)), W("Leber: neuer Text\r\nmit Umlaut ä\r\n"));
  ExpectEditMode(0);
  EXPECT_EQ(App().shownOrgan, 6);
  EXPECT_EQ(Field(), "Text 6");
  EXPECT_EQ(platform::ControlText(kCtlMainPeriod), W("Dünndarm 13:00 - 15:00 Uhr"));
  Choose(kCmdLastOrganEdit);
  EXPECT_EQ(Field(), W("Leber: neuer Text\r\nmit Umlaut ä"));
}

TEST_F(OrganEditTest, CancellingDropsTheChanges) {
  Start();
  Choose(kCmdFirstOrganEdit + 1);
  Type("verworfen");
  Choose(kCmdCancelOrganText);
  EXPECT_EQ(ReadFile(TextFile(2)), "Text 2\r\n");
  ExpectEditMode(0);
  EXPECT_EQ(Field(), "Text 4");
}

TEST_F(OrganEditTest, EditingHoldsTheHourBackUntilItEnds) {
  SetTime(2026, 12, 7, 10, 58);
  Start();
  Choose(kCmdFirstOrganEdit);
  Type("halb fertig");
  AdvanceMinutes(3);  // 11:01: Herz would be due
  ExpectEditMode(1);
  EXPECT_EQ(Field(), "halb fertig");
  Choose(kCmdCancelOrganText);
  EXPECT_EQ(App().shownOrgan, 5) << "the organ catches up when editing ends";
  EXPECT_EQ(Field(), "Text 5");
}

TEST_F(OrganEditTest, SaveCancelAndRestoreDoNothingOutsideTheEditMode) {
  Start();
  Type("getippt, aber nicht im Bearbeiten");
  for (int command : {kCmdSaveOrganText, kCmdCancelOrganText, kCmdRestoreOrganText})
    DispatchCommand(command);
  EXPECT_EQ(ReadFile(TextFile(4)), "Text 4\r\n");
  ExpectEditMode(0);
}

TEST_F(OrganEditTest, QuittingWhileEditingDropsTheChangesWithoutAsking) {
  Start();
  Choose(kCmdFirstOrganEdit + 10);
  Type("nie gespeichert");
  Choose(kCmdExit);
  EXPECT_TRUE(App().exitRequested);
  EXPECT_EQ(ReadFile(TextFile(11)), "Text 11\r\n");
}

// ---- "Wiederherstellen" ----

struct RestoreCase {
  const char* name;
  platform::MessageAnswer answer;
  bool backupPresent;
  std::string fileAfter;  // org2.dat
  bool stillEditing;
  std::vector<std::string> messagesAfterQuestion;
};

class OrganRestoreTest : public OrganEditTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(OrganRestoreTest, AnswersTheQuestion) {
  const RestoreCase& c = GetParam();
  if (!c.backupPresent) std::filesystem::remove(Dir() / BackupFile(2));
  Start();
  Choose(kCmdFirstOrganEdit + 1);  // Dickdarm
  Type("eigener Text");
  AnswerNextBox(c.answer);
  Choose(kCmdRestoreOrganText);
  auto boxes = TakeBoxes();
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Frage?");
  EXPECT_EQ(boxes[0].text, W("Originaltext wiederherstellen?\nVorheriger Text wird überschrieben!!!"));
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Question);
  EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::YesNoCancel);
  std::vector<std::string> later;
  for (size_t i = 1; i < boxes.size(); ++i) later.push_back(boxes[i].text);
  EXPECT_EQ(later, c.messagesAfterQuestion);
  EXPECT_EQ(ReadFile(TextFile(2)), c.fileAfter);
  if (c.stillEditing) {
    ExpectEditMode(2);
    EXPECT_EQ(Field(), "eigener Text");
  } else {
    ExpectEditMode(0);
    EXPECT_EQ(Field(), "Text 4");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OrganRestoreTest,
    ::testing::Values(
        RestoreCase{"YesWritesTheBackup", platform::MessageAnswer::Yes, true, "Original 2\r\n", false, {}},
        RestoreCase{"NoDropsTheChanges", platform::MessageAnswer::No, true, "Text 2\r\n", false, {}},
        RestoreCase{"CancelKeepsEditing", platform::MessageAnswer::Cancel, true, "Text 2\r\n", true, {}},
        RestoreCase{"YesWithoutBackupWritesTheField",
                    platform::MessageAnswer::Yes,
                    false,
                    "eigener Text\r\n",
                    false,
                    {"Wiederherstellungsdatei Org2.bak nicht gefunden!"}}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return std::string(info.param.name); });

}  // namespace
