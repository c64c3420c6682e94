#include "platform/plain_arrow_style.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <initializer_list>

namespace platform {
namespace {

constexpr char kBuiltIn[] = ":/qt-project.org/styles/commonstyle/images/";

// The built-in picture `stem`-`size`.png at each size there is, read as PNG without
// asking any plug-in.
QIcon BuiltInIcon(const char* stem, std::initializer_list<int> sizes) {
  QIcon icon;
  for (const int size : sizes) {
    QImageReader reader(QString("%1%2-%3.png").arg(kBuiltIn, stem).arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

class PlainArrowStyle : public QProxyStyle {
 public:
  explicit PlainArrowStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    QIcon icon;
    switch (which) {
      case SP_ArrowLeft:
      case SP_ArrowBack:
        icon = BuiltInIcon("left", {16, 32});
        return icon.isNull() ? DrawnArrow(PE_IndicatorArrowLeft) : icon;
      case SP_ArrowRight:
      case SP_ArrowForward:
        icon = BuiltInIcon("right", {16, 32});
        return icon.isNull() ? DrawnArrow(PE_IndicatorArrowRight) : icon;
      case SP_ToolBarHorizontalExtensionButton:
        icon = BuiltInIcon("toolbar-ext-h", {8, 16, 32});
        return icon.isNull() ? DrawnArrow(PE_IndicatorArrowRight) : icon;
      case SP_ToolBarVerticalExtensionButton:
        icon = BuiltInIcon("toolbar-ext-v", {5, 10, 20});
        return icon.isNull() ? DrawnArrow(PE_IndicatorArrowDown) : icon;
      default: return QProxyStyle::standardIcon(which, option, widget);
    }
  }

 private:
  // Where a toolkit has no built-in picture: the style's arrow primitive.
  QIcon DrawnArrow(PrimitiveElement arrow) const {
    QIcon icon;
    for (const int size : {16, 32}) {
      QPixmap pixmap(size, size);
      pixmap.fill(Qt::transparent);
      QPainter painter(&pixmap);
      QStyleOption option;
      option.rect = QRect(0, 0, size, size);
      option.palette = QApplication::palette();
      option.state = State_Enabled;
      baseStyle()->drawPrimitive(arrow, &option, &painter);
      painter.end();
      icon.addPixmap(pixmap);
    }
    return icon;
  }
};

}  // namespace

void UsePlainArrowIcons() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  // Around a fresh copy of the style the application chose, so that a style the user
  // asked for (-style, QT_STYLE_OVERRIDE) stays in force.
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  if (base) QApplication::setStyle(new PlainArrowStyle(base));
}

}  // namespace platform
