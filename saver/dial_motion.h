#pragma once
// The drift of the full-screen face: it starts in the middle moving right and
// down at one pixel per frame and bounces off the edges at 1.00-2.00 pixels per frame.

#include <cstdint>
#include <random>

namespace organsaver {

struct DialMotion {
  float centreX = 0;
  float centreY = 0;
  float speedX = 1.0f;
  float speedY = 1.0f;
  std::mt19937 random;  // seeded once per run
};

DialMotion StartDialMotion(int width, int height, uint32_t seed);

// A fresh whole number from 0 to 100 inclusive.
int NextBounceRandom(DialMotion& motion);

// One frame's step within a display of W x H for a face of radius R.
void MoveDial(DialMotion& motion, int W, int H, int R);

}  // namespace organsaver
