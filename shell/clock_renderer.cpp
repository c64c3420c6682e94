#include "shell/clock_renderer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "shell/clock_controls.h"
#include "shell/program.h"
#include "shell/state/identifiers.h"
#include "shell/text_contrast.h"

namespace {

struct ClockPicture {
  int picture;
  ClockSize size;
  int font, offset, control;
};

constexpr ClockPicture kLargeClock{kPictureLargeClock, kLargeClockSize, kFontLargeClock, -4,
                                   kCtlLargeClock};
constexpr ClockPicture kSmallClock{kPictureSmallClock, kSmallClockSize, kFontSmallClock, -5,
                                   kCtlSmallClock};
// The renderer wakes just after the second boundary, before the main loop does.
constexpr int kRendererGraceMs = 1;
constexpr platform::Rgb kBlack{0, 0, 0};

// The colours a clock picture is drawn in, read once when the renderer starts.
struct ClockColours {
  platform::Rgb background;
  platform::Rgb text;
};

std::thread g_thread;
std::mutex g_mutex;
std::condition_variable g_wake;
bool g_stop = false;
bool g_nudged = false;
std::atomic<long> g_drawCount{0};

void DrawClockPicture(const ClockPicture& p, const ClockColours& colours, const std::string& text) {
  if (!platform::PictureExists(p.picture)) return;
  platform::FillPictureRect(p.picture, 0, 0, p.size.width, p.size.height, colours.background);
  const int textWidth = platform::TextWidth(p.font, text);
  const int x = (p.size.width - textWidth) / 2 + p.offset;
  platform::DrawPictureText(p.picture, p.font, x, 0, colours.text, text);
}

void RenderLoop(ClockColours colours) {
  std::string lastDrawn;
  for (;;) {
    // One reading a frame; the wake-up is measured from it, however long drawing took.
    const platform::SteadyTime read = platform::SteadyNow();
    const platform::LocalTime now = platform::Now();
    const std::string text = FormatClockText(now);
    if (text != lastDrawn) {
      DrawClockPicture(kLargeClock, colours, text);
      DrawClockPicture(kSmallClock, colours, text);
      // Both in one hand-over, so the main thread wakes once for them. A control shows
      // its picture once it exists (the small window comes later); screen readers read
      // it as "hh:mm", which changes once a minute.
      platform::HandPicturesToControls(
          {{kLargeClock.control, kLargeClock.picture}, {kSmallClock.control, kSmallClock.picture}},
          text.substr(0, 5));
      lastDrawn = text;
      ++g_drawCount;
    }
    // Sleep until the second changes instead of polling: an idle program should wake
    // the processor as rarely as possible.
    std::unique_lock<std::mutex> lock(g_mutex);
    g_wake.wait_until(lock,
                      read + std::chrono::milliseconds(MillisecondsToNextSecond(now, kRendererGraceMs)),
                      [] { return g_stop || g_nudged; });
    if (g_stop) return;
    g_nudged = false;
  }
}

}  // namespace

std::string FormatClockText(const platform::LocalTime& t) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d.%02d", t.hour % 100, t.minute % 100, t.second % 100);
  return buffer;
}

void StartClockRenderer() {
  if (g_thread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_stop = false;
    g_nudged = false;
  }
  // Read on the main thread: the window background the clocks blend into. Black reads
  // on the usual light one; a dark desktop theme gets a light clock.
  const platform::Rgb background = platform::ButtonFaceColour();
  g_thread = std::thread(RenderLoop, ClockColours{background, ReadableTextColour(kBlack, background)});
}

void StopClockRenderer() {
  if (!g_thread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_stop = true;
  }
  g_wake.notify_all();
  g_thread.join();
}

bool IsClockRendererRunning() { return g_thread.joinable(); }

void WakeClockRenderer() {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_nudged = true;
  }
  g_wake.notify_all();
}

long ClockRendererDrawCount() { return g_drawCount.load(); }
