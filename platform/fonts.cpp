#include "platform/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <map>

#include "platform/registry.h"

namespace platform {
namespace {

std::map<int, QFont>& Fonts() {
  static std::map<int, QFont> fonts;
  return fonts;
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
  // "Arial Black" is the heaviest cut of Arial; its free stand-in is Liberation Sans
  // (metric-compatible with Arial) at its heaviest weight.
  const bool black = face == "Arial Black";
  QFont f(black ? QStringLiteral("Arial") : ToQt(face));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * ScreenDpi() / 72.0))));
  f.setWeight(black ? QFont::Black : (weight >= 700 ? QFont::Bold : QFont::Normal));
  f.setStyleStrategy(QFont::PreferAntialias);
  Fonts()[font] = f;
  return true;
}

bool FontExists(int font) { return FindFont(font) != nullptr; }

int FontPixelHeight(int font) {
  const QFont* f = FindFont(font);
  return f ? f->pixelSize() : 0;
}

void FreeAllFonts() { Fonts().clear(); }

}  // namespace platform
