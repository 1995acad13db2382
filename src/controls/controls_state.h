// What the controls keep between polls, and the codes one poll yields. Plain data, so
// that core/game.h can hold it without depending on controls/'s functions.
#pragma once

#include <cstdint>

namespace vorantis {

// Direction and action codes of one controls poll; all distinct, since a direction
// and an action share the kNone code.
namespace control {
inline constexpr int kPrimary = 0;
inline constexpr int kActionB = 1;
inline constexpr int kActionX = 4;
inline constexpr int kActionY = 5;
inline constexpr int kUp = 6;
inline constexpr int kDown = 7;
inline constexpr int kLeft = 8;
inline constexpr int kRight = 9;
inline constexpr int kPause = 14;
inline constexpr int kQuit = 15;
// No direction, or no action, this poll.
inline constexpr int kNone = 16;
}  // namespace control

// Whether the primary control was let go since it last set off a bomb. A type of its
// own: its numbers are never compared with the control codes.
enum class PrimaryMark : std::uint8_t {
  kAtStart = 1,
  kUsed = 16,
  kReleased = 17,
};

struct ControlsState {
  std::int32_t direction = control::kNone;
  std::int32_t lastAction = control::kNone;
  PrimaryMark primaryReleasedMark = PrimaryMark::kAtStart;
  std::uint8_t armed = 0;
  bool dialogOpen = false;
};

}  // namespace vorantis
