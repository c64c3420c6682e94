// Draws the pictures and icons that organclock embeds and writes them below
// <source dir>/resources. Usage: make_pictures <source dir>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "emblems.h"
#include "organ_pictures.h"
#include "palette.h"
#include "picture_files.h"

namespace {

bool Report(bool ok, const QString& path) {
  if (!ok) std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <source dir>\n");
    return 2;
  }
  // Text drawing needs a GUI application, but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QDir root(QString::fromLocal8Bit(argv[1]));
  const QString pictures = root.filePath("resources/pictures");
  const QString icons = root.filePath("resources/icons");
  if (!QDir().mkpath(pictures) || !QDir().mkpath(icons)) {
    std::fprintf(stderr, "make_pictures: cannot create the output folders below %s\n", argv[1]);
    return 1;
  }
  bool ok = true;

  // Each embedded picture at its own size and, for screens of twice the density,
  // drawn again at twice the size ("name@2x").
  for (int scale : {1, 2}) {
    const QString suffix = scale == 1 ? QString() : QString("@%1x").arg(scale);
    const QString decoration = pictures + "/decoration" + suffix + ".jpg";
    ok &= Report(DrawDecoration(scale).save(decoration, "JPG", 90), decoration);

    for (int organ = 1; organ <= 12; ++organ) {
      const QImage picture = DrawOrganPicture(organ, scale);
      const QString name = pictures + QString("/organ%1").arg(organ, 2, 10, QChar('0')) + suffix;
      if (organ == 10) {
        // The one organ picture the program loads as an 8-bit palette bitmap.
        const QString path = name + ".bmp";
        ok &= Report(WriteBmp8(ReduceTo256Colours(picture), path.toStdString()), path);
      } else {
        const QString path = name + ".jpg";
        ok &= Report(picture.convertToFormat(QImage::Format_RGB888).save(path, "JPG", 90), path);
      }
    }

    const QString button = pictures + "/appointment_button" + suffix + ".bmp";
    ok &= Report(WriteBmp24(DrawAppointmentButton(scale), button.toStdString()), button);
  }

  std::vector<IconSize> iconSizes;
  for (int size : {48, 32, 24, 16}) {
    const QImage icon = DrawClockIcon(size);
    iconSizes.push_back({icon, ReduceTo256Colours(icon)});
  }
  const QString ico = pictures + "/organclock.ico";
  ok &= Report(WriteIco(iconSizes, ico.toStdString()), ico);

  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString path = icons + QString("/organclock-%1.png").arg(size);
    ok &= Report(DrawClockIcon(size).save(path, "PNG"), path);
  }
  return ok ? 0 : 1;
}
