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
}  // namespace

void MoveDial(DialMotion& motion, int W, int H, int R) {
  motion.centreX += motion.speedX;
  motion.centreY += motion.speedY;
  const float right = static_cast<float>(W - R);
  const float bottom = static_cast<float>(H - R);
  const float nearEdge = static_cast<float>(R);
  if (motion.centreX >= right) {
    motion.centreX = right;
    motion.speedX = -BounceSpeed(motion);
  }
  if (motion.centreX <= nearEdge) {
    motion.centreX = nearEdge;
    motion.speedX = BounceSpeed(motion);
  }
  if (motion.centreY >= bottom) {
    motion.centreY = bottom;
    motion.speedY = -BounceSpeed(motion);
  }
  if (motion.centreY <= nearEdge) {
    motion.centreY = nearEdge;
    motion.speedY = BounceSpeed(motion);
  }
}

}  // namespace organsaver
