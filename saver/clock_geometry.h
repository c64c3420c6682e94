#pragma once
// The clock face's geometry: sizes derived from the picture height, points on
// the dial and the hand angles. Angles are whole degrees in screen orientation:
// 0 points to 3 o'clock and angles grow clockwise, so 270 (or -90) points up.

namespace organsaver {

// Rounds to the nearest integer, a half going to the even neighbour.
int RoundHalfEven(double value);

// The divisors of the face. Most are single precision on purpose: the face
// must come out pixel for pixel the same on every platform.
inline constexpr double kRadiusDivisor = 3.072;
inline constexpr float kLongTickDivisor = 1.0714f;
inline constexpr float kShortTickDivisor = 1.03448f;
inline constexpr float kDiscDistanceDivisor = 2.1f;
inline constexpr float kSecondTipXDivisor = 1.4f;
inline constexpr float kSecondTipYDivisor = 1.5f;
inline constexpr float kSecondTailDivisor = 20.0f;
inline constexpr double kDiscRadiusDivisor = 8.5;
inline constexpr double kMinuteHandDivisor = 1.5;
inline constexpr float kSinglePrecisionPi = 3.1415927f;

// Point at radius r and angle a from a centre coordinate m: the x form uses the
// cosine, the y form the sine. The radians and r * cos / r * sin are single precision.
int DialPointX(int centreX, float radius, int angleDegrees);
int DialPointY(int centreY, float radius, int angleDegrees);

struct DialPoint {
  int x = 0;
  int y = 0;
  bool operator==(const DialPoint&) const = default;
};
DialPoint PointOnDial(DialPoint centre, float radius, int angleDegrees);

// Sizes of the face for a picture of the given height.
struct FaceLayout {
  int faceRadius = 0;
  int numeralPoints = 0;    // kNumeralFont
  int organTextPoints = 0;  // kOrganTextFont
  int dateLinePoints = 0;   // kDateLineFont
  int handHalfWidth = 0;    // hour and minute hand
  int hourHandLength = 0;
  int minuteHandLength = 0;
  float discDistance = 0;  // organ disc centre from the face centre
  int discRadius = 0;
  int hubRadius = 0;
  float longTickRadius = 0;   // inner end of the hour ticks, numeral circle base
  float shortTickRadius = 0;  // inner end of the minute ticks
  float numeralRadius = 0;
  float secondTipRadiusX = 0;
  float secondTipRadiusY = 0;
  float secondTailRadius = 0;
};
FaceLayout ComputeFaceLayout(int pictureHeight);

// A point size as a character height in pixels on a display of the given DPI.
int PixelHeightForPoints(int points, int dotsPerInch);

struct HandAngles {
  int hour = 0;  // whole degrees, one degree every two minutes; may be down to -90
  int minute = 0;
  int second = 0;
  bool operator==(const HandAngles&) const = default;
};
HandAngles ComputeHandAngles(int hour, int minute, int second);

// The four points of a triangular hand: tip, and the base corners C1, C2 which
// lie halfWidth behind the centre.
struct HandTriangle {
  DialPoint tip;
  DialPoint back;
  DialPoint corner1;
  DialPoint corner2;
};
HandTriangle ComputeHandTriangle(DialPoint centre, int halfWidth, int length, int angleDegrees);

// The numeral shown at a tick angle that is a multiple of 30 (0 gives 3, 270 gives 12).
int NumeralAtAngle(int angleDegrees);

}  // namespace organsaver
