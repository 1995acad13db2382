// A scratch folder for fixture files, and the data file line format.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

namespace vorantis::testing {

// A folder under the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  // Some C++ libraries (mingw's) give the same random_device numbers in every process, so two
  // tests running side by side may draw one name: the folder is claimed by creating it, and a
  // name already taken moves on to the next.
  ScratchFolder() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    std::uint64_t n = (std::uint64_t{seed()} << 20) ^
                      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (;; ++n) {
      path_ = base / ("vorantis-test-" + std::to_string(n));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the game writes paths: with backslashes and a trailing one.
  std::string GamePath() const {
    std::string p = path_.string();
    for (char& c : p)
      if (c == '/') c = '\\';
    return p + "\\";
  }
  // Writes bytes to a file below the folder, making its folders.
  void Write(const std::string& relative, const std::string& content) const {
    auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
  }
  void MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(path_ / relative);
  }

 private:
  std::filesystem::path path_;
};

// Joins lines, each ended with CR LF; the data file reader takes CR, LF and CR LF alike.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace vorantis::testing
