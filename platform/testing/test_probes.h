#pragma once
// What the tests and the screenshot tool ask of the windows, controls, menus, pictures
// and sounds to check what a user would see or hear. The program itself never asks.
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

// Controls.
bool ControlExists(int control);
Rgb ControlBackground(int control);
bool IsControlEnabled(int control);
// The control that has (or, in a hidden window, will get) the keyboard focus; -1 none.
int FocusedControl(int window);
std::string ControlTooltip(int control);
// Geometry in client pixels.
bool ControlGeometry(int control, int& x, int& y, int& width, int& height);
int ControlPictureId(int control);                   // last picture set with SetControlPicture, -1 if none
Rgb ControlPicturePixel(int control, int x, int y);  // what the control shows, device pixel (x, y)
double ControlPictureRatio(int control);             // its device pixel ratio; 0 if none

// Menus and the toolbar.
bool IsMenuItemEnabled(int menu, int item);
bool IsMenuItemChecked(int menu, int item);
bool MenuItemExists(int menu, int item);
// The menu tree as text lines, one per entry, indented by two blanks per level:
// "Uhr", "  13 Klein", "  ---", ... (labels in Windows-1252).
std::vector<std::string> DescribeMenu(int menu);
// The title (without its access key marker) of the drop-down open now; empty if none.
std::string OpenMenuTitle();
bool IsToolButtonEnabled(int command);
std::string ToolButtonTooltip(int command);

// Windows.
bool IsWindowVisible(int window);
bool IsWindowMinimised(int window);
std::string WindowTitle(int window);
// The pixel sizes the window's icon comes in.
std::vector<int> WindowIconSizes(int window);
bool IsWindowOnTop(int window);
// Saves what the window shows (client area with menu bar) as a PNG file.
bool SaveWindowPicture(int window, const std::string& path);

// Tray icon.
std::string TrayIconTooltip(int icon);
// The pixel sizes the tray icon comes in.
std::vector<int> TrayIconSizes(int icon);

// What control `control` shows on screen now, with its children and the background
// it stands on, in device pixels row by row.
struct ShownPixels {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
ShownPixels GrabControl(int control);

// Texts of window `window` that are cut by the edge of their control or stand over
// another text, each described with its control and place.
std::vector<std::string> CutOrOverlappingTexts(int window);

// Month calendar: how many day columns, weekday captions and week rows are shown
// whole.
struct CalendarShape {
  int wholeColumns = 0;
  int wholeCaptions = 0;
  int wholeWeeks = 0;
};
CalendarShape ShownCalendarShape(int control);

// Date field.
Date DateFieldDate(int control);

// Pictures.
// The pixel at device pixel (x, y).
Rgb PicturePixel(int picture, int x, int y);
int PictureWidth(int picture);  // logical pixels
int PictureHeight(int picture);
// Whether the plain (or twice-size) image of `picture` has been decoded, without
// decoding it.
bool IsPictureDecoded(int picture, bool twiceSize = false);

// Fonts: the pixel height the font was created with (0 for an unknown font).
int FontPixelHeight(int font);

// The event queue: the number of events waiting.
int PendingEventCount();

// Whether the caret blinks now.
bool CaretBlinks();

// Sounds.
bool IsSoundOutputOpen();
bool IsSoundLoaded(int id);
// How many times PlaySound started sound `id` since it was loaded.
int SoundPlayCount(int id);
// Every media command text received, in order; and forgetting them.
const std::vector<std::string>& SentMediaCommands();
void ClearSentMediaCommands();
// How many media devices are open now, and whether a play of one is still sounding.
int OpenMediaDeviceCount();
bool IsMediaPlaying(const std::string& alias);

// What a screen reader reads.
// The name an assistive technology reads for the control, asked through the toolkit's
// accessibility interface (the caption of a frame, the text of a label or option, or
// the name given above).
std::string ControlAccessibleName(int control);
bool IsOfferedAsLabel(int control);
// The role ("Window", "Client", ...) and the name a window is offered with.
std::string WindowAccessibleRole(int window);
std::string WindowAccessibleName(int window);
// Every object of window `window` that a screen reader can reach and that
// has no name, described as "role (class)". Hidden helpers of a control that a user
// never meets are included too, since a screen reader lists them all the same; the
// contents of pop-ups (menus, drop-down lists) are not.
std::vector<std::string> UnnamedAccessibleObjects(int window);

}  // namespace platform
