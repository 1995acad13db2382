#include "core/datafile.h"

#include <gtest/gtest.h>

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

TEST(LineReader, EveryKindOfLineEnd) {
  EXPECT_EQ(AllLines(FromText("a\rb\nc\r\nd")), (std::vector<std::string>{"a", "b", "c", "d"}));
  // A zero byte ends a line; a CR LF pair is one end, LF CR two.
  EXPECT_EQ(AllLines(FromText(std::string("a\0b\n\rc", 7))), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(AllLines(FromText("x\r\n\r\ny\r\n")), (std::vector<std::string>{"x", "", "y"}));
  EXPECT_TRUE(AllLines(FromText("")).empty());
}

TEST(LineReader, KeepsBytesAboveAsciiAndBlanks) {
  auto lines = AllLines(FromText("  \xf6\xc4 \t\n"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "  \xf6\xc4 \t");
}

TEST(ReadPairs, FinalKeyGetsEmptyValue) {
  auto reader = FromText("A\n1\nB");
  auto pairs = ReadPairs(reader);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].key, "B");
  EXPECT_EQ(pairs[1].value, "");
}

TEST(ReadPairs, BlankLineShiftsThePairing) {
  auto reader = FromText("APPNAME\nTitle\n\nMULTITASK\n5\n");
  auto pairs = ReadPairs(reader);
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
