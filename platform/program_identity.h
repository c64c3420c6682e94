#pragma once
// What the platform knows of the program it serves, handed over once at start-up. The
// platform itself names no program, language or font face.
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
  // A text field that keeps its caret all day: the caret rests after quiet seconds.
  bool restCaretWhenQuiet = false;
};

// The identity given to InitPlatform; empty before.
const ProgramIdentity& CurrentProgramIdentity();

}  // namespace platform
