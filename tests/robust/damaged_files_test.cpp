// Every data file of the default data (and the level and opacity files of the level-file
// data), damaged one at a time: cut short or with a few bits flipped. The game must
// still start, play a little and stop in bounded time and memory. A damaged file may
// leave things out or end the program through its report; it must not crash it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "robust/robust_runs.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;
using testing::MirrorData;
using testing::ScratchFolder;

struct Damage {
  const char* name;
  int cut;  // bytes kept: -1 half, -2 all with four bits flipped
};
constexpr Damage kDamages[] = {
    {"cut to half", -1}, {"cut to 1 byte", 1}, {"emptied", 0}, {"bits flipped", -2}};

struct DataFile {
  fs::path data;      // the data set it belongs to
  fs::path relative;  // its path inside
};

// Files the build writes beside the data that the game never opens.
bool NeverRead(const fs::path& relative) {
  const std::string name = relative.generic_string();
  return name == "MANIFEST.txt" || name == ".stamp" || name == "DATA/ini-levelfile.txt" ||
         name == "GFX/ICON.png";
}

// The default data's files, then the level-file data's level and opacity files (the
// default data generates its levels and never reads those).
std::vector<DataFile> DataFiles() {
  std::vector<DataFile> out;
  const fs::path data = testing::kDefaultData;
  for (const auto& entry : fs::recursive_directory_iterator(data)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), data);
    if (NeverRead(relative) || *relative.begin() == "LEVELS") continue;
    out.push_back({data, relative});
  }
  const fs::path levels = testing::kLevelFileData;
  for (const auto& entry : fs::directory_iterator(levels / "LEVELS")) {
    out.push_back({levels, fs::relative(entry.path(), levels)});
  }
  std::sort(out.begin(), out.end(), [](const DataFile& a, const DataFile& b) {
    return a.relative.generic_string() < b.relative.generic_string();
  });
  return out;
}

// A seed of the file's name, so that each file gets its own flips and the same ones every run.
std::uint64_t NameSeed(const std::string& name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::uint64_t NextRandom(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Four flipped bits: one in the first 64 bytes, where the headers are, three anywhere.
std::string Damaged(std::string bytes, const Damage& damage, std::uint64_t seed) {
  if (damage.cut >= 0) return bytes.substr(0, static_cast<std::size_t>(damage.cut));
  if (damage.cut == -1) return bytes.substr(0, bytes.size() / 2);
  for (int flip = 0; flip < 4 && !bytes.empty(); ++flip) {
    const std::size_t span = flip == 0 ? std::min<std::size_t>(bytes.size(), 64) : bytes.size();
    const std::uint64_t draw = NextRandom(seed);
    bytes[draw % span] = static_cast<char>(bytes[draw % span] ^ (1 << ((draw >> 32) % 8)));
  }
  return bytes;
}

// Release runs every damage of every file. A sanitizer build, some times slower, runs
// one damage per file, picked by its seed, and only a seeded quarter of the pictures,
// which all go through the one PNG decoder.
std::vector<Damage> DamagesFor(const fs::path& relative, std::uint64_t seed) {
  if (!testing::kSanitizerBuild) return {std::begin(kDamages), std::end(kDamages)};
  if (relative.extension() == ".png" && (seed >> 8) % 4 != 0) return {};
  return {kDamages[seed % std::size(kDamages)]};
}

constexpr int kShards = 8;

class DamagedDataFiles : public ::testing::TestWithParam<int> {};

TEST_P(DamagedDataFiles, EachDamagedFileStartsPlaysAndStops) {
  const auto files = DataFiles();
  ScratchFolder scratch;
  int runs = 0;
  for (std::size_t i = GetParam(); i < files.size(); i += kShards) {
    const DataFile& file = files[i];
    const std::string name = file.relative.generic_string();
    const std::string original = testing::ReadText(file.data / file.relative);
    for (const Damage& damage : DamagesFor(file.relative, NameSeed(name))) {
      const fs::path data = scratch.path() / ("data" + std::to_string(runs));
      MirrorData(file.data, data, file.relative);
      std::ofstream(data / file.relative, std::ios::binary | std::ios::trunc)
          << Damaged(original, damage, NameSeed(name));
      const auto outcome = testing::RunShortPlay(data, scratch.path() / ("run" + std::to_string(runs)));
      EXPECT_TRUE(outcome.Clean()) << file.data.filename().string() << "/" << name << " " << damage.name
                                   << ": " << outcome.Describe();
      fs::remove_all(data);
      ++runs;
    }
  }
  EXPECT_GT(runs, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, DamagedDataFiles, ::testing::Range(0, kShards));

TEST(DamagedDataFileList, HoldsEveryKindOfDataFile) {
  const auto files = DataFiles();
  EXPECT_GT(files.size(), 150u);
  for (const char* wanted :
       {"DATA/ini.txt", "DATA/glyphs.txt", "DATA/selfcreate.txt", "TILEDEFS/VALE/LAB_FLOOR", "WORLD/coin.dll",
        "SFX/step.ogg", "FONT/A.png", "LEVELS/VALE.ai42", "LEVELS/VALE.red"}) {
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [wanted](const DataFile& file) {
      return file.relative.generic_string() == wanted;
    })) << wanted;
  }
}

}  // namespace
}  // namespace vorantis
