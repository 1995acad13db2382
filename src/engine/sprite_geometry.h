// The corner arithmetic of 3D sprites, kept apart from the handle tables so that
// it can be checked on its own.
#pragma once

#include <array>
#include <cstdint>

#include "engine/backends.h"

namespace vorantis {

// Corners in triangle-strip order (top-left, top-right, bottom-left, bottom-right)
// with the texture coordinates every quad keeps.
std::array<QuadCorner, 4> UprightCorners(float width, float height);

// The turned corners for a quad of the given stored size drawn at `angle` degrees.
// The half sizes and every corner are truncated towards zero, the degree factor is
// 0.017452 and the step between corners 1.57068: the turned quads of the game's
// data were laid out with exactly these numbers.
std::array<QuadCorner, 4> TurnedCorners(int width, int height, int angle);

// Corners from four points given clockwise from the top-left.
std::array<QuadCorner, 4> WarpedCorners(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                        float y4);

// The accumulated angle after a turn: relative turns (mode != 0) add to it,
// absolute ones (mode 0) reset it. It wraps at 360 degrees, keeping the sign of
// the sum, so a quad that keeps turning never jumps. Answers {stored, drawn}.
struct TurnResult {
  std::int16_t stored;
  int drawn;
};
TurnResult AccumulateTurn(std::int16_t accumulated, int angle, int mode);

}  // namespace vorantis
