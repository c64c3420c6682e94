// The reference for organclock's start-up, memory, idle cost and clock latency: the
// least a Qt 6 Widgets program needs to show a live "hh:mm.ss" clock. One QLabel in a
// window titled "Qt Label Clock", its text set by a one-second precise QTimer.
//
// The timer is started just after a second boundary, so the label changes when the
// second does (a free-running one-second timer would show each second up to a second
// late and make the latency comparison meaningless).
//
// Two variants show what organclock's fixed design costs by itself:
//   --poll50                 instead of the one-second timer, the main loop organclock
//                            must have: wait for events at most 50 ms, then look at the
//                            clock, and show the time when the second changed.
//   qt_label_clock_sound     (built with LABEL_CLOCK_SOUND) also opens the sound output
//                            at start, with SDL2_mixer as organclock does.
//   qt_label_clock_lean_sound  (built with LABEL_CLOCK_LEAN_SOUND) opens it with SDL2's
//                            own audio and readies libmpg123 instead: the leanest stack
//                            on Debian's packages that plays WAV and MP3 without a
//                            decoder of our own.
#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFont>
#include <QLabel>
#include <QTimer>

#include <cstring>

#ifdef LABEL_CLOCK_SOUND
#include <SDL.h>
#include <SDL_mixer.h>
#endif
#ifdef LABEL_CLOCK_LEAN_SOUND
#include <SDL.h>
#include <mpg123.h>
#endif

namespace {

void ShowTime(QLabel& label) { label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm.ss"))); }

int MillisecondsToNextSecond() { return 1000 - QTime::currentTime().msec() + 1; }

[[noreturn]] void RunFiftyMillisecondLoop(QLabel& label) {
  bool expired = false;
  QTimer wait;
  wait.setSingleShot(true);
  wait.setTimerType(Qt::PreciseTimer);
  QObject::connect(&wait, &QTimer::timeout, [&expired] { expired = true; });
  int shown = QTime::currentTime().second();
  for (;;) {
    const int second = QTime::currentTime().second();
    if (second != shown) {
      shown = second;
      ShowTime(label);
    }
    expired = false;
    wait.start(50);
    while (!expired) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
#ifdef LABEL_CLOCK_SOUND
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // SIGTERM must still end it
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    Mix_Init(MIX_INIT_MP3);
    Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048);
  }
#endif
#ifdef LABEL_CLOCK_LEAN_SOUND
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 2048;
    SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  }
  mpg123_init();
  mpg123_handle* decoder = mpg123_new(nullptr, nullptr);
  (void)decoder;  // kept for the program's life, as a player would keep it
#endif
  QLabel label;
  label.setWindowTitle(QStringLiteral("Qt Label Clock"));
  // The same face and size as organclock's large clock, at the same place in a
  // window of about the same size, so both programs draw comparable pixels.
  QFont font(QStringLiteral("Arial"), 48);
  font.setWeight(QFont::Black);
  label.setFont(font);
  label.setAlignment(Qt::AlignCenter);
  label.setFixedSize(300, 95);
  ShowTime(label);
  label.move(300, 10);
  label.show();

  if (argc > 1 && std::strcmp(argv[1], "--poll50") == 0) RunFiftyMillisecondLoop(label);

  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1000);
  QObject::connect(&tick, &QTimer::timeout, [&label] { ShowTime(label); });
  QTimer::singleShot(MillisecondsToNextSecond(), Qt::PreciseTimer, [&label, &tick] {
    ShowTime(label);
    tick.start();
  });
  return application.exec();
}
