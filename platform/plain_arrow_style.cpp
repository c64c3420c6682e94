#include "platform/plain_arrow_style.h"

#include <QApplication>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>

#include <initializer_list>

#include "platform/object_table.h"

namespace platform {
namespace {

constexpr char kBuiltIn[] = ":/qt-project.org/styles/commonstyle/images/";

class PlainArrowStyle : public QProxyStyle {
 public:
  explicit PlainArrowStyle(QStyle* base) : QProxyStyle(base) {}

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
  // The built-in picture `stem`-`size`.png at each size there is.
  static QIcon BuiltInIcon(const char* stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
      const QImage image = ReadPictureFile(QString("%1%2-%3.png").arg(kBuiltIn, stem).arg(size), "png");
      if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
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
