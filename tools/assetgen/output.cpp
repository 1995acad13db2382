#include "output.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace vorantis::assetgen {

std::uint64_t Checksum(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) {
    hash ^= b;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

namespace {
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}
std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}
}  // namespace

void DataFolder::Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) {
  files_[relative] = bytes;
  WriteFile(root_ / relative, bytes);
}

void DataFolder::WriteText(const std::string& relative, const std::string& text) {
  Write(relative, Bytes(text));
}

void DataFolder::WritePng(const std::string& relative, const RgbImage& image) {
  Write(relative, EncodePng(image));
}

std::string DataFolder::Manifest() const {
  std::string out;
  char line[64];
  for (const auto& [path, bytes] : files_) {
    std::snprintf(line, sizeof line, "%zu %016llx ", bytes.size(),
                  static_cast<unsigned long long>(Checksum(bytes)));
    out += line + path + "\n";
  }
  return out;
}

void DataFolder::WriteManifest(const std::string& relative) {
  WriteFile(root_ / relative, Bytes(Manifest()));
}

void DataFolder::CopyTo(const std::filesystem::path& otherRoot,
                        const std::map<std::string, std::string>& replaced) const {
  DataFolder copy(otherRoot);
  for (const auto& [path, bytes] : files_) {
    auto it = replaced.find(path);
    if (it != replaced.end())
      copy.WriteText(path, it->second);
    else
      copy.Write(path, bytes);
  }
  copy.WriteManifest();
}

std::string Pairs(const std::vector<std::pair<std::string, std::string>>& pairs) {
  std::string out;
  for (const auto& [key, value] : pairs) out += key + "\r\n" + value + "\r\n";
  return out;
}

}  // namespace vorantis::assetgen
