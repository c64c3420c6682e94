// The reference for organclock's start-up, memory, idle cost and clock latency: the
// least a Qt 6 Widgets program needs to show a live "hh:mm.ss" clock. One QLabel in a
// window titled "Qt Label Clock", its text set by a one-second precise QTimer.
//
// The timer is started just after a second boundary, so the label changes when the
// second does (a free-running one-second timer would show each second up to a second
// late and make the latency comparison meaningless).
#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QLabel>
#include <QTimer>

namespace {

void ShowTime(QLabel& label) {
  label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm.ss")));
}

int MillisecondsToNextSecond() { return 1000 - QTime::currentTime().msec() + 1; }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
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
