#include "commands/dispatch.h"

#include "commands/about.h"
#include "shell/identifiers.h"
#include "shell/program.h"
#include "shell/view_commands.h"

void DispatchCommand(int command) {
  switch (command) {
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
      break;  // identifiers without a command do nothing
  }
}
