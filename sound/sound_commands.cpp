#include "sound/sound_commands.h"

#include "commands/settings_change.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "sound/chime.h"
#include "sound/chime_file_dialog.h"

namespace {

void ToggleReminderSound() {
  ChangeSettings([](Settings& s) { SetReminderSound(s, !s.reminderSound); });
}

void ChooseChimeGong() {
  ChangeSettings([](Settings& s) { s.chimeChoice = ChimeChoice::Gong; });
  LoadChime();
  PlayChime();
}

void ChooseChimeMp3() {
  const std::string path = ChooseChimeFile();
  if (path.empty()) return;
  ChangeSettings([&path](Settings& s) {
    s.chimeFile = path;
    s.chimeChoice = ChimeChoice::UserFile;
  });
  LoadChime();
  PlayChime();
}

void ChooseChimeOff() {
  ChangeSettings([](Settings& s) { s.chimeChoice = ChimeChoice::Off; });
  LoadChime();
}

template <ChimeChoice choice>
bool IsChosen(const AppState& app, int) {
  return app.settings.chimeChoice == choice;
}

// A stored chime value without a name checks none of the items. There is no sound
// file for "Dr. Vesk", so it can never be chosen.
constexpr CommandEntry kEntries[] = {
    {kCmdChimeGong, "&Gong", ChooseChimeGong, IsChosen<ChimeChoice::Gong>},
    {kCmdChimeVesk, "&Dr. Vesk", nullptr, IsChosen<ChimeChoice::DrVesk>,
     [](const AppState&, int) { return false; }},
    {kCmdChimeMp3, "&MP3", ChooseChimeMp3, IsChosen<ChimeChoice::UserFile>},
    {kCmdChimeOff, "&Aus", ChooseChimeOff, IsChosen<ChimeChoice::Off>},
    {kCmdReminderSound, "&Termin", ToggleReminderSound,
     [](const AppState& app, int) { return app.settings.reminderSound; }},
};

}  // namespace

const CommandTable kSoundCommands = kEntries;
