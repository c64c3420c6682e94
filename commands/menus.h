#pragma once
// The two menu bars; their check marks and greyed items are set by UpdateMenuStates.

// Menu bar 0 of the main window: "Uhr", "Termin", "Einstellungen", "?".
void BuildMainMenu();
// Menu bar 1 of the small window: "Ansicht".
void BuildSmallWindowMenu();
