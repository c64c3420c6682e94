#pragma once
// A started program with organ text files of known content.
#include <string>

#include "organs/organ_texts.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

class OrganTextTest : public ProgramTest {
 protected:
  static std::string TextFile(int organ) { return "org" + std::to_string(organ) + ".dat"; }
  static std::string BackupFile(int organ) { return "org" + std::to_string(organ) + ".bak"; }
  // Not a first run, so start-up leaves the organ texts alone; "Text n\r\n" in
  // org<n>.dat and "Original n\r\n" in org<n>.bak, for all twelve.
  void PrepareEarlierRunWithTexts() {
    PrepareEarlierRun(EncodeSettings(DefaultSettings()));
    for (int n = 1; n <= 12; ++n) {
      WriteFile(TextFile(n), "Text " + std::to_string(n) + "\r\n");
      WriteFile(BackupFile(n), "Original " + std::to_string(n) + "\r\n");
    }
  }
  // Chooses a main-menu item the way the user does and lets the main loop handle it.
  void Choose(int command) {
    platform::TriggerMenuItem(kMainMenu, command);
    Drain();
  }
  static void Type(const std::string& text) { platform::SetControlText(kCtlOrganText, text); }
  static std::string Field() { return OrganFieldText(); }
};

inline constexpr platform::Rgb kYellow{255, 255, 0};
inline constexpr platform::Rgb kWhite{255, 255, 255};
