#include "commands/dispatch.h"

#include "appointments/appointment_editor.h"
#include "calendar/calendar_files.h"
#include "calendar/calendar_sync.h"
#include "calendar/connect_dialog.h"
#include "commands/about.h"
#include "commands/menu_states.h"
#include "organs/organ_edit.h"
#include "shell/state/identifiers.h"
#include "sound/sound_commands.h"

namespace {
ShellCommandHandler shellCommandHandler = nullptr;
}  // namespace

void SetShellCommandHandler(ShellCommandHandler handler) { shellCommandHandler = handler; }

void DispatchCommand(int command) {
  switch (command) {
    case kCmdNewAppointment:
    case kCmdOpenAppointments:
    case kCmdReturnKey:
    case kCmdToolNew:
    case kCmdToolOpen:
    case kCmdToolSave:
    case kCmdToolDelete:
    case kCmdToolLeave:
    case kCmdToolStopReminding: HandleAppointmentCommand(command); break;
    case kCmdImportAppointments: ImportCalendarFile(); break;
    case kCmdExportAppointments: ExportCalendarFile(); break;
    case kCmdConnectCalendar: OpenCalendarDialog(); break;
    case kCmdSyncCalendar: SyncCalendarNow(); break;
    case kCmdReminderSound: ToggleReminderSound(); break;
    case kCmdChimeGong: ChooseChimeGong(); break;
    case kCmdChimeMp3: ChooseChimeFileCommand(); break;
    case kCmdChimeOff: ChooseChimeOff(); break;
    case kCmdSaveOrganText: SaveOrganText(); break;
    case kCmdCancelOrganText: CancelOrganEdit(); break;
    case kCmdRestoreOrganText: RestoreOrganText(); break;
    case kCmdHomePage: OpenHomePage(); break;
    case kCmdInstitutePage: OpenInstitutePage(); break;
    case kCmdInfo: ShowInfoBox(); break;
    default:
      if (command >= kCmdFirstOrganEdit && command <= kCmdLastOrganEdit)
        BeginOrganEdit(command - kCmdFirstOrganEdit + 1);
      else if (shellCommandHandler)
        shellCommandHandler(command);  // the views and the end; it ignores the rest
      break;
  }
  UpdateMenuStates();
}
