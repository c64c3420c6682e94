#include "commands/about.h"

#include "platform/dialogs.h"
#include "shell/state/app_state.h"

// The maker is fictional; the addresses use the reserved .example domain.
const char* const kInstituteLabel = "Korvala Zentrum f\xFCr Naturheilkunde";

namespace {

constexpr const char* kHomeAddress = "https://www.korvala.example/";
constexpr const char* kInstituteAddress = "https://zentrum.korvala.example/";
constexpr const char* kIdentityLines =
    "www.korvala.example\n"
    "Korvala Zentrum f\xFCr Naturheilkunde\n"
    "Lindenweg 12, 12345 Musterstadt\n"
    "Tel. 01234 / 56 78 90";

}  // namespace

void ShowInfoBox() {
  platform::ShowMessageBox("Info:", "Organuhr\n" + App().versionText + "\n" + kIdentityLines,
                           platform::MessageIcon::Information);
}

void OpenHomePage() { platform::OpenWebAddress(kHomeAddress); }

void OpenInstitutePage() { platform::OpenWebAddress(kInstituteAddress); }
