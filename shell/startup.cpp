#include "appointments/appointment_list.h"
#include "calendar/calendar_sync.h"
#include "commands/command_tables.h"
#include "commands/menu_states.h"
#include "organs/organ_texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/tray.h"
#include "shell/clock_controls.h"
#include "shell/clock_renderer.h"
#include "shell/kept_files.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings_store.h"
#include "shell/view_commands.h"
#include "shell/views.h"
#include "shell/window_builders.h"
#include "sound/chime.h"
#include "sound/reminder_sound.h"

namespace {

void LoadFonts() {
  platform::LoadFont(kFontLargeClock, "Arial Black", 48, platform::kWeightNormal);
  platform::LoadFont(kFontMainDate, "Arial", 28, platform::kWeightNormal);
  platform::LoadFont(kFontOrganFrame, "Arial", 14, platform::kWeightBold);
  platform::LoadFont(kFontMainPeriod, "Arial", 12, platform::kWeightBold);
  platform::LoadFont(kFontSmallClock, "Arial Black", 26, platform::kWeightNormal);
  platform::LoadFont(kFontSmallDate, "Arial Black", 14, platform::kWeightNormal);
  platform::LoadFont(kFontSmallPeriod, "Arial", 10, platform::kWeightBold);
}

void LoadPictures() {
  // A picture that fails to decode leaves its control empty; nothing is reported.
  for (int picture = kPictureDecoration; picture <= kPictureFirstOrgan + 11; ++picture)
    platform::DecodeEmbeddedPicture(picture);
  platform::DecodeEmbeddedPicture(kPictureReminderButton);
  // The clocks are drawn at the screen's resolution: sharp digits on a HiDPI screen,
  // while the controls keep their size in logical pixels.
  const double ratio = platform::ScreenPixelRatio();
  platform::CreateBlankPicture(kPictureLargeClock, kLargeClockSize.width, kLargeClockSize.height, ratio);
  platform::CreateBlankPicture(kPictureSmallClock, kSmallClockSize.width, kSmallClockSize.height, ratio);
  platform::DecodeEmbeddedPicture(kPictureProgramIcon);
}

void ReadSettingsOrCreateFirstRunFiles() {
  const platform::ReadResult read = ReadSettings();
  if (read == platform::ReadResult::Read) return;
  App().settings = DefaultSettings();
  if (read == platform::ReadResult::Unreadable) {
    // Not a first run: the user's settings are there but hidden from us. The defaults
    // serve this run, and nothing is created or replaced.
    platform::ShowMessageBox("Fehler!", "Konfiguration konnte nicht gelesen werden!",
                             platform::MessageIcon::Error);
    return;
  }
  RestoreMissingOrganTexts();
  CreateMissingAppointmentFile();
  SaveSettings();
}

}  // namespace

void RunStartup() {
  ResetAppState();
  SetShellCommands(kShellCommands);
  InitSounds();  // reports its own failure; start-up goes on
  App().versionText = "Version: 1.2";
  LoadFonts();
  LoadPictures();
  SetSettingsMergedHandler(ApplyMergedSettings);
  RemoveLeftoversOfKilledSaves();
  ReadSettingsOrCreateFirstRunFiles();
  BuildMainWindow();
  StartClockRenderer();
  BuildSmallWindow();
  platform::WatchForTray(OnTrayAppeared);
  ApplySavedSmallWindowMode();
  LoadReminderSound();
  LoadChime();
  LoadAppointments();
  PrepareAppointmentsAtStart(platform::Now());
  ResetCalendarSync();  // kalender.ini is read at the first pass
  UpdateMenuStates();
  ApplySavedViewInterval();
  WatchKeptFiles();
}
