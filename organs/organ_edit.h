#pragma once
// Editing an organ's text ("Text zu Organe" menu). While an organ is edited the program
// is busy (the hourly organ change waits), the field is yellow, and the menus enable
// "Speichern", "Abbrechen" and "Wiederherstellen" and check the organ's "Ändern" item.
// Leaving the edit mode shows the organ of the present hour again.
#include "shell/state/command_entry.h"

// "Ändern" > organ 1-12, "Speichern", "Abbrechen", "Wiederherstellen".
extern const CommandTable kOrganTextCommands;

// True while an organ text is being edited.
bool IsEditingOrganText();
