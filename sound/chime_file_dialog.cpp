#include "sound/chime_file_dialog.h"

#include <filesystem>
#include <system_error>

#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "shell/state/app_state.h"

namespace {

constexpr const char* kFilters = "MP3|*.mp3|Wave|*.wav|Alle unterstützten Formate|*.mp3;*.wav";
constexpr int kAllSupportedFilter = 2;
// What the chime file field of the settings and the platform's paths allow.
constexpr size_t kMaxPathLength = 260;

bool IsNameCharacter(unsigned char c) {
  if (c < 32) return false;
  for (const char forbidden : std::string("\\/:*?\"<>|"))
    if (c == static_cast<unsigned char>(forbidden)) return false;
  return true;
}

}  // namespace

void SplitChimeFile(const std::string& chimeFile, std::string& folder, std::string& name) {
  folder.clear();
  name.clear();
  if (chimeFile.empty()) return;
  const size_t slash = chimeFile.rfind('/');
  std::string namePart = chimeFile;
  if (slash != std::string::npos) {
    folder = slash == 0 ? "/" : chimeFile.substr(0, slash);
    namePart = chimeFile.substr(slash + 1);
  }
  for (const char c : namePart)
    if (!IsNameCharacter(static_cast<unsigned char>(c))) return;
  name = namePart;
}

bool IsUsableChimePath(const std::string& path) {
  if (path.empty() || path.size() > kMaxPathLength) return false;
  // The settings keep the path as one text line, and the media command quotes it.
  for (const char c : path)
    if (c == '\r' || c == '\n' || c == '\0' || c == '"') return false;
  // The file need not exist yet, but its folder must.
  std::error_code ec;
  const std::filesystem::path utf8Path(platform::Utf8(path));
  return utf8Path.has_parent_path() && std::filesystem::is_directory(utf8Path.parent_path(), ec);
}

std::string ChooseChimeFile() {
  platform::FileDialogRequest request;
  request.title = "";
  request.filters = platform::Cp1252(kFilters);
  request.selectedFilter = kAllSupportedFilter;
  SplitChimeFile(App().settings.chimeFile, request.startFolder, request.proposedName);
  std::string chosen = platform::ShowOpenFileDialog(request);
  if (chosen.empty()) return {};
  if (!IsUsableChimePath(chosen)) {
    platform::ShowMessageBox("Fehler", platform::Cp1252("Diese Datei kann nicht verwendet werden!"),
                             platform::MessageIcon::Error);
    return {};
  }
  return chosen;
}
