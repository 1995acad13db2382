#include "core/settings.h"

#include <gtest/gtest.h>

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

TEST_F(SettingsFile, PairingIsByLineAndKeysMatchExactly) {
  Settings one = Read(Lines({"MULTITASK", "5"}));
  EXPECT_EQ(one.MULTITASK, 5);
  EXPECT_EQ(one.EGFXMAX, 50);
  EXPECT_EQ(one.GAMEMODE, "DEFAULT");
  EXPECT_FLOAT_EQ(one.RESOLUTION, -1.0f);
  EXPECT_EQ(one.MAPSIZE, 1);
  // A blank line turns the following value into a key.
  Settings shifted = Read(Lines({"APPNAME", "A title", "", "MULTITASK", "5"}));
  EXPECT_EQ(shifted.APPNAME, "A title");
  EXPECT_EQ(shifted.MULTITASK, 0);
  EXPECT_EQ(Read(Lines({"multitask", "5", "MULTITASK ", "6"})).MULTITASK, 0);
  EXPECT_EQ(Read(Lines({"LABSWITCH", "3", "LABSWITCH", "9"})).LABSWITCH, 9);
  // A last key line gets the empty value; "MULTITASK" as a number has no digits.
  EXPECT_EQ(Read("APPNAME\r\nGame\r\nEGFXMAX\r\nMULTITASK").EGFXMAX, 0);
  EXPECT_EQ(Read("EGFXMAX\r\n7\r\nAPPNAME").APPNAME, "");
}

TEST_F(SettingsFile, SpecialRules) {
  const struct {
    const char* value;
    int mapSize;
  } mapSizes[] = {{"5000", 1024}, {"-3", 32}, {"big", 0}, {"64", 64}};
  for (const auto& c : mapSizes) EXPECT_EQ(Read(Lines({"MAPSIZE", c.value})).MAPSIZE, c.mapSize) << c.value;

  Settings fast = Read(Lines({"CURSORSPEED", "300"}));
  EXPECT_EQ(fast.CURSORSPEED, 255);
  EXPECT_EQ(fast.cursorDelay, 0);
  Settings slow = Read(Lines({"CURSORSPEED", "-5"}));
  EXPECT_EQ(slow.CURSORSPEED, 0);
  EXPECT_EQ(slow.cursorDelay, 255);

  EXPECT_EQ(Read(Lines({"USESELFCREATEBASE", "257"})).USESELFCREATEBASE, 1);
  EXPECT_EQ(Read(Lines({"USESELFCREATEBASE", "2"})).USESELFCREATEBASE, 2);
  EXPECT_EQ(Read(Lines({"USESPRITE3D", "1", "WINDOWMODE", "0"})).USESPRITE3D, 0);
  EXPECT_EQ(Read(Lines({"WINDOWMODE", "0", "USESPRITE3D", "1"})).USESPRITE3D, 1);
  EXPECT_FLOAT_EQ(Read(Lines({"RESOLUTION", "32x32"})).RESOLUTION, 32.0f);
}

TEST_F(SettingsFile, PathKeysArePrefixedTextKeysAreNot) {
  Settings s = Read(Lines({"SOUNDFXPATH", "SFX\\", "INGAMEMUSIC", "D:\\MUSIC\\", "TOPOGFX", "D:\\GFX\\"}));
  EXPECT_EQ(s.SOUNDFXPATH, "C:\\GAME\\SFX\\");
  EXPECT_EQ(s.INGAMEMUSIC, "D:\\MUSIC\\");
  EXPECT_EQ(s.TOPOGFX, "C:\\GAME\\D:\\GFX\\");
}

TEST_F(SettingsFile, WorldRandomReseedsAtOnce) {
  Read(Lines({"WORLDRANDOM", "1"}));
  Random expected;
  expected.SeedRandom(1);
  EXPECT_EQ(random_.RandomUpTo(99), expected.RandomUpTo(99));
}

TEST(SettingsList, EveryKeyInTableOrderAndMissingFileFails) {
  Settings s;
  Random r;
  EXPECT_FALSE(ReadSettingsFile(s, r, "", "\\nowhere\\at\\all\\ini.txt"));
  auto list = ListSettings(s);
  ASSERT_EQ(list.size(), 56u);  // 55 keys and cursorDelay
  EXPECT_EQ(list.front().key, "SOUNDFXPATH");
  EXPECT_EQ(list[6].key, "WINDOWMODE");
  EXPECT_EQ(list[54].key, "USESCALER");
  EXPECT_EQ(std::get<std::string>(list[47].value), "DEFAULT");
}

}  // namespace
}  // namespace vorantis
