// The reference for organsaver's frame cost: a clock face drawn with plain QPainter
// calls, one call per shape, with as many shapes as one organsaver frame has:
//   1 fill of the whole picture, 3 circle outlines (the ring's two and the organ disc),
//   69 lines (61 ticks, the 3 sides of each of the 2 hands, the second hand and its
//   tail), 2 filled triangles (the hands), 2 filled discs (the organ disc and the hub),
//   16 texts (13 numerals, the 3 is drawn twice; the date line; the organ's two lines).
// The face is as large as organsaver's (radius = height / 3.072), uses the same font
// sizes, and moves one pixel per frame and axis, bouncing off the edges.
//
//   plain_painter_face --frames   time one frame at 1920x1080 and 3840x2160 (offscreen)
//   plain_painter_face --window   full-screen window, one frame per display refresh
//                                 (as organsaver /s), until killed
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Face {
  int width = 0, height = 0, R = 0;
  float centreX = 0, centreY = 0, speedX = 1, speedY = 1;
  QFont numerals, organ, date;
  unsigned seed = 12345;
};

QFont FaceFont(int points) {
  QFont font(QStringLiteral("Comic Neue"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  return font;
}

Face SetUpFace(int width, int height) {
  Face f;
  f.width = width;
  f.height = height;
  f.R = static_cast<int>(std::lround(height / 3.072));
  f.centreX = static_cast<float>(width) / 2.0f;
  f.centreY = static_cast<float>(height) / 2.0f;
  f.numerals = FaceFont(f.R / 15);
  f.organ = FaceFont(f.R / 32);
  f.date = FaceFont(f.R / 10);
  return f;
}

QPointF OnDial(QPointF centre, double radius, double degrees) {
  const double a = degrees * M_PI / 180.0;
  return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

void DrawText(QPainter& p, const QFont& font, QPointF at, const QString& text) {
  p.setFont(font);
  const QFontMetrics m(font);
  // Whole pixels, as organsaver centres its texts.
  const int halfWidth = m.horizontalAdvance(text) / 2;
  const int halfHeight = m.height() / 2;
  p.drawText(QPointF(at.x() - halfWidth, at.y() - halfHeight + m.ascent()), text);
}

void DrawHand(QPainter& p, QPointF c, double halfWidth, double length, double angle, QColor colour) {
  const QPointF tip = OnDial(c, length, angle);
  const QPointF back = OnDial(c, halfWidth, angle + 180);
  const QPointF corner1 = OnDial(back, halfWidth, angle + 270);
  const QPointF corner2 = OnDial(back, halfWidth, angle + 90);
  p.setPen(colour);
  p.drawLine(corner1, tip);
  p.drawLine(corner2, tip);
  p.drawLine(corner1, corner2);
  const QPointF triangle[3] = {corner1, corner2, tip};
  p.setBrush(colour);
  p.drawPolygon(triangle, 3);
  p.setBrush(Qt::NoBrush);
}

void DrawFace(const Face& f, QImage& picture, int hour, int minute, int second) {
  QPainter p(&picture);
  p.fillRect(picture.rect(), Qt::black);
  const QPointF c(std::round(f.centreX), std::round(f.centreY));
  const int R = f.R;
  // The face's integer measures, as organsaver computes them.
  const int numeralInset = R / 15;
  const int halfRadius = R / 2;
  const int handHalfWidth = R / 30;
  const int hubRadius = R / 60;
  p.setPen(Qt::white);
  p.drawEllipse(c, R, R);
  p.drawEllipse(c, R - 1, R - 1);
  for (int a = 0; a <= 360; a += 6) {
    p.setPen(Qt::white);
    p.drawLine(OnDial(c, a % 30 == 0 ? R / 1.0714 : R / 1.03448, a), OnDial(c, R - 1, a));
    if (a % 30 == 0) {
      int n = a / 30 + 3;
      if (n > 12) n -= 12;
      p.setPen(QColor(255, 255, 0));
      DrawText(p, f.numerals, OnDial(c, R / 1.0714 - numeralInset, a), QString::number(n));
    }
  }
  p.setPen(QColor(0, 255, 200));
  DrawText(p, f.date, QPointF(c.x(), c.y() + halfRadius), QStringLiteral("Mo. 07.12.2026"));
  const double hourAngle = ((hour % 12) * 3600 + minute * 60 + second) * 360.0 / 43200 - 90;
  DrawHand(p, c, handHalfWidth, halfRadius, hourAngle, QColor(0, 0, 255));
  const QPointF disc = OnDial(c, R / 4.2, hourAngle);
  const double discRadius = std::round(R / 8.5);
  p.setPen(QColor(6, 6, 255));
  p.setBrush(QColor(6, 6, 255));
  p.drawEllipse(disc, discRadius, discRadius);
  p.setBrush(Qt::NoBrush);
  p.setPen(Qt::white);
  const int halfOrganHeight = QFontMetrics(f.organ).height() / 2;
  DrawText(p, f.organ, QPointF(disc.x(), disc.y() - halfOrganHeight), QStringLiteral("Gallenblase"));
  DrawText(p, f.organ, QPointF(disc.x(), disc.y() + halfOrganHeight), QStringLiteral("23-01 Uhr"));
  DrawHand(p, c, handHalfWidth, std::round(R / 1.5), minute * 6 - 90, QColor(0, 255, 0));
  p.setPen(QColor(255, 0, 0));
  p.drawLine(c, OnDial(c, R / 1.45, second * 6 - 90));
  p.drawLine(c, OnDial(c, R / 20.0, second * 6 + 90));
  p.setBrush(QColor(255, 0, 0));
  p.drawEllipse(c, hubRadius, hubRadius);
}

void MoveFace(Face& f) {
  auto speed = [&f] {
    f.seed = f.seed * 1103515245u + 12345u;
    return 1.0f + static_cast<float>((f.seed >> 16) % 101) / 100.0f;
  };
  f.centreX += f.speedX;
  f.centreY += f.speedY;
  const float left = static_cast<float>(f.R), right = static_cast<float>(f.width - f.R);
  const float top = static_cast<float>(f.R), bottom = static_cast<float>(f.height - f.R);
  if (f.centreX >= right) f.centreX = right, f.speedX = -speed();
  if (f.centreX <= left) f.centreX = left, f.speedX = speed();
  if (f.centreY >= bottom) f.centreY = bottom, f.speedY = -speed();
  if (f.centreY <= top) f.centreY = top, f.speedY = speed();
}

// Same method as saver_frame_bench: warm up, then time a run of frames.
void MeasureFrames(int width, int height) {
  Face face = SetUpFace(width, height);
  QImage picture(width, height, QImage::Format_RGB32);
  for (int i = 0; i < 5; ++i) DrawFace(face, picture, 0, 10, i), MoveFace(face);
  const int frames = width > 2000 ? 120 : 300;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; ++i) {
    DrawFace(face, picture, 0, 10, i % 60);
    MoveFace(face);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double perFrameMs = seconds * 1000.0 / frames;
  std::printf("%4dx%-4d  %7.3f ms per frame  %8.1f frames per second  (%d frames)\n", width, height,
              perFrameMs, 1000.0 / perFrameMs, frames);
}

// Shows the picture as organsaver's picture control does: an opaque widget that draws
// the finished image, repainted at once after each frame.
class FaceWindow : public QWidget {
 public:
  explicit FaceWindow(QSize size)
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
        face_(SetUpFace(size.width(), size.height())),
        picture_(size, QImage::Format_RGB32) {
    setWindowTitle(QStringLiteral("Plain Painter Face"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, size.width(), size.height());
  }

  void Frame() {
    const QTime now = QTime::currentTime();
    DrawFace(face_, picture_, now.hour(), now.minute(), now.second());
    repaint();
    MoveFace(face_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
  }

 private:
  Face face_;
  QImage picture_;
};

int RunWindow(QApplication& application) {
  QScreen* screen = application.primaryScreen();
  FaceWindow window(screen->size());
  window.show();
  // One frame per refresh, due times counted from a steady clock so they do not drift.
  const double hz =
      screen->refreshRate() >= 1 && screen->refreshRate() <= 1000 ? screen->refreshRate() : 60;
  const auto period = std::chrono::nanoseconds(static_cast<long long>(1e9 / hz));
  auto due = std::chrono::steady_clock::now();
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    window.Frame();
    const auto now = std::chrono::steady_clock::now();
    due = std::max(due + period, now);
    timer.start(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(due - now).count()));
  });
  timer.start(0);
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
  if (!window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (window) return RunWindow(application);
  MeasureFrames(1920, 1080);
  MeasureFrames(3840, 2160);
  return 0;
}
