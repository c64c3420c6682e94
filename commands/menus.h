#pragma once
// The two menu bars; their check marks and greyed items are set by UpdateMenuStates.

// Menu bar kMainMenu of the main window: "Uhr", "Termin", "Einstellungen", "?".
void BuildMainMenu();
// Menu bar kSmallMenu of the small window: "Ansicht".
void BuildSmallWindowMenu();
