#include "platform/built_in_style_pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <initializer_list>

#include "platform/object_table.h"

namespace platform {
namespace {

constexpr char kBuiltIn[] = ":/qt-project.org/styles/commonstyle/images/";
// How the Fusion style frames a group box: its picture, the width of the picture's
// border and the space above the frame.
constexpr char kFusionGroupBox[] = "fusion_groupbox.png";
constexpr int kFusionGroupBoxBorder = 6;
constexpr int kFusionGroupBoxTopMargin = 3;

class BuiltInPictureStyle : public QProxyStyle {
 public:
  explicit BuiltInPictureStyle(QStyle* base)
      : QProxyStyle(base), fusion_(base->name().compare("fusion", Qt::CaseInsensitive) == 0) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameGroupBox && fusion_ && HasGroupBoxFrame())
      DrawGroupBoxFrame(option, painter, widget);
    else QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  // Alt pressed and released alone takes the keyboard to the menu bar, where a letter
  // opens the title with that access key, as keyboard users know it from other desktops.
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    QIcon icon;
    switch (which) {
      case SP_ArrowLeft:
      case SP_ArrowBack: icon = BuiltInIcon("left", {16, 32}); break;
      case SP_ArrowRight:
      case SP_ArrowForward: icon = BuiltInIcon("right", {16, 32}); break;
      case SP_ToolBarHorizontalExtensionButton: icon = BuiltInIcon("toolbar-ext-h", {8, 16, 32}); break;
      case SP_ToolBarVerticalExtensionButton: icon = BuiltInIcon("toolbar-ext-v", {5, 10, 20}); break;
      default: break;
    }
    // A toolkit without these pictures gets the usual way to them.
    return icon.isNull() ? QProxyStyle::standardIcon(which, option, widget) : icon;
  }

 private:
  bool HasGroupBoxFrame() const {
    if (!groupBoxFrameRead_) {
      groupBoxFrameRead_ = true;
      const QImage picture = ReadPictureFile(QString(kBuiltIn) + kFusionGroupBox, "png");
      const int b = kFusionGroupBoxBorder;
      const int w = picture.width(), h = picture.height();
      if (w < 2 * b + 1 || h < 2 * b + 1) return false;
      groupBoxFrame_ = QPixmap::fromImage(picture);
      for (int i = 0; i < b; ++i) {
        groupBoxEdges_.top[i] = picture.pixelColor(w / 2, i);
        groupBoxEdges_.bottom[i] = picture.pixelColor(w / 2, h - b + i);
        groupBoxEdges_.left[i] = picture.pixelColor(i, h / 2);
        groupBoxEdges_.right[i] = picture.pixelColor(w - b + i, h / 2);
      }
      groupBoxMiddle_ = picture.pixelColor(w / 2, h / 2);
    }
    return !groupBoxFrame_.isNull();
  }

  // Fusion's frame, from the same picture: its corners in place, its edges, which stay
  // the same along their length, drawn line by line in their shades, and its middle, which
  // is one even shade, filled with it. The style itself stretches the picture, which
  // costs more and may round a shade one step differently.
  void DrawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    int top = kFusionGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
      top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    const QPixmap& picture = groupBoxFrame_;
    const int b = kFusionGroupBoxBorder;
    const int pw = picture.width(), ph = picture.height();
    const int x = frame.x(), y = frame.y(), fw = frame.width(), fh = frame.height();
    if (fw < 2 * b || fh < 2 * b) return;
    const QRect corners[][2] = {
        {{x, y, b, b}, {0, 0, b, b}},
        {{x + fw - b, y, b, b}, {pw - b, 0, b, b}},
        {{x, y + fh - b, b, b}, {0, ph - b, b, b}},
        {{x + fw - b, y + fh - b, b, b}, {pw - b, ph - b, b, b}},
    };
    for (const auto& [target, source] : corners) painter->drawPixmap(target, picture, source);
    for (int i = 0; i < b; ++i) {
      painter->fillRect(x + b, y + i, fw - 2 * b, 1, groupBoxEdges_.top[i]);
      painter->fillRect(x + b, y + fh - b + i, fw - 2 * b, 1, groupBoxEdges_.bottom[i]);
      painter->fillRect(x + i, y + b, 1, fh - 2 * b, groupBoxEdges_.left[i]);
      painter->fillRect(x + fw - b + i, y + b, 1, fh - 2 * b, groupBoxEdges_.right[i]);
    }
    painter->fillRect(x + b, y + b, fw - 2 * b, fh - 2 * b, groupBoxMiddle_);
  }

  // The built-in picture `stem`-`size`.png at each size there is.
  static QIcon BuiltInIcon(const char* stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
      const QImage image = ReadPictureFile(QString("%1%2-%3.png").arg(kBuiltIn, stem).arg(size), "png");
      if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
  }

  bool fusion_;
  // Fusion's group box frame, read when first painted.
  mutable bool groupBoxFrameRead_ = false;
  mutable QPixmap groupBoxFrame_;
  mutable struct {
    QColor top[kFusionGroupBoxBorder], bottom[kFusionGroupBoxBorder];
    QColor left[kFusionGroupBoxBorder], right[kFusionGroupBoxBorder];
  } groupBoxEdges_;
  mutable QColor groupBoxMiddle_;
};

}  // namespace

void UseBuiltInStylePictures() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  // Around a fresh copy of the style the application chose, so that a style the user
  // asked for (-style, QT_STYLE_OVERRIDE) stays in force.
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  if (base) QApplication::setStyle(new BuiltInPictureStyle(base));
}

}  // namespace platform
