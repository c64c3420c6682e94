#include "sound/reminder_sound.h"

#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "shell/state/identifiers.h"

void InitSounds() {
  if (!platform::InitSoundOutput())
    platform::ShowMessageBox("Fehler", "Sound konnte nicht Initialisiert werden!",
                             platform::MessageIcon::Error);
}

void LoadReminderSound() {
  if (!platform::LoadSound(kSoundReminder, "hockey.wav"))
    platform::ShowMessageBox("Fehler", "Sound konnte nicht geladen werden!", platform::MessageIcon::Error);
}

void PlayReminderSound() { platform::PlaySound(kSoundReminder); }
