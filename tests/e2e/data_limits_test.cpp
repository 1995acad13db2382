// A zoom far above one, played through the replay tool on a copy of the generated data.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/replay_runner.h"
#include "engine/image.h"
#include "engine/platform/image_decoders.h"

namespace vorantis::testing {
namespace {

// The zoom grabbed FULLSCREENZOOM times the screen into a buffer of that size on every
// frame (zoom 10 at 800 x 600: 700 MB; zoom 40 never finished). Now the grab costs no more
// than the back buffer, and what lies off it shows black.
TEST(DataLimits, ZoomsFarAboveOneStayWithinTheBackBuffersCostAndShowBlackBeyondIt) {
  ReplayRunner runner;
  for (const char* zoom : {"10", "40"}) {
    const std::string data = runner.CopyOf(ReplayRunner::DefaultData(), {{"FULLSCREENZOOM", zoom}});
    const std::string frames = (runner.scratch() / (std::string("frames") + zoom)).string();
    const ReplayResult run = runner.Run(
        data, "--size 320x240 --passes 20 --renderer gl --frames 15 --out '" + frames + "'", Tap(0, "SPACE"));
    EXPECT_EQ(run.exitCode, 0) << zoom << ": " << run.errors;
    EXPECT_EQ(run.Count("passes"), 20) << zoom;
    // The game's own runs stay near 200 MB; the fault grew by hundreds of megabytes a frame.
    EXPECT_LT(run.peakKilobytes, 1024 * 1024) << zoom;
    const std::string png = ReadFile(frames + "/frame-000015.png");
    Image image;
    ASSERT_TRUE(DecodePng(std::vector<std::uint8_t>(png.begin(), png.end()), image)) << zoom;
    // Screen x 40 and beyond show grab x 400 and beyond: off the 320-pixel buffer. The band
    // between the HUD lines holds nothing but the zoomed picture.
    std::size_t lit = 0;
    for (int y = 72; y < 210; ++y)
      for (int x = 40; x < 320; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * 320 + static_cast<std::size_t>(x)) * 4;
        lit += image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2] > 0;
      }
    EXPECT_EQ(lit, 0u) << zoom;
  }
}

}  // namespace
}  // namespace vorantis::testing
