#pragma once
// Choosing the user's chime file ("MP3").
#include <string>

// Shows the file-open dialog for MP3 and WAV files, starting in the folder of the
// current chime file. Returns the chosen full path (Windows-1252), or an empty text
// when the user cancels or chose a path that cannot be used (after saying so).
std::string ChooseChimeFile();

// The folder and the name the dialog starts with, for `chimeFile`; the name stays
// empty when it holds a character that file names cannot hold.
void SplitChimeFile(const std::string& chimeFile, std::string& folder, std::string& name);
// Whether a chosen path can be kept as the chime file: a full path of at most 260
// characters in an existing folder, storable as one line and quotable in a command.
bool IsUsableChimePath(const std::string& path);
