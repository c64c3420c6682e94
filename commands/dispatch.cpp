#include "commands/dispatch.h"

#include "appointments/appointment_editor.h"
#include "commands/about.h"
#include "commands/menu_states.h"
#include "organs/organ_edit.h"
#include "shell/state/identifiers.h"
#include "shell/program.h"
#include "shell/view_commands.h"
#include "sound/sound_commands.h"

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
    case kCmdToolStopReminding:
      HandleAppointmentCommand(command);
      break;
    case kCmdExit:
    case kCmdQuitFromSmall:
      ExitProgram();
      break;
    case kCmdViewAutomatic:
      ChooseViewAutomatic();
      break;
    case kCmdViewSmallPermanent:
      ChooseSmallViewPermanent();
      break;
    case kCmdInterval1:
    case kCmdInterval3:
    case kCmdInterval5:
    case kCmdInterval10:
    case kCmdInterval15:
    case kCmdIntervalPermanent:
      ChooseViewInterval(command);
      break;
    case kCmdSmall:
      ChooseSmallWindow();
      break;
    case kCmdHide:
      ChooseHide();
      break;
    case kCmdReminderSound:
      ToggleReminderSound();
      break;
    case kCmdChimeGong:
      ChooseChimeGong();
      break;
    case kCmdChimeMp3:
      ChooseChimeFileCommand();
      break;
    case kCmdChimeOff:
      ChooseChimeOff();
      break;
    case kCmdSaveOrganText:
      SaveOrganText();
      break;
    case kCmdCancelOrganText:
      CancelOrganEdit();
      break;
    case kCmdRestoreOrganText:
      RestoreOrganText();
      break;
    case kCmdHomePage:
      OpenHomePage();
      break;
    case kCmdInstitutePage:
      OpenInstitutePage();
      break;
    case kCmdInfo:
      ShowInfoBox();
      break;
    case kCmdOpenMainWindow:
      ChooseOpenMainWindow();
      break;
    case kCmdAlwaysOnTop:
      ToggleAlwaysOnTop();
      break;
    case kCmdToTray:
      ToggleTrayMode();
      break;
    default:
      if (command >= kCmdFirstOrganEdit && command <= kCmdLastOrganEdit)
        BeginOrganEdit(command - kCmdFirstOrganEdit + 1);
      break;  // other identifiers without a command do nothing
  }
  UpdateMenuStates();
}
