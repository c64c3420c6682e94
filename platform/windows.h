#pragma once
// Top-level windows addressed by number.
#include <string>
#include <vector>

namespace platform {

struct WindowShape {
  std::string title;
  int clientWidth = 0;   // client area asked for before a menu bar is attached;
  int clientHeight = 0;  // the menu bar then takes its height from it
  bool centred = true;   // otherwise the outer top-left corner goes to (x, y)
  int x = 0, y = 0;
  bool resizable = false;
  bool minimiseBox = true;
  bool maximiseBox = false;
};

// Creates window `window`, hidden. A window already under that number is destroyed
// first (with its controls).
bool CreateTopWindow(int window, const WindowShape& shape);
void DestroyWindow(int window);
bool WindowExists(int window);

// Makes the window visible in the state it had (minimised stays minimised) and
// activates it.
void ShowWindow(int window);
void ShowWindowMinimised(int window);
void HideWindow(int window);

void SetWindowTitle(int window, const std::string& title);
void SetWindowIcon(int window, int picture);

// Keeps the window above all windows that are not on top, or puts it back among them.
void SetWindowOnTop(int window, bool onTop);
// Brings the window in front of the other programs' windows once.
void BringWindowToFront(int window);

// Outer top-left corner on the screen.
bool WindowOuterPosition(int window, int& x, int& y);
void MoveWindowOuter(int window, int x, int y);
// True if a window of this size at (x, y) would be at least partly on a screen.
bool IsPositionOnScreen(int x, int y, int width, int height);
// The top-left corner of the primary screen's available area.
void PrimaryScreenOrigin(int& x, int& y);

}  // namespace platform
