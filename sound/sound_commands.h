#pragma once
// The "Sound" menu: reminder sound on or off and the chime choices; their check marks
// follow from the settings (see UpdateMenuStates).

void ToggleReminderSound();
void ChooseChimeGong();
void ChooseChimeFileCommand();
void ChooseChimeOff();
