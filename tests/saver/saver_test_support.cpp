#include "tests/saver/saver_test_support.h"

#include <QApplication>
#include <cstdlib>

#include "saver/saver_fonts.h"

namespace organsaver::test {

void EnsureQtApplication() {
  static QApplication* application = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "saver_tests";
    static char* argv[] = {name, nullptr};
    auto* created = new QApplication(argc, argv);  // lives until the process ends
    InstallSaverFontSubstitutions();
    return created;
  }();
  (void)application;
}

LocalTime At(int hour, int minute, int second, int day, int month, int year, int dayOfWeek) {
  return {.year = year,
          .month = month,
          .day = day,
          .dayOfWeek = dayOfWeek,
          .hour = hour,
          .minute = minute,
          .second = second};
}

bool IsNear(QRgb pixel, Rgb expected, int tolerance) {
  return std::abs(qRed(pixel) - expected.r) <= tolerance &&
         std::abs(qGreen(pixel) - expected.g) <= tolerance &&
         std::abs(qBlue(pixel) - expected.b) <= tolerance;
}

int CountNear(const QImage& picture, QRect box, Rgb colour, int tolerance) {
  const QRect clipped = box.intersected(picture.rect());
  int count = 0;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y)
    for (int x = clipped.left(); x <= clipped.right(); ++x)
      if (IsNear(picture.pixel(x, y), colour, tolerance)) ++count;
  return count;
}

::testing::AssertionResult PixelIs(const QImage& picture, int x, int y, Rgb expected, int tolerance) {
  if (!picture.rect().contains(x, y))
    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside the picture";
  const QRgb pixel = picture.pixel(x, y);
  if (IsNear(pixel, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is (" << qRed(pixel) << ", " << qGreen(pixel) << ", "
         << qBlue(pixel) << "), expected (" << int(expected.r) << ", " << int(expected.g) << ", "
         << int(expected.b) << ")";
}

}  // namespace organsaver::test
