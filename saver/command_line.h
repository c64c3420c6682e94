#pragma once
// Reading organsaver's command line: the Windows screen-saver modes
// ("/c", "/a", "/p <handle>", "/s") and the XScreenSaver host window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace organsaver {

enum class SaverMode { Configure, ChangePassword, Preview, FullScreen };

struct SaverCommand {
  SaverMode mode = SaverMode::FullScreen;
  std::string modeArg;        // after cutting to two characters and lowering
  std::string handleArg;      // the preview host handle as text
  int64_t previewHandle = 0;  // handleArg read as a decimal number (preview only)
};

// Splits a whole Windows command line into parameters at blanks. A parameter
// that begins with a double quote runs to the next double quote (quotes removed)
// and may contain blanks. The first item, the program's own path, is dropped.
std::vector<std::string> SplitCommandLineParameters(std::string_view commandLine);

// Lowers A-Z and the Windows-1252 capitals 192-222 (the sign 215 is no letter).
std::string LowerWindows1252(std::string_view text);

// Leading blanks and tabs skipped, optional sign, digits up to the first
// non-digit; no digits give 0. Saturates instead of overflowing.
int64_t ReadDecimalHandle(std::string_view text);

// The Windows modes from the already split parameters.
SaverCommand ReadSaverCommand(const std::vector<std::string>& parameters);

// ---- XScreenSaver ----

// An X window id written in hex ("0x1a00003") or decimal; nothing for any other text.
std::optional<uint64_t> ReadXWindowId(std::string_view text);

struct XScreenSaverHost {
  bool useRootWindow = false;  // "-root" without a usable window in the environment
  uint64_t windowId = 0;       // valid when !useRootWindow
};

// XScreenSaver starts its hacks with "-root" or "-window-id <id>" and puts the
// window to draw into in XSCREENSAVER_WINDOW. Returns the window when organsaver
// was started that way; nothing for a Windows-style command line.
// environmentWindow is the value of XSCREENSAVER_WINDOW, or null when unset.
std::optional<XScreenSaverHost> FindXScreenSaverHost(const std::vector<std::string>& parameters,
                                                     const char* environmentWindow);

}  // namespace organsaver
