#pragma once
// The view commands of both menu bars.

void ChooseViewAutomatic();        // 5 "Automatisch"
void ChooseSmallViewPermanent();   // 6 "Dauernd" (Miniaturansicht)
void ChooseViewInterval(int item); // 7-12 "1 Min." ... "Dauernd"
void ChooseSmallWindow();          // 13 "Klein"
void ChooseHide();                 // 15 "Ausblenden"
void ChooseOpenMainWindow();       // 39 "Hauptfenster öffnen"
void ToggleAlwaysOnTop();          // 41 "Immer im Vordergrund"
void ToggleTrayMode();             // 42 "Ausblenden" (small window)
