#include "platform/label_fit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace platform {
namespace {

constexpr const char* kGivenFont = "platformGivenLabelFont";
constexpr qreal kMostSqueeze = 1.0;  // pixels taken from each gap between letters
constexpr int kSmallestPixels = 6;

qreal Width(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

// One step smaller, whether the font is sized in pixels or in points; false at the
// smallest size.
bool ShrinkOneStep(QFont& font) {
  if (font.pixelSize() > kSmallestPixels) {
    font.setPixelSize(font.pixelSize() - 1);
    return true;
  }
  if (font.pixelSize() <= 0 && font.pointSizeF() > kSmallestPixels * 0.75) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    return true;
  }
  return false;
}

}  // namespace

void SetLabelFont(QLabel* label, const QFont* font) {
  label->setProperty(kGivenFont, font ? QVariant::fromValue(*font) : QVariant());
  FitLabelText(label);
}

void FitLabelText(QLabel* label) {
  const QVariant given = label->property(kGivenFont);
  const QWidget* parent = label->parentWidget();
  QFont font = given.isValid() ? given.value<QFont>() : parent ? parent->font() : label->font();
  const QString text = label->text();
  const qreal room = label->contentsRect().width();
  bool fitted = false;
  if (room > 0 && text.size() > 1 && Width(font, text) > room) {
    fitted = true;
    const qreal squeeze =
        std::min(kMostSqueeze, (Width(font, text) - room) / static_cast<qreal>(text.size() - 1) + 0.01);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -squeeze);
    while (Width(font, text) > room && ShrinkOneStep(font)) {
    }
  }
  if (fitted || given.isValid()) label->setFont(font);
  else label->setFont(QFont());  // the window's font again
}

}  // namespace platform
