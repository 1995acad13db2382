// Every numeric key of the configuration, one at a time, at the values a hand-edited or
// damaged file may hold (and float keys at tiny ones): the game must start, play a little and stop in bounded
// time and memory, without a crash or a sanitizer report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "core/datafile.h"
#include "core/settings.h"
#include "robust/robust_runs.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;
using testing::MirrorData;
using testing::ScratchFolder;

struct TrialValue {
  const char* name;  // for the test's name
  const char* text;  // as written into the file
  bool floatsOnly;   // an integer key reads it as another value of the list
};

void PrintTo(const TrialValue& value, std::ostream* out) {
  *out << '"' << value.text << '"';
}

// Integer and flag keys read these as integers, float keys as floats; tiny sizes only
// mean something to a float.
constexpr TrialValue kValues[] = {
    {"zero", "0", false},
    {"minus_one", "-1", false},
    {"one", "1", false},
    {"int_max", "2147483647", false},
    {"int_min", "-2147483648", false},
    {"above_float", "1e39", false},
    {"below_float", "-1e39", false},
    {"nan", "nan", false},
    {"empty", "", false},
    {"text", "twelve", false},
    {"thousandth", "0.001", true},
    {"denormal", "1e-39", true},
};

using Trial = std::tuple<std::string, TrialValue>;

// Every numeric key of the configuration table with every value. A sanitizer build,
// some times slower, leaves out a value that reads as the same number as an earlier
// one for that key (an integer key reads "", "twelve" and "nan" all as 0).
std::vector<Trial> Trials() {
  std::vector<Trial> out;
  for (const NamedSetting& setting : ListSettings(Settings{})) {
    if (setting.key == "cursorDelay" || std::holds_alternative<std::string>(setting.value)) continue;
    const bool integer = std::holds_alternative<std::int64_t>(setting.value);
    std::vector<std::uint32_t> seen;
    for (const TrialValue& value : kValues) {
      if (integer && value.floatsOnly) continue;
      std::uint32_t bits = static_cast<std::uint32_t>(ParseInt(value.text));
      if (!integer) {
        const float real = ParseFloat(value.text);
        std::memcpy(&bits, &real, sizeof bits);
      }
      if (testing::kSanitizerBuild && std::find(seen.begin(), seen.end(), bits) != seen.end()) continue;
      seen.push_back(bits);
      out.emplace_back(setting.key, value);
    }
  }
  return out;
}

class SettingsMatrix : public ::testing::TestWithParam<Trial> {};

// One CTest test per key and value, so that the matrix spreads over the cores and a
// slow value holds up nothing else.
TEST_P(SettingsMatrix, StartsPlaysAndStops) {
  const auto& [key, value] = GetParam();
  ScratchFolder scratch;
  const fs::path data = scratch.path() / "data";
  MirrorData(testing::kDefaultData, data, "DATA/ini.txt");
  // The last occurrence of a key wins.
  std::ofstream(data / "DATA" / "ini.txt", std::ios::binary | std::ios::app) << key << "\r\n"
                                                                             << value.text << "\r\n";
  const auto outcome = testing::RunShortPlay(data, scratch.path() / "run");
  EXPECT_TRUE(outcome.Clean()) << key << " = \"" << value.text << "\": " << outcome.Describe();
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsMatrix, ::testing::ValuesIn(Trials()),
                         [](const ::testing::TestParamInfo<Trial>& info) {
                           return std::get<0>(info.param) + "_" + std::get<1>(info.param).name;
                         });

TEST(SettingsMatrixTrials, HoldTheKeysWhoseExtremesOnceHungOrCrashed) {
  const auto trials = Trials();
  for (const char* key : {"EGFXMAX", "WINDOWMODE", "RESOLUTION", "FULLSCREENZOOM", "MAPSIZE", "USESCALER"}) {
    EXPECT_TRUE(std::any_of(trials.begin(), trials.end(), [key](const Trial& t) {
      return std::get<0>(t) == key;
    })) << key;
  }
}

}  // namespace
}  // namespace vorantis
