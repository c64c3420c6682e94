#pragma once
// The two menu bars and the check marks that mirror the settings.

// Menu bar 0 of the main window: "Uhr", "Termin", "Einstellungen", "?".
void BuildMainMenu();
// Menu bar 1 of the small window: "Ansicht".
void BuildSmallWindowMenu();
// Check marks of the chime items 32-35 and the reminder-sound item 14.
void ApplySettingsToMenus();
