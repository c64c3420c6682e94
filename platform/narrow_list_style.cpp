#include "platform/narrow_list_style.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace platform {
namespace {

constexpr int kArrowWidth = 13;
constexpr int kPadding = 2;  // between frame and text

class NarrowListStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    if (control == CC_ComboBox && option && option->rect.width() <= kNarrowListWidth) {
      const QRect r = option->rect;
      if (part == SC_ComboBoxArrow)
        return visualRect(option->direction, r,
                          QRect(r.right() - kArrowWidth + 1, r.top(), kArrowWidth, r.height()));
      if (part == SC_ComboBoxEditField)
        return visualRect(option->direction, r,
                          QRect(r.left() + kPadding, r.top() + kPadding,
                                r.width() - kArrowWidth - kPadding - 1, r.height() - 2 * kPadding));
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
  }
};

}  // namespace

void UseNarrowListStyle(QComboBox* combo) {
  static QPointer<NarrowListStyle> style;
  if (!style) {
    style = new NarrowListStyle;
    style->setParent(QCoreApplication::instance());  // one for all lists, ends with the application
  }
  combo->setStyle(style);
}

}  // namespace platform
