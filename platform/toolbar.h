#pragma once
// The toolbar of a window, placed at the top of its client area: tool buttons,
// addressed by the command they deliver to the main loop.
#include <string>

namespace platform {

enum class ToolPicture { NewDocument, OpenFolder, Properties, Save, Delete };
bool CreateToolbar(int window);
void AddToolButton(int window, int command, ToolPicture picture, const std::string& tooltip);
void AddToolButtonWithPicture(int window, int command, int picture, const std::string& tooltip);
void EnableToolButton(int command, bool enabled);

}  // namespace platform
