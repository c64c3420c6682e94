#pragma once
// One command as its Part writes it down: identifier, menu text, what it does, and how
// its menu item follows from the state. Each Part keeps one table of these next to its
// handlers; the menu bars take their texts from the tables, the dispatcher their
// handlers and the menu states their rules.
#include <span>

struct AppState;

struct CommandEntry {
  int command;
  // The menu item's text in UTF-8, '&' before its access key; nullptr for a command
  // that no menu shows (toolbar buttons, keys).
  const char* label;
  // nullptr: choosing the command does nothing.
  void (*run)();
  // Whether the item carries a check mark; nullptr: it never does.
  bool (*checked)(const AppState& app, int command) = nullptr;
  // Whether the item can be chosen; nullptr: always.
  bool (*enabled)(const AppState& app, int command) = nullptr;
};

using CommandTable = std::span<const CommandEntry>;
