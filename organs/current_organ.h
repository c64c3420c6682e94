#pragma once
// The organ on screen: its picture, period text and tray tooltip text.

// Makes the organ of hour `hour` (0-23) the shown organ and shows it.
void UpdateCurrentOrgan(int hour);
// Puts the shown organ's picture and texts into both windows and loads its text.
void ShowOrgan();
// Names the organ frame, picture and text field for screen readers after organ
// `organ` (1-12): its name, and "Text zu " with its name for the text field.
void NameOrganControls(int organ);
