// When passes are due, and which of their frames are drawn when drawing is slow.
// Times are microseconds on one clock; nothing here reads a clock itself.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vorantis {

inline constexpr std::int64_t kPassPeriod = 16667;  // 60 passes per second

// Passes fall due on a fixed grid, so that small lateness evens out and passes whose
// frames are not drawn catch up with the schedule. A stall of more than a few passes
// (a level loading, a dragged window) restarts the grid rather than hurrying play on.
class PassSchedule {
 public:
  static constexpr std::int64_t kMostBehind = 6 * kPassPeriod;

  // The pass that ended at `now` lets the next one begin at the returned time, never
  // before `now`.
  std::int64_t NextStart(std::int64_t now) {
    const std::int64_t start = std::max(now, due_);
    due_ += kPassPeriod;
    if (now - due_ > kMostBehind) due_ = now + kPassPeriod;
    return start;
  }
  // When the pass now running is due to end.
  std::int64_t due() const { return due_; }

 private:
  std::int64_t due_ = 0;
};

// Every speed of play counts passes, and each pass makes one frame. A frame whose
// drawing would leave the passes too far behind their schedule is not drawn; every
// frame paints its whole picture, so the next drawn one is complete.
class FramePacing {
 public:
  // At least 60 / (4 + 1) = 12 drawn frames a second, so the picture keeps moving.
  static constexpr int kMostSkippedInRow = 4;
  // A drawn frame may end this far behind schedule: the undrawn ones after it catch up.
  static constexpr std::int64_t kMostLate = 2 * kPassPeriod;
  // A frame slower than this may have been held up by something else (loading): it
  // counts as this slow only, so that one stall costs at most a few pictures.
  static constexpr std::int64_t kLongestMeasured = PassSchedule::kMostBehind;

  // A frame ended; `start` < 0 when it had no measured start.
  void FrameEnded(bool drawn, std::int64_t start, std::int64_t end) {
    ++frames_;
    const std::int64_t cost = start >= 0 && end >= start ? std::min(end - start, kLongestMeasured) : -1;
    if (drawn) {
      ++drawn_;
      skippedInRow_ = 0;
      if (cost >= 0) drawnCost_ = cost;
    } else {
      ++skipped_;
      ++skippedInRow_;
      if (cost >= 0) skippedCost_ = cost;
    }
  }

  // Whether the frame starting at `start` is drawn; it is due to end at `due` (< 0: the
  // clock keeps no schedule, and every frame is drawn).
  bool DrawNext(std::int64_t start, std::int64_t due) const {
    if (due < 0 || skippedInRow_ >= kMostSkippedInRow) return true;
    if (start + drawnCost_ <= due + kMostLate) return true;
    // When passes cost as much undrawn, skipping would only lose pictures.
    return skippedCost_ >= drawnCost_;
  }

  std::int64_t frames() const { return frames_; }
  std::int64_t drawn() const { return drawn_; }
  std::int64_t skipped() const { return skipped_; }
  std::int64_t drawnCost() const { return drawnCost_; }

 private:
  std::int64_t drawnCost_ = 0;
  std::int64_t skippedCost_ = 0;
  int skippedInRow_ = 0;
  std::int64_t frames_ = 0;
  std::int64_t drawn_ = 0;
  std::int64_t skipped_ = 0;
};

// Progress pictures of a level build can come far faster than a display refreshes; one
// that comes within `gap` of the last one shown would be replaced before it is seen.
class ProgressShowing {
 public:
  explicit ProgressShowing(std::int64_t gap) : gap_(gap) {}
  // Whether the picture at `now` is shown (a clock that went back shows it).
  bool Show(std::int64_t now) {
    if (shownAt_ >= 0 && now >= shownAt_ && now - shownAt_ < gap_) return false;
    shownAt_ = now;
    return true;
  }

 private:
  std::int64_t gap_;
  std::int64_t shownAt_ = -1;
};

}  // namespace vorantis
