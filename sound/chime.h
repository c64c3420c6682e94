#pragma once
// The hourly chime, played by the media interface under one fixed alias.
#include <string>

// The command texts, exactly as the media interface receives them. `path` is
// Windows-1252 and goes between double quotes unchanged.
std::string ChimeOpenCommand(const std::string& path);
std::string ChimePlayCommand();
std::string ChimeCloseCommand();

// Closes the chime and opens the one the chime choice names; says so when a chosen
// chime cannot be opened (the choice is kept). Sets ChimeLoaded.
void LoadChime();
// Plays the open chime once from its beginning; nothing when none is open.
void PlayChime();
// Closes the chime (shutdown).
void CloseChime();
