#include "core/settings.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/random.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::Lines;
using testing::ScratchFolder;

class SettingsFile : public ::testing::Test {
 protected:
  Settings Read(const std::string& content) {
    folder_.Write("DATA/ini.txt", content);
    Settings settings;
    EXPECT_TRUE(ReadSettingsFile(settings, random_, "C:\\GAME\\", folder_.GamePath() + "DATA\\ini.txt"));
    return settings;
  }
  ScratchFolder folder_;
  Random random_;
};

// The replay tool's settings dump covers the pairing, exact keys, clamps and path keys;
// these are the rules it does not reach.
TEST_F(SettingsFile, DefaultsLaterKeysAndSpecialRules) {
  Settings one = Read(Lines({"MULTITASK", "5"}));
  EXPECT_EQ(std::tuple(one.MULTITASK, one.EGFXMAX, one.GAMEMODE, one.RESOLUTION, one.MAPSIZE),
            std::tuple(5, 50, "DEFAULT", -1.0f, 1));
  EXPECT_EQ(Read(Lines({"LABSWITCH", "3", "LABSWITCH", "9"})).LABSWITCH, 9);
  EXPECT_EQ(Read(Lines({"MULTITASK ", "6"})).MULTITASK, 0);
  for (auto [value, mapSize] : {std::pair{"big", 0}, {"0", 0}, {"-1", 32}, {"1024", 1024}, {"1025", 1024}})
    EXPECT_EQ(Read(Lines({"MAPSIZE", value})).MAPSIZE, mapSize) << value;
  EXPECT_EQ(Read(Lines({"USESPRITE3D", "1", "WINDOWMODE", "0"})).USESPRITE3D, 0);
  EXPECT_EQ(Read(Lines({"WINDOWMODE", "0", "USESPRITE3D", "1"})).USESPRITE3D, 1);
  EXPECT_EQ(Read(Lines({"TOPOGFX", "D:\\GFX\\"})).TOPOGFX, "C:\\GAME\\D:\\GFX\\");
}

TEST_F(SettingsFile, WorldRandomReseedsAtOnce) {
  Read(Lines({"WORLDRANDOM", "1"}));
  Random expected;
  expected.SeedRandom(1);
  EXPECT_EQ(random_.RandomUpTo(99), expected.RandomUpTo(99));
}

// The sequences themselves are pinned by the golden tile maps.
TEST(Random, EdgeMaximaStillAdvanceTheStateAndTheFirstDrawSeedsFromTheTickCount) {
  Random a;
  Random b;
  a.SeedRandom(7);
  b.SeedRandom(7);
  EXPECT_EQ(a.RandomUpTo(0), 0);
  EXPECT_EQ(a.RandomUpTo(-1), INT32_MIN);
  b.RandomUpTo(50);
  b.RandomUpTo(50);
  EXPECT_EQ(a.state(), b.state());

  Random fromTicks([] { return 1u; });
  b.SeedRandom(1);
  EXPECT_EQ(fromTicks.RandomUpTo(99), b.RandomUpTo(99));
}

}  // namespace
}  // namespace vorantis
