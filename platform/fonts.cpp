#include "platform/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <map>

#include "platform/object_table.h"
#include "platform/program_identity.h"

namespace platform {
namespace {

std::map<int, QFont>& Fonts() {
  static std::map<int, QFont> fonts;
  return fonts;
}

const HeaviestCut* HeaviestCutOf(const std::string& face) {
  for (const HeaviestCut& cut : CurrentProgramIdentity().heaviestCuts)
    if (cut.face == face) return &cut;
  return nullptr;
}

double ScreenDpi() {
  if (auto* screen = QGuiApplication::primaryScreen()) return screen->logicalDotsPerInchY();
  return 96.0;
}

}  // namespace

const QFont* FindFont(int font) {
  auto it = Fonts().find(font);
  return it == Fonts().end() ? nullptr : &it->second;
}

bool LoadFont(int font, const std::string& face, int points, int weight) {
  // A heaviest cut is drawn as its family's heaviest weight, which the family's
  // stand-ins do have.
  const HeaviestCut* cut = HeaviestCutOf(face);
  const bool black = cut != nullptr;
  QFont f(ToQt(black ? cut->family : face));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * ScreenDpi() / 72.0))));
  f.setWeight(black ? QFont::Black : (weight >= 700 ? QFont::Bold : QFont::Normal));
  f.setStyleStrategy(QFont::PreferAntialias);
  Fonts()[font] = f;
  return true;
}

bool FontExists(int font) { return FindFont(font) != nullptr; }

void FreeAllFonts() { Fonts().clear(); }

}  // namespace platform
