// The data-file reader, the configuration file and the random generator.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/datafile.h"
#include "core/random.h"
#include "core/settings.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

LineReader FromText(const std::string& text) {
  return LineReader(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::string> AllLines(LineReader reader) {
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
  return lines;
}

std::vector<KeyValue> AllPairs(LineReader reader) {
  std::vector<KeyValue> pairs;
  for (const KeyValue& pair : ReadPairs(reader)) pairs.push_back(pair);
  return pairs;
}

TEST(LineReader, EveryKindOfLineEnd) {
  EXPECT_EQ(AllLines(FromText("a\rb\nc\r\nd")), (std::vector<std::string>{"a", "b", "c", "d"}));
  // A zero byte ends a line; a CR LF pair is one end, LF CR two.
  EXPECT_EQ(AllLines(FromText(std::string("a\0b\n\rc", 7))), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(AllLines(FromText("x\r\n\r\ny\r\n")), (std::vector<std::string>{"x", "", "y"}));
  EXPECT_TRUE(AllLines(FromText("")).empty());
  // Bytes above ASCII and blanks are kept as they are.
  EXPECT_EQ(AllLines(FromText("  \xf6\xc4 \t\n")), std::vector<std::string>{"  \xf6\xc4 \t"});
  // An over-long line keeps its start and skips the rest.
  const std::string longest(kLongestLine, 'a');
  EXPECT_EQ(AllLines(FromText(longest + "\n" + longest + "bcd\r\nnext")),
            (std::vector<std::string>{longest, longest, "next"}));
}

TEST(LineReader, FilesReadInPiecesGiveTheLinesTheirBytesGive) {
  // Files are read 64 KiB at a time: line ends placed across that boundary, and the last
  // byte of the file a CR, must read as they do from bytes.
  testing::ScratchFolder folder;
  const std::string filler(64 * 1024 - 1, 'f');
  const std::string cases[] = {"",
                               "one",
                               "a\rb\nc\r\nd\r",
                               filler + "\r\nnext",
                               filler + "\r\rnext",
                               filler + "x\r\nnext\n",
                               filler + "\r",
                               filler + std::string("\0\n", 2),
                               filler + filler + "\n\n\r"};
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.size());
    folder.Write("data.txt", text);
    auto reader = LineReader::Open(folder.GamePath() + "DATA.TXT");
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(AllLines(std::move(*reader)), AllLines(FromText(text)));
  }
  EXPECT_FALSE(LineReader::Open(folder.GamePath() + "missing.txt").has_value());
  folder.MakeFolder("folder");
  EXPECT_FALSE(LineReader::Open(folder.GamePath() + "folder").has_value());
}

// Tile and object definitions are read as pairs (the configuration has its own reader).
TEST(ReadPairs, ABlankLineShiftsThePairingAndTheFinalKeyGetsAnEmptyValue) {
  auto pairs = AllPairs(FromText("APPNAME\nTitle\n\nMULTITASK\n5\n"));
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(std::pair(pairs[1].key, pairs[1].value), std::pair(std::string(), std::string("MULTITASK")));
  EXPECT_EQ(std::pair(pairs[2].key, pairs[2].value), std::pair(std::string("5"), std::string()));
  EXPECT_TRUE(AllPairs(FromText("")).empty());
}

TEST(ParseNumbers, LenientIntegersFlagsOfTheLowEightBitsSignedAndFloatsReadTheLeadingNumber) {
  // 4294967297 wraps as 32-bit arithmetic does.
  const std::pair<const char*, int> ints[] = {{"12abc", 12}, {"abc", 0}, {" \t-42", -42}, {"+7", 7},
                                              {"- 7", 0},    {"", 0},    {"32x32", 32},   {"4294967297", 1}};
  for (auto [text, value] : ints) EXPECT_EQ(ParseInt(text), value) << text;
  EXPECT_EQ(ParseFlag("300"), 44);
  EXPECT_EQ(ParseFlag("255"), -1);
  const std::pair<const char*, float> floats[] = {
      {"32", 32}, {"32x32", 32}, {" 0.75", 0.75f}, {"-1.5e1", -15}, {"abc", 0}, {"inf", 0}, {"0x10", 0}};
  for (auto [text, value] : floats) EXPECT_FLOAT_EQ(ParseFloat(text), value) << text;
}

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
