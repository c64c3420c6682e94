#pragma once

// Carries out the command of a menu item, toolbar button or shortcut through its
// entry in the command tables; identifiers without a command are ignored.
void DispatchCommand(int command);
