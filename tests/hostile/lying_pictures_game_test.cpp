// The game with pictures in its tile folder that claim gigapixels (and one file of a
// gigabyte): it starts, plays and ends at its pass count without taking their memory.
#include <gtest/gtest.h>

#include "hostile/picture_files.h"
#include "robust/robust_runs.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;

// The game runs in some 60 MB (a few times that under the sanitizers); one lying picture
// decoded as claimed took 4 GB and more.
constexpr long kMemoryMegabytes = 1024;

TEST(LyingPicturesInTheGame, TheGameEndsNormallyAtItsPassCount) {
  testing::ScratchFolder scratch;
  const fs::path data = scratch.path() / "game";
  fs::copy(testing::kDefaultData, data, fs::copy_options::recursive);
  const std::pair<const char*, std::string> lies[] = {
      {"claims-32767-png.png", testing::LyingPng(32767, 32767)},
      {"claims-65535-tga.png", testing::TgaHeader(65535, 65535, 2, 32)},
      {"claims-32767-jpeg.png", testing::LyingJpeg(32767, 32767, false)},
      {"claims-32767-progressive-jpeg.png", testing::LyingJpeg(32767, 32767, true)},
      {"claims-32767-tiff.png", testing::LyingTiff(32767, 32767)},
      {"gigabyte.png", "\x89PNG\r\n\x1a\n"},  // made a gigabyte of nothing below: never read
  };
  for (const auto& [name, bytes] : lies) std::ofstream(data / "TILES" / name, std::ios::binary) << bytes;
  fs::resize_file(data / "TILES" / "gigabyte.png", 1u << 30);
  std::ofstream(scratch.path() / "input.txt", std::ios::binary) << "0 +SPACE\n1 -SPACE\n";

  const auto outcome =
      testing::RunReplayTool({"--data", data.string(), "--renderer", "record", "--passes", "300", "--input",
                              (scratch.path() / "input.txt").string()},
                             scratch.path() / "run", {testing::kSanitizerBuild ? 120 : 30, kMemoryMegabytes});
  ASSERT_TRUE(outcome.Clean()) << outcome.Describe();
  EXPECT_LT(outcome.peakKilobytes, kMemoryMegabytes * 1024);
  EXPECT_NE(outcome.state.find("\"end\":{\"kind\":\"running\"},\"passes\":300,"), std::string::npos)
      << outcome.state.substr(0, 200);
  EXPECT_NE(outcome.state.find("\"builtLevelNumber\":1,"), std::string::npos)
      << "the level was built and played";
}

}  // namespace
}  // namespace vorantis
