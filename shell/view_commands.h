#pragma once
// The view commands of both menu bars. Their check marks and greyed items follow from
// the settings (see UpdateMenuStates).

void ChooseViewAutomatic();         // kCmdViewAutomatic "Automatisch"
void ChooseSmallViewPermanent();    // kCmdViewSmallPermanent "Dauernd" (Miniaturansicht)
void ChooseViewInterval(int item);  // kCmdInterval1 ... kCmdIntervalPermanent
void ChooseSmallWindow();           // kCmdSmall "Klein"
void ChooseHide();                  // kCmdHide "Ausblenden"
void ChooseOpenMainWindow();        // kCmdOpenMainWindow "Hauptfenster öffnen"
void ToggleAlwaysOnTop();           // kCmdAlwaysOnTop "Immer im Vordergrund"
void ToggleTrayMode();              // kCmdToTray "Ausblenden" (small window)

// Carries out the shell's own commands (the views and the end of the program) for the
// command dispatcher; other identifiers are ignored.
void HandleShellCommand(int command);
