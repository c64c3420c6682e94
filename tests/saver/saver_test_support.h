#pragma once
// Shared helpers of the saver tests: a headless Qt application, a scripted
// local clock and colour probes with tolerance for rendered faces.

#include <gtest/gtest.h>
#include <QImage>
#include <QRect>
#include <QRgb>

#include "saver/local_clock.h"
#include "saver/saver_colours.h"

namespace organsaver::test {

// Creates the one QApplication of the test run (offscreen unless the caller
// chose a platform) with the saver's font substitutions.
void EnsureQtApplication();

// Time as the tests set it; counts how often it was read.
struct ScriptedClock {
  LocalTime now;
  int reads = 0;
  LocalClock AsClock() {
    return [this] {
      ++reads;
      return now;
    };
  }
};

LocalTime At(int hour, int minute, int second, int day = 7, int month = 12, int year = 2026,
             int dayOfWeek = 1);

bool IsNear(QRgb pixel, Rgb expected, int tolerance);
// Pixels within the box (clipped to the picture) close to the colour.
int CountNear(const QImage& picture, QRect box, Rgb colour, int tolerance);
::testing::AssertionResult PixelIs(const QImage& picture, int x, int y, Rgb expected, int tolerance = 0);

}  // namespace organsaver::test
