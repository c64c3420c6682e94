#pragma once
// Which of the two windows or the tray icon the user sees, and when that changes.
#include "platform/types.h"

bool IsTrayMode();
bool IsSmallWindowOnTopChosen();

void AddTrayIconIfMissing();
void RemoveTrayIconIfPresent();
void SetSmallWindowOnTop(bool onTop);

void ToTray();
void ToSmall();
void ToMain();

// The hour step's pop-up of the main window.
void HourlyPopUp();
// Once per pass: the permanent small view and the switch-over at the chosen minute
// (looked at in the pass's `now`).
void RunViewSteps(const platform::LocalTime& now);

// Start-up: always-on-top and, in tray mode, the tray icon.
void ApplySavedSmallWindowMode();
// Start-up: the first window to show.
void ApplySavedViewInterval();

// Close boxes and the tray icon.
void OnMainWindowClose();
void OnSmallWindowClose();
void OnTrayIconClicked();
// A system tray appeared after start-up; the tray icon is in it now.
void OnTrayAppeared();
void OnWindowMoved();
// A second start in the same directory asked for the main window.
void OnRaiseRequest();
