#pragma once
// Menu bars and their items, addressed by menu number and command identifier. Items
// are appended in call order; a chosen item reaches the main loop as a Command event.
#include <string>
#include <vector>

namespace platform {

bool CreateMenuBar(int menu, int window);
// A new drop-down title on the bar; the following items go under it.
void AddMenuTitle(int menu, const std::string& label);
// Opens a sub-menu under the current drop-down; EndSubmenu returns to the enclosing one.
void BeginSubmenu(int menu, const std::string& label);
void EndSubmenu(int menu);
void AddMenuItem(int menu, int item, const std::string& label);
void AddMenuSeparator(int menu);

void SetMenuItemEnabled(int menu, int item, bool enabled);
void SetMenuItemChecked(int menu, int item, bool checked);

}  // namespace platform
