#pragma once
// Acts on the real widgets the way a user would, so that the resulting events travel
// the same path as real input. Used by the tests.
#include <string>

#include "platform/types.h"

namespace platform {

void TriggerMenuItem(int menu, int item);  // like choosing the item (if enabled)
void ClickToolButton(int command);         // like clicking the toolbar button (if enabled)
void PressReturnKey(int window);
void RequestWindowClose(int window);  // like the close box
// Like the close box, but delivered by the window system later, while the program
// waits, as a real click arrives.
void PostWindowCloseRequest(int window);
void ClickTrayIcon(int icon);
void ClickCalendarDay(int control, Date day);
void ChooseListItem(int control, int index);
void ClickOption(int control);
void TypeText(int control, const std::string& text);  // replaces the text as typing would
// Replaces the text of a text field through its accessibility interface, as dictation
// and screen readers do (AT-SPI's SetTextContents).
void SetTextThroughAccessibility(int control, const std::string& text);
void PressKeyIn(int control, char key);  // one key press and release on the control
// A key pressed and released in window `window`, with Alt held if `withAlt`, delivered
// to what has the focus there, shortcuts first, as the window system delivers it. `key`
// is a key name: "F10", "Alt", "Esc", "E".
void PressKeyInWindow(int window, const std::string& key, bool withAlt = false);
void PickDate(int control, Date day);
void ClickReportRow(int control, int row);  // -1 clicks the empty area
void MoveWindowByUser(int window, int x, int y);

// -1: ask the desktop whether a tray exists; 0 or 1: pretend it does not or does.
void SetTrayAvailableForTesting(int available);

}  // namespace platform
