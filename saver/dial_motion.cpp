#include "saver/dial_motion.h"

namespace organsaver {

DialMotion StartDialMotion(int width, int height, uint32_t seed) {
  DialMotion motion;
  motion.centreX = static_cast<float>(width) / 2.0f;
  motion.centreY = static_cast<float>(height) / 2.0f;
  motion.speedX = 1.0f;
  motion.speedY = 1.0f;
  motion.random.seed(seed);
  return motion;
}

int NextBounceRandom(DialMotion& motion) {
  std::uniform_int_distribution<int> hundred(0, 100);
  return hundred(motion.random);
}

namespace {

float BounceSpeed(DialMotion& motion) {
  return 1.0f + static_cast<float>(NextBounceRandom(motion)) / 100.0f;
}

// One axis of the motion: at either edge the centre stops on it and turns back at a new
// random speed. Both edges are tested: where the screen is narrower than the dial both
// are hit, two random speeds are drawn and the near edge's is kept.
void BounceBetween(DialMotion& motion, float& centre, float& speed, float nearEdge, float farEdge) {
  if (centre >= farEdge) {
    centre = farEdge;
    speed = -BounceSpeed(motion);
  }
  if (centre <= nearEdge) {
    centre = nearEdge;
    speed = BounceSpeed(motion);
  }
}

}  // namespace

void MoveDial(DialMotion& motion, int W, int H, int R) {
  motion.centreX += motion.speedX;
  motion.centreY += motion.speedY;
  const float nearEdge = static_cast<float>(R);
  BounceBetween(motion, motion.centreX, motion.speedX, nearEdge, static_cast<float>(W - R));
  BounceBetween(motion, motion.centreY, motion.speedY, nearEdge, static_cast<float>(H - R));
}

}  // namespace organsaver
