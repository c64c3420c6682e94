#include "saver/saver_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

#include "saver/clock_geometry.h"

namespace organsaver {

void InstallSaverFontSubstitutions() {
  QFont::insertSubstitution(QString::fromUtf8(kPreferredFontFamily), QStringLiteral("Comic Neue"));
  QFont::insertSubstitution(QString::fromUtf8(kFallbackFontFamily), QStringLiteral("Liberation Sans"));
}

std::string ChooseSaverFontFamily(const std::function<bool(std::string_view)>& familyAvailable) {
  if (familyAvailable(kPreferredFontFamily)) return std::string(kPreferredFontFamily);
  if (familyAvailable(kFallbackFontFamily)) return std::string(kFallbackFontFamily);
  return {};
}

bool FontFamilyAvailable(std::string_view family) {
  const QString name = QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
  const QStringList installed = QFontDatabase::families();
  auto isInstalled = [&](const QString& candidate) {
    return installed.contains(candidate, Qt::CaseInsensitive);
  };
  if (isInstalled(name)) return true;
  const QStringList substitutes = QFont::substitutes(name);
  return std::any_of(substitutes.begin(), substitutes.end(), isInstalled);
}

QFont LoadSaverFont(int points, int dotsPerInch) {
  QFont font;
  const std::string family = ChooseSaverFontFamily(FontFamilyAvailable);
  if (!family.empty()) font.setFamily(QString::fromStdString(family));
  font.setPixelSize(std::max(1, PixelHeightForPoints(points, dotsPerInch)));
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  font.setUnderline(false);
  return font;
}

}  // namespace organsaver
