#pragma once
// The two menu bars, laid out line by line. Menus mix the commands of several Parts, so
// the layout names only identifiers: the items' texts come from the command tables and
// their check marks and greyed states from UpdateMenuStates.
#include <span>

struct MenuLine {
  enum class Kind { Title, Submenu, EndSubmenu, Items, Separator };
  Kind kind;
  const char* text = nullptr;  // Title, Submenu: UTF-8, '&' before the access key
  int first = 0;               // Items: the commands first to last, in this order
  int last = 0;
};

struct MenuBarLayout {
  int menu;
  int window;
  std::span<const MenuLine> lines;
};

// Menu bar kMainMenu of the main window: "Uhr", "Termin", "Einstellungen", "?".
extern const MenuBarLayout kMainMenuLayout;
// Menu bar kSmallMenu of the small window: "Ansicht".
extern const MenuBarLayout kSmallMenuLayout;

void BuildMainMenu();
void BuildSmallWindowMenu();
