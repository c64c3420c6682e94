#pragma once
// The view commands of both menu bars. Their check marks and greyed items follow from
// the settings (see UpdateMenuStates).
#include <optional>

#include "shell/settings.h"

// The interval that an item of "Erweiterte Ansicht" stands for; none for other items.
std::optional<ViewInterval> IntervalOfItem(int item);

void ChooseViewAutomatic();        // 5 "Automatisch"
void ChooseSmallViewPermanent();   // 6 "Dauernd" (Miniaturansicht)
void ChooseViewInterval(int item); // 7-12 "1 Min." ... "Dauernd"
void ChooseSmallWindow();          // 13 "Klein"
void ChooseHide();                 // 15 "Ausblenden"
void ChooseOpenMainWindow();       // 39 "Hauptfenster öffnen"
void ToggleAlwaysOnTop();          // 41 "Immer im Vordergrund"
void ToggleTrayMode();             // 42 "Ausblenden" (small window)
