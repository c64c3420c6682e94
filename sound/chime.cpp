#include "sound/chime.h"

#include "platform/dialogs.h"
#include "platform/media_commands.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

constexpr const char* kGongFile = "gong.wav";

std::string ChimeAlias() { return "MP3_" + std::to_string(kSoundChime); }

// A double quote would end the quoted file name early and let the rest of the path
// be read as keywords; such a path is never sent.
bool OpenChimeFile(const std::string& path) {
  if (path.find('"') != std::string::npos) return false;
  return platform::SendMediaCommand(ChimeOpenCommand(path)) == 0;
}

}  // namespace

std::string ChimeOpenCommand(const std::string& path) {
  return "OPEN \"" + path + "\" Type MPEGVIDEO ALIAS " + ChimeAlias();
}

std::string ChimePlayCommand() { return "play " + ChimeAlias() + " from " + std::to_string(0); }

std::string ChimeCloseCommand() { return "close " + ChimeAlias(); }

void LoadChime() {
  CloseChime();
  const ChimeChoice choice = App().settings.chimeChoice;
  if (choice == ChimeChoice::Gong) App().ChimeLoaded = OpenChimeFile(kGongFile);
  else if (choice == ChimeChoice::UserFile) App().ChimeLoaded = OpenChimeFile(App().settings.chimeFile);
  // "Dr. Vesk" has no sound file, and a stored value without a name opens nothing:
  // both are said to be not loadable. Only "Aus" is silent by choice.
  if (!App().ChimeLoaded && choice != ChimeChoice::Off)
    platform::ShowMessageBox("Fehler", "Sound konnte nicht geladen werden!", platform::MessageIcon::Error);
}

void PlayChime() {
  // Whether the play is heard is not our concern: a failed play changes nothing.
  if (App().ChimeLoaded) platform::SendMediaCommand(ChimePlayCommand());
}

void CloseChime() {
  platform::SendMediaCommand(ChimeCloseCommand());
  App().ChimeLoaded = false;
}
