#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/events.h"
#include "tests/support/program_fixture.h"

namespace {

// A picture plug-in or the SVG library mapped into this process.
bool PicturePlugInLoaded() {
  QFile maps("/proc/self/maps");
  if (!maps.open(QIODevice::ReadOnly)) return false;
  const QByteArray text = maps.readAll();
  return text.contains("/imageformats/") || text.contains("libQt6Svg");
}

// Scaling a picture, as the style does, may round a shade one step differently.
bool AlmostEqual(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
         std::abs(qBlue(a) - qBlue(b)) <= 1 && std::abs(qAlpha(a) - qAlpha(b)) <= 1;
}

QImage Painted(QGroupBox& box) {
  QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  box.render(&image);
  return image;
}

class StylePicturesTest : public ProgramTest {};

// The style reads the pictures it needs by name: showing and painting the windows loads
// no picture plug-in, and a group box is framed as the Fusion style itself frames it.
TEST_F(StylePicturesTest, GroupBoxFrameLooksAsFusionDrawsItWithoutPlugIns) {
  SetTime(2026, 12, 7, 9, 5, 7);
  Start();
  const QStyle* style = QApplication::style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  if (style->name().compare("fusion", Qt::CaseInsensitive) != 0)
    GTEST_SKIP() << "the application's style is " << style->name().toStdString();
  const QString titles[] = {"Termin", ""};
  std::vector<QImage> ours;
  for (const QString& title : titles) {
    QGroupBox box(title);
    box.resize(240, 130);
    ours.push_back(Painted(box));
  }
  platform::ProcessPendingWork();
  if (QFile::exists("/proc/self/maps")) {
    EXPECT_FALSE(PicturePlugInLoaded());
  }

  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
  ASSERT_NE(fusion, nullptr);
  for (size_t i = 0; i < ours.size(); ++i) {
    QGroupBox box(titles[i]);
    box.setStyle(fusion.get());
    box.resize(240, 130);
    const QImage theirs = Painted(box);
    int differing = 0;
    for (int y = 0; y < theirs.height(); ++y)
      for (int x = 0; x < theirs.width(); ++x)
        differing += !AlmostEqual(ours[i].pixel(x, y), theirs.pixel(x, y));
    EXPECT_EQ(differing, 0) << "title \"" << titles[i].toStdString() << "\"";
  }
}

}  // namespace
