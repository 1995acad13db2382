#include "engine/sprite_geometry.h"

#include <cmath>

namespace vorantis {

namespace {

void SetTextureCoordinates(std::array<QuadCorner, 4>& corners) {
  corners[0].u = 0, corners[0].v = 0;
  corners[1].u = 1, corners[1].v = 0;
  corners[2].u = 0, corners[2].v = 1;
  corners[3].u = 1, corners[3].v = 1;
}

}  // namespace

std::array<QuadCorner, 4> UprightCorners(float width, float height) {
  std::array<QuadCorner, 4> corners{};
  corners[1].x = width;
  corners[2].y = height;
  corners[3].x = width;
  corners[3].y = height;
  SetTextureCoordinates(corners);
  return corners;
}

std::array<QuadCorner, 4> TurnedCorners(int width, int height, int angle) {
  constexpr float kDegree = 0.017452f;
  constexpr float kQuarter = 1.57068f;
  const float hw = static_cast<float>(width / 2);
  const float hh = static_cast<float>(height / 2);
  const float a = static_cast<float>(angle % 360 - 90) * kDegree;
  // Turn k lands on the top-left, top-right, bottom-right and bottom-left corner in
  // turn; the strip order swaps the last two.
  constexpr int kStripSlot[4] = {0, 1, 3, 2};
  std::array<QuadCorner, 4> corners{};
  for (int k = 0; k < 4; ++k) {
    const float ak = a + static_cast<float>(k) * kQuarter;
    const float c = std::cos(ak);
    const float s = std::sin(ak);
    QuadCorner& corner = corners[kStripSlot[k]];
    corner.x = std::trunc(hw + hw * c + hh * s);
    corner.y = std::trunc(hh + hw * s - hh * c);
  }
  SetTextureCoordinates(corners);
  return corners;
}

std::array<QuadCorner, 4> WarpedCorners(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                        float y4) {
  std::array<QuadCorner, 4> corners{};
  corners[0].x = x1, corners[0].y = y1;
  corners[1].x = x2, corners[1].y = y2;
  corners[3].x = x3, corners[3].y = y3;
  corners[2].x = x4, corners[2].y = y4;
  SetTextureCoordinates(corners);
  return corners;
}

TurnResult AccumulateTurn(std::int16_t accumulated, int angle, int mode) {
  if (mode == 0) return {0, angle % 360};
  const long long sum = static_cast<long long>(angle) + accumulated;
  const int wrapped = static_cast<int>(sum % 360);
  return {static_cast<std::int16_t>(wrapped), wrapped};
}

}  // namespace vorantis
