#include "core/datafile.h"

#include <gtest/gtest.h>

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

TEST(LineReader, OverLongLinesKeepTheirStartAndSkipTheRest) {
  const std::string longest(kLongestLine, 'a');
  const auto lines = AllLines(FromText(longest + "\n" + longest + "bcd\r\nnext"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], longest);
  EXPECT_EQ(lines[1], longest);
  EXPECT_EQ(lines[2], "next");
}

TEST(LineReader, KeepsBytesAboveAsciiAndBlanks) {
  auto lines = AllLines(FromText("  \xf6\xc4 \t\n"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "  \xf6\xc4 \t");
}

TEST(ReadPairs, FinalKeyGetsEmptyValue) {
  auto pairs = AllPairs(FromText("A\n1\nB"));
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].key, "B");
  EXPECT_EQ(pairs[1].value, "");
  EXPECT_TRUE(AllPairs(FromText("")).empty());
}

TEST(ReadPairs, BlankLineShiftsThePairing) {
  auto pairs = AllPairs(FromText("APPNAME\nTitle\n\nMULTITASK\n5\n"));
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[1].key, "");
  EXPECT_EQ(pairs[1].value, "MULTITASK");
  EXPECT_EQ(pairs[2].key, "5");
  EXPECT_EQ(pairs[2].value, "");
}

TEST(ParseNumbers, LenientIntegers) {
  EXPECT_EQ(ParseInt("12abc"), 12);
  EXPECT_EQ(ParseInt("abc"), 0);
  EXPECT_EQ(ParseInt(" \t-42"), -42);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("- 7"), 0);
  EXPECT_EQ(ParseInt(""), 0);
  EXPECT_EQ(ParseInt("32x32"), 32);
  EXPECT_EQ(ParseInt("4294967297"), 1);  // wraps as 32-bit arithmetic does
}

TEST(ParseNumbers, FlagsKeepTheLowEightBitsSigned) {
  EXPECT_EQ(ParseFlag("257"), 1);
  EXPECT_EQ(ParseFlag("2"), 2);
  EXPECT_EQ(ParseFlag("300"), 44);
  EXPECT_EQ(ParseFlag("255"), -1);
}

TEST(ParseNumbers, FloatsReadTheLeadingNumber) {
  EXPECT_FLOAT_EQ(ParseFloat("32"), 32.0f);
  EXPECT_FLOAT_EQ(ParseFloat("32x32"), 32.0f);
  EXPECT_FLOAT_EQ(ParseFloat(" 0.75"), 0.75f);
  EXPECT_FLOAT_EQ(ParseFloat("-1.5e1"), -15.0f);
  EXPECT_FLOAT_EQ(ParseFloat("abc"), 0.0f);
  EXPECT_FLOAT_EQ(ParseFloat("inf"), 0.0f);
  EXPECT_FLOAT_EQ(ParseFloat("0x10"), 0.0f);
}

}  // namespace
}  // namespace vorantis
