// The game with pictures in its tile folder that claim gigapixels (and one file of a
// gigabyte): it starts, plays and ends at its pass count without taking their memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "hostile/picture_files.h"
#include "support/child_process.h"
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
  fs::copy(VORANTIS_BINARY_DIR "/game", data, fs::copy_options::recursive);
  using testing::LyingJpeg;
  using testing::LyingPng;
  using testing::LyingTiff;
  const std::pair<const char*, std::string> lies[] = {
      {"claims-32767-png.png", LyingPng(32767, 32767)},
      {"claims-65535-tga.png", testing::TgaHeader(65535, 65535, 2, 32)},
      {"claims-32767-jpeg.png", LyingJpeg(32767, 32767, false)},
      {"claims-32767-progressive-jpeg.png", LyingJpeg(32767, 32767, true)},
      {"claims-32767-tiff.png", LyingTiff(32767, 32767)},
  };
  for (const auto& [name, bytes] : lies) std::ofstream(data / "TILES" / name, std::ios::binary) << bytes;
  // A gigabyte of nothing: no disk space, and never read.
  std::ofstream(data / "TILES" / "gigabyte.png", std::ios::binary) << "\x89PNG\r\n\x1a\n";
  fs::resize_file(data / "TILES" / "gigabyte.png", 1u << 30);
  std::ofstream(scratch.path() / "input.txt", std::ios::binary) << "0 +SPACE\n1 -SPACE\n";

  const auto outcome = testing::RunChild(
      {VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay", "--data", data.string(), "--renderer", "record",
       "--passes", "300", "--input", (scratch.path() / "input.txt").string(), "--state",
       (scratch.path() / "state.json").string()},
      "/dev/null", scratch.path() / "errors.txt", {testing::kSanitizerBuild ? 120 : 30, kMemoryMegabytes});
  const auto read = [&scratch](const char* name) {
    std::ifstream in(scratch.path() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  ASSERT_FALSE(outcome.timedOut);
  ASSERT_EQ(outcome.exitCode, 0) << "signal " << outcome.signal << ": " << read("errors.txt").substr(0, 2000);
  EXPECT_LT(outcome.peakKilobytes, kMemoryMegabytes * 1024);
  const std::string state = read("state.json");
  EXPECT_NE(state.find("\"end\":{\"kind\":\"running\"},\"passes\":300,"), std::string::npos)
      << state.substr(0, 200);
  EXPECT_NE(state.find("\"builtLevelNumber\":1,"), std::string::npos) << "the level was built and played";
}

}  // namespace
}  // namespace vorantis
