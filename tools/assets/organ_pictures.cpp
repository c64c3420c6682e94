#include "organ_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cmath>

#include "drawing_kit.h"

namespace {

struct OrganInfo {
  const char* name;   // title, UTF-8
  const char* title;  // may break into two lines where the picture is narrow
  int from, to;       // period hours
  int width, height;
};

const std::array<OrganInfo, 12> kOrgans = {{
    {"Lunge", "Lunge", 3, 5, 225, 187},
    {"Dickdarm", "Dickdarm", 5, 7, 234, 171},
    {"Magen", "Magen", 7, 9, 202, 201},
    {"Pankreas", "Pankreas", 9, 11, 206, 158},
    {"Herz", "Herz", 11, 13, 239, 203},
    {"Dünndarm", "Dünndarm", 13, 15, 212, 202},
    {"Blase", "Blase", 15, 17, 209, 190},
    {"Nieren", "Nieren", 17, 19, 187, 201},
    {"Pericard Kreislauf", "Pericard\nKreislauf", 19, 21, 119, 201},
    {"Drei Erwärmer", "Drei Erwärmer", 21, 23, 211, 199},
    {"Gallenblase", "Gallenblase", 23, 1, 213, 171},
    {"Leber", "Leber", 1, 3, 216, 183},
}};

// Maps the drawing's own 0..100 square onto `box`, so each organ is described
// once and fitted to its picture.
QTransform Unit(const QRectF& box) {
  return QTransform::fromTranslate(box.left(), box.top()).scale(box.width() / 100.0, box.height() / 100.0);
}

QPointF At(const QTransform& t, double x, double y) { return t.map(QPointF(x, y)); }

// Draws a hollow organ tube: a dark rim, a coloured body and a light ridge.
void Tube(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour.darker(200), width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(colour.lighter(135), std::max(1.0, width / 4), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path.translated(-width / 6, -width / 6));
}

// Short cross strokes along a tube: the rings of the windpipe, the pouches of the colon.
void CrossMarks(QPainter& p, const QPainterPath& path, double halfWidth, int count, const QColor& colour) {
  p.setPen(QPen(colour, 0.9));
  for (int i = 1; i < count; ++i) {
    const double t = double(i) / count;
    const QPointF c = path.pointAtPercent(t);
    const double a = (path.angleAtPercent(t) + 90) * M_PI / 180.0;
    const QPointF d(std::cos(a) * halfWidth, -std::sin(a) * halfWidth);
    p.drawLine(c - d, c + d);
  }
}

void FillShape(QPainter& p, const QPainterPath& path, const QColor& colour) {
  p.setPen(OutlinePen(colour));
  p.setBrush(Shaded(path.boundingRect(), colour));
  p.drawPath(path);
}

void DrawLung(QPainter& p, const QRectF& area) {
  const double cx = area.center().x();
  const QTransform t = Unit(QRectF(cx - 42, area.top() + 4, 84, area.height() - 8));
  const QColor lungColour(232, 140, 150);

  // Viewer's left lung (the body's right lung) in unit space; the other is its mirror.
  QPainterPath lung;
  lung.moveTo(34, 14);
  lung.cubicTo(14, 16, 2, 55, 4, 96);
  lung.cubicTo(18, 90, 34, 88, 46, 94);
  lung.cubicTo(42, 72, 48, 52, 44, 36);
  lung.cubicTo(42, 24, 40, 14, 34, 14);
  const QTransform mirror = QTransform::fromTranslate(100, 0).scale(-1, 1);
  const QPainterPath right = t.map(lung);
  QPainterPath leftLung = mirror.map(lung);
  // The heart leaves a notch in the body's left lung.
  QPainterPath notch;
  notch.addEllipse(QRectF(44, 66, 20, 26));
  leftLung = leftLung.subtracted(notch);
  const QPainterPath left = t.map(leftLung);
  FillShape(p, right, lungColour);
  FillShape(p, left, lungColour);

  // Fissures between the lobes.
  p.setPen(QPen(lungColour.darker(170), 1.0));
  p.setBrush(Qt::NoBrush);
  QPainterPath fissures;
  fissures.moveTo(At(t, 6, 62));
  fissures.quadTo(At(t, 24, 52), At(t, 44, 44));
  fissures.moveTo(At(t, 10, 40));
  fissures.quadTo(At(t, 26, 42), At(t, 43, 42));
  fissures.moveTo(At(t, 94, 70));
  fissures.quadTo(At(t, 76, 52), At(t, 57, 36));
  p.drawPath(fissures);

  // Windpipe and bronchial tree.
  QPainterPath trachea;
  trachea.moveTo(At(t, 50, 0));
  trachea.lineTo(At(t, 50, 36));
  const QColor airway(236, 226, 214);
  Tube(p, trachea, airway, 8);
  CrossMarks(p, trachea, 4, 9, airway.darker(160));
  QPainterPath bronchi;
  bronchi.moveTo(At(t, 50, 36));
  bronchi.quadTo(At(t, 40, 40), At(t, 34, 50));
  bronchi.moveTo(At(t, 50, 36));
  bronchi.quadTo(At(t, 60, 40), At(t, 66, 50));
  Tube(p, bronchi, airway, 5);
  QPainterPath twigs;
  const double ends[][4] = {{34, 50, 24, 38}, {34, 50, 20, 62}, {34, 50, 30, 76}, {24, 62, 14, 72},
                            {66, 50, 76, 38}, {66, 50, 80, 62}, {66, 50, 72, 78}, {80, 62, 88, 74}};
  for (const auto& e : ends) {
    twigs.moveTo(At(t, e[0], e[1]));
    twigs.lineTo(At(t, e[2], e[3]));
  }
  Tube(p, twigs, airway, 2.2);

  Label(p, At(t, 50, 12), QPointF(cx + 36, area.top() + 8), "Luftröhre", Side::Right);
  Label(p, At(t, 40, 41), QPointF(cx - 36, area.top() + 14), "Bronchien", Side::Left);
  Label(p, At(t, 10, 72), QPointF(area.left() + 62, area.bottom() - 30), "rechter\nLungenflügel",
        Side::Left);
  Label(p, At(t, 90, 72), QPointF(area.right() - 62, area.bottom() - 30), "linker\nLungenflügel",
        Side::Right);
}

void DrawLargeIntestine(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 48, area.top() + 6, 96, area.height() - 10));
  const QColor colonColour(214, 160, 120);
  QPainterPath colon;
  colon.moveTo(At(t, 10, 82));
  colon.lineTo(At(t, 8, 20));
  colon.quadTo(At(t, 8, 8), At(t, 22, 10));
  colon.cubicTo(At(t, 42, 22), At(t, 62, 22), At(t, 80, 10));
  colon.quadTo(At(t, 94, 8), At(t, 92, 20));
  colon.lineTo(At(t, 90, 70));
  colon.cubicTo(At(t, 90, 88), At(t, 70, 78), At(t, 60, 86));
  colon.quadTo(At(t, 54, 90), At(t, 55, 100));
  Tube(p, colon, colonColour, 13);
  CrossMarks(p, colon, 6.5, 34, colonColour.darker(150));
  // Blind gut with the appendix.
  QPainterPath caecum;
  caecum.addEllipse(QRectF(At(t, 1, 78), At(t, 19, 96)));
  FillShape(p, caecum, colonColour);
  QPainterPath appendix;
  appendix.moveTo(At(t, 12, 95));
  appendix.cubicTo(At(t, 16, 104), At(t, 26, 98), At(t, 24, 92));
  Tube(p, appendix, colonColour, 3);

  Label(p, At(t, 50, 21), At(t, 50, 38), "Querdarm", Side::Below);
  Label(p, At(t, 8, 40), QPointF(area.left() + 66, area.top() + 40), "aufsteigender\nTeil", Side::Left, 9);
  Label(p, At(t, 92, 40), QPointF(area.right() - 66, area.top() + 40), "absteigender\nTeil", Side::Right,
        9);
  Label(p, At(t, 6, 90), QPointF(area.left() + 60, area.bottom() - 12), "Blinddarm", Side::Left);
  Label(p, At(t, 75, 82), QPointF(area.right() - 60, area.bottom() - 30), "S-Darm", Side::Right);
  Label(p, At(t, 56, 96), QPointF(area.right() - 60, area.bottom() - 6), "Mastdarm", Side::Right);
}

void DrawStomach(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 40, area.top() + 6, 100, area.height() - 10));
  const QColor stomachColour(230, 150, 140);
  QPainterPath oesophagus;
  oesophagus.moveTo(At(t, 40, 0));
  oesophagus.lineTo(At(t, 43, 22));
  Tube(p, oesophagus, QColor(226, 170, 150), 9);

  QPainterPath duodenum;
  duodenum.moveTo(At(t, 12, 66));
  duodenum.lineTo(At(t, -4, 62));
  duodenum.quadTo(At(t, -14, 62), At(t, -14, 76));
  duodenum.lineTo(At(t, -12, 98));
  Tube(p, duodenum, QColor(222, 176, 130), 8);

  QPainterPath stomach;
  stomach.moveTo(At(t, 40, 20));
  stomach.cubicTo(At(t, 42, 4), At(t, 80, 0), At(t, 84, 24));
  stomach.cubicTo(At(t, 90, 58), At(t, 72, 92), At(t, 44, 90));
  stomach.cubicTo(At(t, 30, 89), At(t, 18, 80), At(t, 12, 72));
  stomach.lineTo(At(t, 12, 60));
  stomach.cubicTo(At(t, 26, 64), At(t, 46, 66), At(t, 48, 46));
  stomach.cubicTo(At(t, 49, 36), At(t, 48, 26), At(t, 40, 20));
  FillShape(p, stomach, stomachColour);
  // Folds of the stomach lining.
  p.setPen(QPen(stomachColour.darker(140), 0.9));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) {
    QPainterPath fold;
    fold.moveTo(At(t, 56 + i * 5, 30 + i * 3));
    fold.cubicTo(At(t, 70 + i * 2, 50), At(t, 50, 70 + i * 3), At(t, 28 + i * 3, 72 + i * 3));
    p.drawPath(fold);
  }
  // The pylorus ring.
  p.setPen(QPen(stomachColour.darker(190), 2.2));
  p.drawLine(At(t, 12, 60), At(t, 12, 72));

  Label(p, At(t, 41, 8), QPointF(area.left() + 58, area.top() + 8), "Speiseröhre", Side::Left);
  Label(p, At(t, 70, 6), QPointF(area.right() - 30, area.top() - 2), "Magengrund", Side::Above, 9.5);
  Label(p, At(t, 78, 54), QPointF(area.right() - 18, area.top() + 74), "Magen-\nkörper", Side::Below, 9.5);
  Label(p, At(t, 12, 64), QPointF(area.left() + 38, area.top() + 52), "Pförtner", Side::Above);
  Label(p, At(t, -12, 88), QPointF(area.left() + 52, area.bottom() - 10), "Zwölffingerdarm", Side::Right);
}

void DrawPancreas(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.left() + 8, area.top() + 4, area.width() - 16, area.height() - 8));
  // The duodenum curves round the head of the pancreas.
  QPainterPath duodenum;
  duodenum.moveTo(At(t, 26, 12));
  duodenum.quadTo(At(t, 6, 12), At(t, 6, 50));
  duodenum.quadTo(At(t, 6, 88), At(t, 30, 86));
  duodenum.lineTo(At(t, 42, 84));
  Tube(p, duodenum, QColor(222, 176, 130), 10);

  const QColor spleenColour(150, 70, 110);
  QPainterPath spleen;
  spleen.moveTo(At(t, 82, 6));
  spleen.cubicTo(At(t, 100, 4), At(t, 104, 36), At(t, 94, 50));
  spleen.cubicTo(At(t, 88, 56), At(t, 84, 40), At(t, 80, 30));
  spleen.cubicTo(At(t, 76, 20), At(t, 76, 8), At(t, 82, 6));
  FillShape(p, spleen, spleenColour);

  const QColor glandColour(238, 196, 120);
  QPainterPath gland;
  gland.moveTo(At(t, 14, 38));
  gland.cubicTo(At(t, 12, 64), At(t, 22, 76), At(t, 32, 70));
  gland.cubicTo(At(t, 40, 64), At(t, 44, 54), At(t, 56, 48));
  gland.cubicTo(At(t, 66, 44), At(t, 76, 40), At(t, 84, 34));
  gland.cubicTo(At(t, 86, 28), At(t, 78, 26), At(t, 70, 28));
  gland.cubicTo(At(t, 56, 30), At(t, 40, 30), At(t, 30, 28));
  gland.cubicTo(At(t, 20, 26), At(t, 14, 30), At(t, 14, 38));
  FillShape(p, gland, glandColour);
  // Lobules of the gland as small bumps.
  p.setPen(QPen(glandColour.darker(135), 0.7));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 14; ++i) {
    const double x = 20 + i * 4.6, y = 40 - i * 0.6 + ((i % 2) ? 4 : -3);
    p.drawEllipse(At(t, x, y), 2.2, 1.8);
  }
  // Pancreatic duct running to the duodenum.
  QPainterPath duct;
  duct.moveTo(At(t, 80, 33));
  duct.cubicTo(At(t, 56, 38), At(t, 36, 40), At(t, 24, 56));
  duct.lineTo(At(t, 8, 58));
  p.setPen(QPen(QColor(170, 130, 60), 1.2));
  p.drawPath(duct);

  Label(p, At(t, 22, 60), At(t, 34, 100), "Kopf", Side::Above);
  Label(p, At(t, 50, 44), At(t, 58, 100), "Körper", Side::Above);
  Label(p, At(t, 80, 34), At(t, 82, 100), "Schwanz", Side::Above);
  Label(p, At(t, 92, 40), At(t, 94, 62), "Milz", Side::Below);
  Label(p, At(t, 12, 18), At(t, 30, 6), "Zwölffingerdarm", Side::Right);
}

void DrawHeart(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 52, area.top() + 2, 104, area.height() - 4));
  const QColor vein(90, 110, 200), artery(210, 50, 50), muscle(190, 70, 70);

  QPainterPath cava;
  cava.moveTo(At(t, 30, 2));
  cava.lineTo(At(t, 30, 40));
  Tube(p, cava, vein, 10);
  QPainterPath aorta;
  aorta.moveTo(At(t, 50, 44));
  aorta.cubicTo(At(t, 46, 8), At(t, 76, 2), At(t, 80, 26));
  aorta.lineTo(At(t, 82, 36));
  Tube(p, aorta, artery, 11);
  QPainterPath branches;
  branches.moveTo(At(t, 54, 13));
  branches.lineTo(At(t, 52, 0));
  branches.moveTo(At(t, 62, 9));
  branches.lineTo(At(t, 62, 0));
  branches.moveTo(At(t, 70, 9));
  branches.lineTo(At(t, 72, 0));
  Tube(p, branches, artery, 3.5);

  QPainterPath atrium;
  atrium.addEllipse(QRectF(At(t, 14, 32), At(t, 40, 60)));
  FillShape(p, atrium, QColor(170, 80, 110));

  QPainterPath heart;
  heart.moveTo(At(t, 30, 40));
  heart.cubicTo(At(t, 14, 46), At(t, 12, 70), At(t, 32, 84));
  heart.cubicTo(At(t, 44, 92), At(t, 54, 97), At(t, 64, 99));
  heart.cubicTo(At(t, 86, 86), At(t, 96, 62), At(t, 88, 44));
  heart.cubicTo(At(t, 78, 32), At(t, 50, 32), At(t, 30, 40));
  FillShape(p, heart, muscle);

  QPainterPath trunk;
  trunk.moveTo(At(t, 58, 44));
  trunk.lineTo(At(t, 62, 26));
  trunk.moveTo(At(t, 62, 28));
  trunk.quadTo(At(t, 66, 20), At(t, 78, 20));
  trunk.moveTo(At(t, 62, 28));
  trunk.quadTo(At(t, 52, 22), At(t, 42, 24));
  Tube(p, trunk, vein.lighter(110), 7);

  // Coronary vessels on the surface and the groove between the chambers.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(240, 200, 90), 1.6));
  QPainterPath groove;
  groove.moveTo(At(t, 56, 44));
  groove.cubicTo(At(t, 58, 62), At(t, 56, 80), At(t, 64, 98));
  p.drawPath(groove);
  p.setPen(QPen(QColor(240, 200, 90), 1.0));
  QPainterPath twigs;
  twigs.moveTo(At(t, 57, 60));
  twigs.lineTo(At(t, 70, 66));
  twigs.moveTo(At(t, 58, 74));
  twigs.lineTo(At(t, 46, 80));
  p.drawPath(twigs);

  const double l = area.left() + 64, r = area.right() - 64;
  Label(p, At(t, 30, 14), QPointF(l, area.top() + 10), "obere\nHohlvene", Side::Left);
  Label(p, At(t, 18, 46), QPointF(l, area.top() + 58), "rechter\nVorhof", Side::Left);
  Label(p, At(t, 36, 74), QPointF(l, area.top() + 116), "rechte\nKammer", Side::Left);
  Label(p, At(t, 78, 8), QPointF(r, area.top() + 10), "Aorta", Side::Right);
  Label(p, At(t, 76, 21), QPointF(r, area.top() + 48), "Lungen-\narterie", Side::Right);
  Label(p, At(t, 78, 70), QPointF(r, area.top() + 110), "linke\nKammer", Side::Right);
}

void DrawSmallIntestine(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 46, area.top() + 2, 92, area.height() - 4));
  const QColor gut(236, 160, 160);
  // The large intestine framing the coils.
  QPainterPath frame;
  frame.moveTo(At(t, 6, 100));
  frame.lineTo(At(t, 4, 14));
  frame.quadTo(At(t, 4, 4), At(t, 18, 5));
  frame.lineTo(At(t, 82, 5));
  frame.quadTo(At(t, 96, 4), At(t, 96, 14));
  frame.lineTo(At(t, 94, 100));
  Tube(p, frame, QColor(214, 160, 120), 7);

  // The coils, one loop at a time so each lies on top of the one before.
  const int rows = 7;
  QPointF start = At(t, 18, 16);
  for (int i = 0; i < rows; ++i) {
    const double y = 18 + i * 11.0;
    const bool toRight = i % 2 == 0;
    const double x0 = toRight ? 20 : 80, x1 = toRight ? 80 : 20, bend = toRight ? 10 : -10;
    QPainterPath loop;
    loop.moveTo(start);
    loop.cubicTo(At(t, x0 + bend, y - 5), At(t, (x0 + x1) / 2, y + 5), At(t, x1, y));
    if (i + 1 < rows) {
      loop.cubicTo(At(t, x1 + bend, y), At(t, x1 + bend, y + 11), At(t, x1, y + 11));
      start = At(t, x1, y + 11);
    } else {
      loop.cubicTo(At(t, 88, 90), At(t, 92, 92), At(t, 94, 94));
    }
    Tube(p, loop, gut, 8);
  }

  const double l = area.left() + 2, r = area.right() - 2;
  Label(p, At(t, 18, 16), QPointF(l + 48, area.top() + 14), "Zwölf-\nfinger-\ndarm", Side::Left, 9.5);
  Label(p, At(t, 82, 30), QPointF(r - 48, area.top() + 32), "Leer-\ndarm", Side::Right, 9.5);
  Label(p, At(t, 18, 70), QPointF(l + 48, area.top() + 110), "Krumm-\ndarm", Side::Left, 9.5);
  Label(p, At(t, 95, 72), QPointF(r - 48, area.top() + 110), "Dick-\ndarm", Side::Right, 9.5);
}

void DrawBladder(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 48, area.top() + 2, 96, area.height() - 4));
  const QColor wall(214, 150, 150);
  QPainterPath ureters;
  ureters.moveTo(At(t, 6, 0));
  ureters.cubicTo(At(t, 10, 20), At(t, 20, 30), At(t, 28, 40));
  ureters.moveTo(At(t, 94, 0));
  ureters.cubicTo(At(t, 90, 20), At(t, 80, 30), At(t, 72, 40));
  Tube(p, ureters, QColor(230, 190, 150), 5);
  QPainterPath urethra;
  urethra.moveTo(At(t, 50, 84));
  urethra.lineTo(At(t, 50, 100));
  Tube(p, urethra, QColor(230, 190, 150), 6);

  QPainterPath outer;
  outer.moveTo(At(t, 50, 20));
  outer.cubicTo(At(t, 90, 18), At(t, 92, 60), At(t, 70, 76));
  outer.cubicTo(At(t, 60, 84), At(t, 54, 86), At(t, 50, 88));
  outer.cubicTo(At(t, 46, 86), At(t, 40, 84), At(t, 30, 76));
  outer.cubicTo(At(t, 8, 60), At(t, 10, 18), At(t, 50, 20));
  FillShape(p, outer, wall);
  // The cut-open wall shows the urine inside.
  const QPainterPath inner = QTransform::fromTranslate(At(t, 50, 52).x(), At(t, 50, 52).y())
                                 .scale(0.74, 0.72)
                                 .translate(-At(t, 50, 52).x(), -At(t, 50, 52).y())
                                 .map(outer);
  p.setPen(QPen(wall.darker(160), 0.8));
  p.setBrush(QColor(250, 236, 210));
  p.drawPath(inner);
  QPainterPath fluidLevel;
  fluidLevel.addRect(QRectF(At(t, 0, 50), At(t, 100, 100)));
  QLinearGradient urine(At(t, 0, 50), At(t, 0, 86));
  urine.setColorAt(0, QColor(250, 224, 110));
  urine.setColorAt(1, QColor(226, 190, 60));
  p.setBrush(urine);
  p.setPen(Qt::NoPen);
  p.drawPath(inner.intersected(fluidLevel));
  // Muscle fibres of the wall.
  p.setPen(QPen(wall.darker(130), 0.7));
  for (int i = 0; i < 5; ++i) p.drawLine(At(t, 20 + i * 3, 28 + i * 9), At(t, 26 + i * 3, 30 + i * 9));

  const double l = area.left() + 53, r = area.right() - 50;
  Label(p, At(t, 12, 16), QPointF(l, area.top() + 6), "Harnleiter", Side::Left);
  Label(p, At(t, 84, 44), QPointF(r, area.top() + 40), "Blasen-\nwand", Side::Right);
  Label(p, At(t, 50, 66), QPointF(r, area.top() + 86), "Harn", Side::Right);
  Label(p, At(t, 24, 60), QPointF(l, area.top() + 80), "Blasen-\nmuskel", Side::Left);
  Label(p, At(t, 50, 94), QPointF(l, area.bottom() - 6), "Harnröhre", Side::Left);
}

void DrawKidneys(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.left() + 4, area.top() + 2, area.width() - 8, area.height() - 4));
  const QColor kidney(170, 70, 60), gland(236, 196, 90);
  QPainterPath ureters;
  ureters.moveTo(At(t, 30, 44));
  ureters.cubicTo(At(t, 36, 60), At(t, 40, 76), At(t, 44, 88));
  ureters.moveTo(At(t, 70, 44));
  ureters.cubicTo(At(t, 64, 60), At(t, 60, 76), At(t, 56, 88));
  Tube(p, ureters, QColor(230, 190, 150), 3.5);
  QPainterPath bladder;
  bladder.addEllipse(QRectF(At(t, 38, 86), At(t, 62, 100)));
  FillShape(p, bladder, QColor(214, 160, 150));

  // The left bean in unit space; the right one is its mirror.
  QPainterPath bean;
  bean.moveTo(At(t, 20, 12));
  bean.cubicTo(At(t, 2, 12), At(t, 0, 58), At(t, 18, 62));
  bean.cubicTo(At(t, 28, 64), At(t, 34, 56), At(t, 30, 46));
  bean.cubicTo(At(t, 26, 40), At(t, 26, 34), At(t, 30, 28));
  bean.cubicTo(At(t, 36, 18), At(t, 30, 12), At(t, 20, 12));
  const double mid = At(t, 50, 0).x();
  const QTransform mirror = QTransform::fromTranslate(2 * mid, 0).scale(-1, 1);
  QPainterPath cap;
  cap.moveTo(At(t, 10, 14));
  cap.quadTo(At(t, 16, 0), At(t, 28, 12));
  cap.quadTo(At(t, 20, 8), At(t, 10, 14));
  for (const QTransform& side : {QTransform(), mirror}) {
    FillShape(p, side.map(bean), kidney);
    FillShape(p, side.map(cap), gland);
    QPainterPath pelvis;
    pelvis.moveTo(At(t, 30, 42));
    pelvis.quadTo(At(t, 18, 38), At(t, 16, 30));
    pelvis.moveTo(At(t, 28, 40));
    pelvis.quadTo(At(t, 16, 44), At(t, 14, 50));
    Tube(p, side.map(pelvis), QColor(240, 210, 170), 3);
  }

  // One label for both adrenal glands, with a leader from each side.
  Label(p, At(t, 18, 7), At(t, 35, 6), "Nebenniere", Side::Right, 9.5);
  Label(p, mirror.map(At(t, 18, 7)), At(t, 65, 6), "", Side::Left, 9.5);
  Label(p, At(t, 27, 40), At(t, 36, 36), "Nieren-\nbecken", Side::Right, 9.5);
  Label(p, At(t, 37.5, 64), At(t, 43, 66), "Harn-\nleiter", Side::Right, 9.5);
  Label(p, At(t, 12, 56), At(t, 14, 74), "rechte\nNiere", Side::Below, 9.5);
  Label(p, mirror.map(At(t, 12, 56)), At(t, 86, 74), "linke\nNiere", Side::Below, 9.5);
  Label(p, At(t, 60, 93), At(t, 80, 95), "Blase", Side::Right, 9.5);
}

void DrawPericardium(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.left() + 2, area.top() + 2, area.width() - 4, area.height() - 4));
  const QColor artery(210, 50, 50), vein(70, 100, 200);
  // The circulation: arteries leave the heart, veins return to it.
  QPainterPath arteries;
  arteries.moveTo(At(t, 56, 30));
  arteries.cubicTo(At(t, 90, 26), At(t, 92, 60), At(t, 86, 84));
  arteries.quadTo(At(t, 82, 94), At(t, 62, 92));
  QPainterPath veins;
  veins.moveTo(At(t, 38, 92));
  veins.quadTo(At(t, 18, 94), At(t, 14, 84));
  veins.cubicTo(At(t, 8, 60), At(t, 10, 26), At(t, 44, 30));
  Tube(p, arteries, artery, 5);
  Tube(p, veins, vein, 5);
  // Capillary net where the two meet.
  p.setPen(QPen(QColor(150, 70, 140), 0.8));
  for (int i = 0; i < 5; ++i) {
    p.drawLine(At(t, 38 + i * 6, 88), At(t, 40 + i * 5, 96));
    p.drawLine(At(t, 38 + i * 6, 96), At(t, 41 + i * 5, 88));
  }
  // Direction arrows.
  auto arrow = [&](const QPainterPath& path, double at, const QColor& c) {
    const QPointF tip = path.pointAtPercent(at);
    const double a = -path.angleAtPercent(at) * M_PI / 180.0;
    const QPointF back(std::cos(a) * -6, std::sin(a) * -6), side(-std::sin(a) * 3.5, std::cos(a) * 3.5);
    QPolygonF head{tip + QPointF(std::cos(a) * 3, std::sin(a) * 3), tip + back + side, tip + back - side};
    p.setPen(QPen(c.darker(180), 0.8));
    p.setBrush(c.lighter(130));
    p.drawPolygon(head);
  };
  arrow(arteries, 0.5, artery);
  arrow(veins, 0.5, vein);

  // The sac round the heart, then the heart itself.
  QPainterPath sac;
  sac.addEllipse(QRectF(At(t, 24, 14), At(t, 76, 52)));
  p.setPen(QPen(QColor(200, 170, 90), 1.4));
  p.setBrush(QColor(250, 232, 170, 230));
  p.drawPath(sac);
  QPainterPath heart;
  heart.moveTo(At(t, 50, 24));
  heart.cubicTo(At(t, 40, 14), At(t, 26, 22), At(t, 34, 34));
  heart.cubicTo(At(t, 40, 42), At(t, 48, 46), At(t, 52, 48));
  heart.cubicTo(At(t, 60, 42), At(t, 72, 34), At(t, 68, 24));
  heart.cubicTo(At(t, 64, 16), At(t, 54, 18), At(t, 50, 24));
  FillShape(p, heart, QColor(190, 60, 60));

  Label(p, At(t, 72, 20), At(t, 58, 4), "Herzbeutel", Side::Left, 9.5);
  Label(p, At(t, 87, 56), At(t, 62, 52), "Arterien", Side::Below, 9.5);
  Label(p, At(t, 13, 66), At(t, 36, 64), "Venen", Side::Below, 9.5);
  Label(p, At(t, 50, 90), At(t, 50, 84), "Kapillaren", Side::Above, 9);
}

void DrawTripleBurner(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.left() + 4, area.top() + 2, 84, area.height() - 4));
  QPainterPath body;
  body.addEllipse(QRectF(At(t, 38, 0), At(t, 62, 14)));
  QPainterPath trunk;
  trunk.moveTo(At(t, 44, 13));
  trunk.lineTo(At(t, 44, 18));
  trunk.cubicTo(At(t, 10, 18), At(t, 6, 22), At(t, 8, 34));
  trunk.lineTo(At(t, 14, 64));
  trunk.cubicTo(At(t, 12, 76), At(t, 6, 90), At(t, 14, 100));
  trunk.lineTo(At(t, 86, 100));
  trunk.cubicTo(At(t, 94, 90), At(t, 88, 76), At(t, 86, 64));
  trunk.lineTo(At(t, 92, 34));
  trunk.cubicTo(At(t, 94, 22), At(t, 90, 18), At(t, 56, 18));
  trunk.lineTo(At(t, 56, 13));
  trunk.closeSubpath();
  body = body.united(trunk);

  const QColor zones[3] = {QColor(232, 96, 70), QColor(240, 190, 70), QColor(90, 150, 200)};
  const double bounds[4] = {16, 44, 70, 100};
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(At(t, 0, 0), At(t, 100, 16)), QColor(240, 220, 200));
  for (int i = 0; i < 3; ++i) {
    const QRectF band(At(t, 0, bounds[i]), At(t, 100, bounds[i + 1]));
    QLinearGradient g(band.topLeft(), band.topRight());
    g.setColorAt(0, zones[i].darker(115));
    g.setColorAt(0.4, zones[i].lighter(125));
    g.setColorAt(1, zones[i].darker(125));
    p.fillRect(band, g);
  }
  p.restore();
  p.setPen(QPen(QColor(90, 60, 40), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.setPen(QPen(QColor(90, 60, 40), 1.0, Qt::DashLine));
  for (int i = 1; i < 3; ++i) p.drawLine(At(t, 8, bounds[i]), At(t, 92, bounds[i]));

  // A small flame in each zone: the three "burners".
  for (int i = 0; i < 3; ++i) {
    const QPointF c = At(t, 50, (bounds[i] + bounds[i + 1]) / 2 + 3);
    QPainterPath flame;
    flame.moveTo(c + QPointF(0, 8));
    flame.cubicTo(c + QPointF(-8, 6), c + QPointF(-5, -4), c + QPointF(0, -11));
    flame.cubicTo(c + QPointF(5, -4), c + QPointF(8, 6), c + QPointF(0, 8));
    QLinearGradient g(c + QPointF(0, -11), c + QPointF(0, 8));
    g.setColorAt(0, QColor(255, 240, 120));
    g.setColorAt(1, QColor(220, 60, 20));
    p.setPen(QPen(QColor(150, 40, 10), 0.8));
    p.setBrush(g);
    p.drawPath(flame);
  }

  const char* names[3] = {"Oberer Erwärmer\nHerz, Lunge", "Mittlerer Erwärmer\nMagen, Milz, Leber",
                          "Unterer Erwärmer\nNieren, Blase, Darm"};
  const double x = area.left() + 96;
  for (int i = 0; i < 3; ++i) {
    const double y = (At(t, 0, bounds[i]).y() + At(t, 0, bounds[i + 1]).y()) / 2;
    Label(p, At(t, 84, (bounds[i] + bounds[i + 1]) / 2), QPointF(x, y), QString::fromUtf8(names[i]),
          Side::Right, 9.5);
  }
}

void DrawGallbladder(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.center().x() - 52, area.top() + 2, 104, area.height() - 18));
  const QColor liver(150, 60, 50), bile(90, 150, 70);
  QPainterPath liverEdge;
  liverEdge.moveTo(At(t, -8, 0));
  liverEdge.lineTo(At(t, 108, 0));
  liverEdge.cubicTo(At(t, 100, 14), At(t, 80, 22), At(t, 60, 26));
  liverEdge.cubicTo(At(t, 30, 32), At(t, 6, 30), At(t, -8, 22));
  liverEdge.closeSubpath();
  FillShape(p, liverEdge, liver);

  QPainterPath ducts;
  ducts.moveTo(At(t, 40, 12));
  ducts.quadTo(At(t, 52, 26), At(t, 58, 34));
  ducts.moveTo(At(t, 76, 12));
  ducts.quadTo(At(t, 64, 24), At(t, 58, 34));
  ducts.moveTo(At(t, 58, 34));
  ducts.lineTo(At(t, 60, 84));
  ducts.moveTo(At(t, 34, 48));
  ducts.quadTo(At(t, 50, 40), At(t, 58, 48));
  Tube(p, ducts, QColor(120, 170, 90), 4);

  QPainterPath duodenum;
  duodenum.moveTo(At(t, 20, 92));
  duodenum.quadTo(At(t, 60, 84), At(t, 104, 92));
  Tube(p, duodenum, QColor(222, 176, 130), 11);

  QPainterPath sac;
  sac.moveTo(At(t, 16, 24));
  sac.cubicTo(At(t, 2, 36), At(t, 2, 74), At(t, 18, 76));
  sac.cubicTo(At(t, 32, 78), At(t, 40, 56), At(t, 36, 44));
  sac.cubicTo(At(t, 32, 32), At(t, 26, 22), At(t, 16, 24));
  FillShape(p, sac, bile);

  const double l = area.left() + 46, r = area.right() - 44;
  Label(p, At(t, 88, 8), QPointF(r, area.top() + 8), "Leber", Side::Right);
  Label(p, At(t, 10, 56), QPointF(l, area.top() + 84), "Gallen-\nblase", Side::Left);
  Label(p, At(t, 72, 16), QPointF(r, area.top() + 44), "Leber-\ngang", Side::Right);
  Label(p, At(t, 59, 62), QPointF(r, area.top() + 84), "Haupt-\ngallen-\ngang", Side::Right);
  Label(p, At(t, 82, 90), At(t, 64, 98), "Zwölffingerdarm", Side::Below, 9.5);
}

void DrawLiver(QPainter& p, const QRectF& area) {
  const QTransform t = Unit(QRectF(area.left() + 8, area.top() + 4, area.width() - 16, area.height() - 26));
  const QColor liver(160, 62, 50);
  QPainterPath cava;
  cava.moveTo(At(t, 44, 0));
  cava.lineTo(At(t, 46, 30));
  Tube(p, cava, QColor(80, 100, 190), 9);

  QPainterPath shape;
  shape.moveTo(At(t, 6, 40));
  shape.cubicTo(At(t, 4, 12), At(t, 40, 6), At(t, 60, 12));
  shape.cubicTo(At(t, 76, 16), At(t, 96, 24), At(t, 98, 34));
  shape.cubicTo(At(t, 96, 42), At(t, 80, 52), At(t, 62, 60));
  shape.cubicTo(At(t, 46, 68), At(t, 32, 80), At(t, 20, 80));
  shape.cubicTo(At(t, 10, 78), At(t, 6, 60), At(t, 6, 40));
  FillShape(p, shape, liver);
  // Falciform ligament splitting the two lobes.
  p.setPen(QPen(QColor(240, 200, 180), 1.4));
  p.setBrush(Qt::NoBrush);
  QPainterPath ligament;
  ligament.moveTo(At(t, 56, 12));
  ligament.cubicTo(At(t, 54, 30), At(t, 58, 48), At(t, 56, 62));
  p.drawPath(ligament);

  QPainterPath gallbladder;
  gallbladder.moveTo(At(t, 34, 64));
  gallbladder.cubicTo(At(t, 30, 80), At(t, 34, 94), At(t, 42, 92));
  gallbladder.cubicTo(At(t, 50, 90), At(t, 50, 72), At(t, 46, 62));
  gallbladder.closeSubpath();
  FillShape(p, gallbladder, QColor(90, 150, 70));

  Label(p, At(t, 20, 50), QPointF(area.left() + 40, area.bottom() - 24), "rechter\nLeberlappen",
        Side::Below, 9.5);
  Label(p, At(t, 78, 32), At(t, 86, 62), "linker\nLeberlappen", Side::Below, 9.5);
  Label(p, At(t, 56, 40), At(t, 72, 2), "Sichelband", Side::Right, 9.5);
  Label(p, At(t, 44, 4), At(t, 30, 2), "Hohlvene", Side::Left, 9.5);
  Label(p, At(t, 46, 84), At(t, 60, 96), "Gallenblase", Side::Right, 9.5);
}

using Drawing = void (*)(QPainter&, const QRectF&);
const std::array<Drawing, 12> kDrawings = {
    DrawLung,    DrawLargeIntestine, DrawStomach,     DrawPancreas,     DrawHeart,       DrawSmallIntestine,
    DrawBladder, DrawKidneys,        DrawPericardium, DrawTripleBurner, DrawGallbladder, DrawLiver};

}  // namespace

QString OrganName(int organ) { return QString::fromUtf8(kOrgans.at(size_t(organ - 1)).name); }

QString OrganPeriod(int organ) {
  const OrganInfo& o = kOrgans.at(size_t(organ - 1));
  return QString("%1:00 - %2:00 Uhr").arg(o.from, 2, 10, QChar('0')).arg(o.to, 2, 10, QChar('0'));
}

QSize OrganPictureSize(int organ) {
  const OrganInfo& o = kOrgans.at(size_t(organ - 1));
  return QSize(o.width, o.height);
}

QRect ShownPart(QSize picture) {
  // Centred like the control does it: integer halves of the overhang are cut off.
  const int width = std::min(picture.width(), kOrganPictureControlSize.width());
  const int height = std::min(picture.height(), kOrganPictureControlSize.height());
  return QRect((picture.width() - width) / 2, (picture.height() - height) / 2, width, height);
}

QImage DrawOrganPicture(int organ, int scale) {
  const OrganInfo& o = kOrgans.at(size_t(organ - 1));
  const QSize size(o.width, o.height);
  const QRect shown = ShownPart(size);
  // Where the control cuts, the frame stays clear of the cut by this much.
  const int marginX = shown.width() < size.width() ? 2 : 0;
  const int marginY = shown.height() < size.height() ? 2 : 0;
  const QRect frame = shown.adjusted(marginX, marginY, -marginX, -marginY);

  QImage image = NewCanvas(o.width, o.height, scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  DrawCanvasFrame(p, frame);
  p.translate(frame.topLeft());
  const QRectF area =
      DrawTitleAndPeriod(p, frame.width(), frame.height(), QString::fromUtf8(o.title), OrganPeriod(organ));
  kDrawings.at(size_t(organ - 1))(p, area);
  return image;
}
