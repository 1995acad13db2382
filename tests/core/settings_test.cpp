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

TEST_F(SettingsFile, OnePairChangesOneSetting) {
  Settings s = Read(Lines({"MULTITASK", "5"}));
  Settings defaults;
  EXPECT_EQ(s.MULTITASK, 5);
  EXPECT_EQ(s.EGFXMAX, defaults.EGFXMAX);
  EXPECT_EQ(s.GAMEMODE, "DEFAULT");
  EXPECT_FLOAT_EQ(s.RESOLUTION, -1.0f);
  EXPECT_EQ(s.MAPSIZE, 1);
  EXPECT_EQ(s.WORLDREFRESH, 60);
  EXPECT_EQ(s.SMOOTH, 1);
  EXPECT_EQ(s.cursorDelay, 0);
}

TEST_F(SettingsFile, BlankLineTurnsValuesIntoKeys) {
  Settings s = Read(Lines({"APPNAME", "A title", "", "MULTITASK", "5"}));
  EXPECT_EQ(s.APPNAME, "A title");
  EXPECT_EQ(s.MULTITASK, 0);
}

TEST_F(SettingsFile, KeysMatchExactly) {
  Settings s = Read(Lines({"multitask", "5", "MULTITASK ", "6", " MULTITASK", "7"}));
  EXPECT_EQ(s.MULTITASK, 0);
}

TEST_F(SettingsFile, MapSizeLimits) {
  EXPECT_EQ(Read(Lines({"MAPSIZE", "5000"})).MAPSIZE, 1024);
  EXPECT_EQ(Read(Lines({"MAPSIZE", "-3"})).MAPSIZE, 32);
  EXPECT_EQ(Read(Lines({"MAPSIZE", "big"})).MAPSIZE, 0);
  EXPECT_EQ(Read(Lines({"MAPSIZE", "64"})).MAPSIZE, 64);
}

TEST_F(SettingsFile, CursorSpeedIsClampedAndDerivesTheDelay) {
  Settings fast = Read(Lines({"CURSORSPEED", "300"}));
  EXPECT_EQ(fast.CURSORSPEED, 255);
  EXPECT_EQ(fast.cursorDelay, 0);
  Settings slow = Read(Lines({"CURSORSPEED", "-5"}));
  EXPECT_EQ(slow.CURSORSPEED, 0);
  EXPECT_EQ(slow.cursorDelay, 255);
  EXPECT_EQ(Read(Lines({"CURSORSPEED", "250"})).cursorDelay, 5);
}

TEST_F(SettingsFile, FlagsKeepTheirLowBits) {
  EXPECT_EQ(Read(Lines({"USESELFCREATEBASE", "257"})).USESELFCREATEBASE, 1);
  EXPECT_EQ(Read(Lines({"USESELFCREATEBASE", "2"})).USESELFCREATEBASE, 2);
}

TEST_F(SettingsFile, WindowModeSharesTheDrawingSwitch) {
  EXPECT_EQ(Read(Lines({"USESPRITE3D", "1", "WINDOWMODE", "0"})).USESPRITE3D, 0);
  EXPECT_EQ(Read(Lines({"WINDOWMODE", "0", "USESPRITE3D", "1"})).USESPRITE3D, 1);
}

TEST_F(SettingsFile, ResolutionReadsTheLeadingNumber) {
  EXPECT_FLOAT_EQ(Read(Lines({"RESOLUTION", "32"})).RESOLUTION, 32.0f);
  EXPECT_FLOAT_EQ(Read(Lines({"RESOLUTION", "32x32"})).RESOLUTION, 32.0f);
}

TEST_F(SettingsFile, PathKeysArePrefixedTextKeysAreNot) {
  Settings s = Read(Lines({"SOUNDFXPATH", "SFX\\", "INGAMEMUSIC", "D:\\MUSIC\\", "TOPOGFX", "D:\\GFX\\"}));
  EXPECT_EQ(s.SOUNDFXPATH, "C:\\GAME\\SFX\\");
  EXPECT_EQ(s.INGAMEMUSIC, "D:\\MUSIC\\");
  EXPECT_EQ(s.TOPOGFX, "C:\\GAME\\D:\\GFX\\");
}

TEST_F(SettingsFile, FinalKeyLineGetsAnEmptyValue) {
  Settings s = Read("APPNAME\r\nGame\r\nEGFXMAX\r\nMULTITASK");
  EXPECT_EQ(s.EGFXMAX, 0);  // "MULTITASK" is EGFXMAX's value: no digits read as 0
  Settings t = Read("EGFXMAX\r\n7\r\nAPPNAME");
  EXPECT_EQ(t.EGFXMAX, 7);
  EXPECT_EQ(t.APPNAME, "");
}

TEST_F(SettingsFile, LaterOccurrenceWins) {
  EXPECT_EQ(Read(Lines({"LABSWITCH", "3", "LABSWITCH", "9"})).LABSWITCH, 9);
}

TEST_F(SettingsFile, WorldRandomReseedsAtOnce) {
  Read(Lines({"WORLDRANDOM", "1"}));
  Random expected;
  expected.SeedRandom(1);
  EXPECT_EQ(random_.RandomUpTo(99), expected.RandomUpTo(99));
}

TEST(SettingsFileMissing, ReadingAMissingFileFails) {
  Settings s;
  Random r;
  EXPECT_FALSE(ReadSettingsFile(s, r, "", "\\nowhere\\at\\all\\ini.txt"));
}

TEST(SettingsList, EveryKeyInTableOrder) {
  Settings s;
  auto list = ListSettings(s);
  ASSERT_EQ(list.size(), 56u);  // 55 keys and cursorDelay
  EXPECT_EQ(list.front().key, "SOUNDFXPATH");
  EXPECT_EQ(list[6].key, "WINDOWMODE");
  EXPECT_EQ(list[54].key, "USESCALER");
  EXPECT_EQ(list[55].key, "cursorDelay");
  EXPECT_EQ(std::get<std::string>(list[47].value), "DEFAULT");
}

}  // namespace
}  // namespace vorantis
