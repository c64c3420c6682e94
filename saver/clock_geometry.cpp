#include "saver/clock_geometry.h"

#include <cmath>

namespace organsaver {

int RoundHalfEven(double value) {
  // Written out rather than std::nearbyint, which depends on the process-wide
  // rounding mode; std::round would send halves away from zero.
  if (!(value > -2.0e9 && value < 2.0e9)) return value > 0 ? 2000000000 : -2000000000;
  const double floorValue = std::floor(value);
  const double fraction = value - floorValue;
  double result;
  if (fraction > 0.5) result = floorValue + 1;
  else if (fraction < 0.5) result = floorValue;
  else result = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1;
  return static_cast<int>(result);
}

namespace {
float Radians(int angleDegrees) {
  return static_cast<float>(angleDegrees) * kSinglePrecisionPi * 2.0f / 360.0f;
}
}  // namespace

int DialPointX(int centreX, float radius, int angleDegrees) {
  const float offset = radius * static_cast<float>(std::cos(Radians(angleDegrees)));
  return RoundHalfEven(static_cast<double>(centreX) + static_cast<double>(offset));
}

int DialPointY(int centreY, float radius, int angleDegrees) {
  const float offset = radius * static_cast<float>(std::sin(Radians(angleDegrees)));
  return RoundHalfEven(static_cast<double>(centreY) + static_cast<double>(offset));
}

DialPoint PointOnDial(DialPoint centre, float radius, int angleDegrees) {
  return {DialPointX(centre.x, radius, angleDegrees), DialPointY(centre.y, radius, angleDegrees)};
}

FaceLayout ComputeFaceLayout(int pictureHeight) {
  FaceLayout f;
  f.faceRadius = RoundHalfEven(pictureHeight / kRadiusDivisor);
  const int R = f.faceRadius;
  const float r = static_cast<float>(R);
  f.numeralPoints = R / 15;
  f.organTextPoints = R / 32;
  f.dateLinePoints = R / 10;
  f.handHalfWidth = R / 30;
  f.hourHandLength = R / 2;
  f.minuteHandLength = RoundHalfEven(R / kMinuteHandDivisor);
  f.discDistance = r / 2.0f / kDiscDistanceDivisor;
  f.discRadius = RoundHalfEven(R / kDiscRadiusDivisor);
  f.hubRadius = R / 60;
  f.longTickRadius = r / kLongTickDivisor;
  f.shortTickRadius = r / kShortTickDivisor;
  // The numerals stand a whole number of pixels inside the long ticks.
  const int numeralInset = R / 15;
  f.numeralRadius = f.longTickRadius - static_cast<float>(numeralInset);
  f.secondTipRadiusX = r / kSecondTipXDivisor;
  f.secondTipRadiusY = r / kSecondTipYDivisor;
  f.secondTailRadius = r / kSecondTailDivisor;
  return f;
}

int PixelHeightForPoints(int points, int dotsPerInch) {
  return RoundHalfEven(static_cast<double>(points) * dotsPerInch / 72.0);
}

HandAngles ComputeHandAngles(int hour, int minute, int second) {
  HandAngles a;
  a.second = 6 * second - 90;
  if (a.second < 0) a.second += 360;
  a.minute = 6 * minute - 90;
  if (a.minute < 0) a.minute += 360;
  // Before noon t is negative and the division truncates toward zero; adding
  // 360 once leaves angles down to -90, which still point the right way.
  const int t = (hour - 12) * 3600 + minute * 60 + second;
  a.hour = (t * 360) / 43200 - 90;
  if (a.hour < 0) a.hour += 360;
  return a;
}

HandTriangle ComputeHandTriangle(DialPoint centre, int halfWidth, int length, int angleDegrees) {
  HandTriangle h;
  const float w = static_cast<float>(halfWidth);
  h.tip = PointOnDial(centre, static_cast<float>(length), angleDegrees);
  h.back = PointOnDial(centre, w, angleDegrees + 180);
  h.corner1 = PointOnDial(h.back, w, angleDegrees + 270);
  h.corner2 = PointOnDial(h.back, w, angleDegrees + 90);
  return h;
}

int NumeralAtAngle(int angleDegrees) {
  int n = angleDegrees / 30 + 3;
  if (n > 12) n -= 12;
  return n;
}

}  // namespace organsaver
