#include "commands/about.h"

#include "platform/dialogs.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

// The maker is fictional; the addresses use the reserved .example domain.
constexpr const char* kHomeAddress = "https://www.korvala.example/";
constexpr const char* kInstituteAddress = "https://zentrum.korvala.example/";
constexpr const char* kIdentityLines =
    "www.korvala.example\n"
    "Korvala Zentrum f\xFCr Naturheilkunde\n"
    "Lindenweg 12, 12345 Musterstadt\n"
    "Tel. 01234 / 56 78 90";

void ShowInfoBox() {
  platform::ShowMessageBox("Info:", "Organuhr\n" + App().versionText + "\n" + kIdentityLines,
                           platform::MessageIcon::Information);
}

void OpenHomePage() { platform::OpenWebAddress(kHomeAddress); }

void OpenInstitutePage() { platform::OpenWebAddress(kInstituteAddress); }

constexpr CommandEntry kEntries[] = {
    {kCmdInfo, "&Info", ShowInfoBox},
    {kCmdHomePage, "&Korvala Home", OpenHomePage},
    {kCmdInstitutePage, "Korvala &Zentrum für Naturheilkunde", OpenInstitutePage},
};

}  // namespace

const CommandTable kAboutCommands = kEntries;
