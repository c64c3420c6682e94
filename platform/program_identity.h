#pragma once
// What the platform knows of the program it serves, handed over once at start-up. The
// platform itself names no program, language or font face.
#include <chrono>
#include <string>
#include <vector>

namespace platform {

// A face the program names and the free families that stand in for it, in order of
// preference, where the face itself is not installed.
struct FontStandIn {
  std::string face;
  std::vector<std::string> families;
};

// A face that is the heaviest cut of another family: it is drawn as that family at its
// heaviest weight, since the family's stand-ins have no such face of their own.
struct HeaviestCut {
  std::string face;
  std::string family;
};

// What a screen reader says for the parts of controls that show no text of their own
// (Windows-1252).
struct ControlPartNames {
  std::string previousMonth;  // the arrow buttons and the year field of a month calendar
  std::string nextMonth;
  std::string year;
  std::string verticalScrollBar;  // the scroll bars of text fields and lists
  std::string horizontalScrollBar;
};

// The font of every control the program gives no font of its own: a face (or one of
// its stand-ins) at a fixed size in logical pixels, so that the fixed layout of the
// windows does not follow the desktop's font size; a larger scale comes through the
// screen's scale factor.
struct ControlFont {
  std::string face;
  int pixelSize = 0;  // 0: the desktop's font
};

// Where the pictures built into the program are kept, as resource paths (":/..."). Each
// answers nullptr for a picture that has no such drawing; a missing function, for all.
struct EmbeddedPictureNames {
  const char* (*plain)(int picture) = nullptr;
  // Further, larger sizes of an icon picture, in rising order, ended by nullptr.
  const char* const* (*iconSizes)(int picture) = nullptr;
  // The same picture drawn at twice its size, for screens of twice the pixel density.
  const char* (*twiceSize)(int picture) = nullptr;
};

struct ProgramIdentity {
  // The application's name; also the desktop entry its notifications name, and the
  // start of the address by which a second start finds the running one.
  std::string name;
  // The name a user reads for the program, as the sender of its notifications
  // (Windows-1252).
  std::string displayName;
  // The locale of dates in the controls and of the toolkit's own dialog texts, as
  // language_COUNTRY ("de_DE").
  std::string locale;
  std::vector<FontStandIn> fontStandIns;
  std::vector<HeaviestCut> heaviestCuts;
  ControlPartNames partNames;
  ControlFont controlFont;
  // How date fields show a date, and how a date field's text is read and written, in
  // the toolkit's date notation ("dd.MM.yyyy"); empty: the locale's short form.
  std::string dateMask;
  // For a text field that keeps its caret all day: the caret stops blinking after this
  // long without keyboard or mouse input (see caret_rest.h); zero: it always blinks.
  std::chrono::seconds caretRest{0};
  EmbeddedPictureNames embeddedPictures;
};

// The identity given to InitPlatform; empty before.
const ProgramIdentity& CurrentProgramIdentity();

}  // namespace platform
