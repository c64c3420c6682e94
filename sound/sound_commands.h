#pragma once
// The "Sound" menu: reminder sound on or off (14) and the chime choices (32, 34, 35).

void ToggleReminderSound();
void ChooseChimeGong();
void ChooseChimeFileCommand();
void ChooseChimeOff();
