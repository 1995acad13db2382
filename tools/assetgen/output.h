// The data folder being written: every file goes through here so that the
// manifest (size and checksum per file) can be written at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace vorantis::assetgen {

// FNV-1a, 64 bits: a stable checksum for the manifest.
std::uint64_t Checksum(const std::vector<std::uint8_t>& bytes);

class DataFolder {
 public:
  explicit DataFolder(std::filesystem::path root) : root_(std::move(root)) {}
  const std::filesystem::path& root() const { return root_; }

  // relative uses '/' separators; folders are made as needed.
  void Write(const std::string& relative, const std::vector<std::uint8_t>& bytes);
  void WriteText(const std::string& relative, const std::string& text);
  void WritePng(const std::string& relative, const RgbImage& image);

  // "size checksum path" per file, sorted by path; the manifest itself is not listed.
  std::string Manifest() const;
  void WriteManifest(const std::string& relative = "MANIFEST.txt");
  // Writes every file again below another root, with some replaced by new content.
  void CopyTo(const std::filesystem::path& otherRoot,
              const std::map<std::string, std::string>& replaced) const;

 private:
  std::filesystem::path root_;
  std::map<std::string, std::vector<std::uint8_t>> files_;
};

// Key line, value line pairs joined with CR LF, as the game's data files are written.
std::string Pairs(const std::vector<std::pair<std::string, std::string>>& pairs);

// A small deterministic generator for the art and music (xorshift64*).
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  std::uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  // 0 <= value < 1
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  std::uint64_t state_;
};

}  // namespace vorantis::assetgen
