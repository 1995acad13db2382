// What play keeps between passes: the score, the clock, the view's origin and the
// cursor. Plain data, so that core/game.h can hold it without depending on play/'s
// functions.
#pragma once

#include <cstdint>
#include <string>

#include "core/records.h"

namespace vorantis {

// Values of PlayState::gameState.
inline constexpr std::int32_t kGameRunning = 19;
inline constexpr std::int32_t kGameOver = 21;

struct Cursor {
  float x = 0;
  float y = 0;
  std::int32_t sprite = 0;
  std::int32_t sprite3D = 0;
  std::int32_t stepDelay = 0;
  std::int32_t heading = heading::kNone;
};

struct PlayState {
  std::int32_t gameState = kGameRunning;
  std::int32_t levelNumber = 1;
  std::int32_t tilesLeft = 0;
  std::int32_t timeLeft = 0;
  std::int32_t timerFrames = 0;
  std::int32_t totalScore = 0;
  std::int32_t countTarget = 0;
  std::int32_t bankedScore = 0;
  std::int8_t levelIntroPending = 0;
  float originColumn = 0;
  float originRow = 0;
  std::string bombs = "&";  // one "&" per bomb carried
  std::int32_t screenShot = 0;
  std::int32_t screenShot3D = 0;
  std::int32_t noticeOffset = 0;
  Cursor cursor;
};

}  // namespace vorantis
