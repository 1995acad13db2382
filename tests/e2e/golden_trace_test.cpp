// One game on the default data, from the title through play, the pause and quit dialogs, a level's
// intro and game over, against a stored trace: every text with its place, size and alpha, and every
// sound, frame by frame. It pins the layout of everything the game writes on the screen.
// To accept a deliberate change:
//   VORANTIS_UPDATE_GOLDEN=1 build/tests/vorantis_e2e_tests --gtest_filter='GoldenTrace*'
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "e2e/replay_runner.h"
#include "support/stored_output.h"

namespace vorantis::testing {
namespace {

// The trace with its frame and pass numbers left out and runs of equal frames counted, so that the
// stored file stays small and a change shows as the lines that differ.
std::string CountedFrames(const std::string& trace) {
  std::istringstream lines(trace);
  std::string out, line, previous;
  int repeats = 0;
  auto flush = [&] {
    if (repeats > 0) out += std::to_string(repeats) + " " + previous + "\n";
  };
  while (std::getline(lines, line)) {
    const auto texts = line.find("\"texts\":");
    const std::string content = texts == std::string::npos ? line : line.substr(texts);
    if (repeats > 0 && content == previous) {
      ++repeats;
      continue;
    }
    flush();
    previous = content;
    repeats = 1;
  }
  flush();
  return out;
}

TEST(GoldenTrace, TitlePlayDialogsIntroAndGameOverDrawAsStored) {
  ReplayRunner runner;
  const std::string script = Tap(0, "SPACE") + Tap(3, "RIGHT", 17) + Tap(25, "P") + Tap(40, "X") +
                             Tap(50, "PGUP") + Tap(130, "ESC") + Tap(140, "B");
  ReplayResult run = runner.Run(ReplayRunner::DefaultData(), "--size 320x240 --passes 400", script);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const std::string actual = CountedFrames(run.traceText);

  ExpectStoredOutput("e2e/golden_trace.txt", actual);
}

}  // namespace
}  // namespace vorantis::testing
