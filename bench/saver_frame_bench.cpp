// Time to draw one full-screen frame of organsaver at 1920x1080 and 3840x2160.
// Prints the figures only; it asserts nothing about speed.

#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>

#include "saver/clock_display.h"
#include "saver/saver_fonts.h"

namespace {

void MeasureFrames(int width, int height) {
  using Clock = std::chrono::steady_clock;
  organsaver::ClockDisplay display =
      organsaver::SetUpClockDisplay(width, height, organsaver::FaceStyle::FullScreen, 96, 12345);
  QImage picture(width, height, QImage::Format_RGB32);
  organsaver::LocalTime now{2026, 12, 6, 0, 10, 9, 37};

  // Warm up: fonts, glyph caches, the texts of the second frame.
  for (int i = 0; i < 5; ++i) {
    organsaver::DrawClockFrame(display, picture, now);
    organsaver::RefreshClockTexts(display.texts, now);
    organsaver::MoveClockDial(display);
  }
  const int frames = width > 2000 ? 120 : 300;
  const auto start = Clock::now();
  for (int i = 0; i < frames; ++i) {
    now.second = i % 60;  // the hands move, as in a real run
    organsaver::DrawClockFrame(display, picture, now);
    organsaver::RefreshClockTexts(display.texts, now);
    organsaver::MoveClockDial(display);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  const double perFrameMs = seconds * 1000.0 / frames;
  std::printf("%4dx%-4d  %7.3f ms per frame  %8.1f frames per second  (%d frames)\n", width, height,
              perFrameMs, 1000.0 / perFrameMs, frames);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  organsaver::InstallSaverFontSubstitutions();
  MeasureFrames(1920, 1080);
  MeasureFrames(3840, 2160);
  return 0;
}
