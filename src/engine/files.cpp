#include "engine/files.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace vorantis {
namespace fs = std::filesystem;

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string Normalise(const std::string& gamePath) {
  std::string out;
  out.reserve(gamePath.size());
  for (char c : gamePath) {
    char d = (c == '\\') ? '/' : c;
    if (d == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(d);
  }
  return out;
}

// Walks the path component by component, replacing each missing one by the
// first entry of its folder that matches it without regard to case.
std::string ResolveCaseInsensitively(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return path;
  std::string resolved = path[0] == '/' ? "/" : "";
  size_t start = path[0] == '/' ? 1 : 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (!part.empty()) {
      std::string candidate = resolved + part;
      if (!fs::exists(candidate, ec)) {
        fs::path folder = resolved.empty() ? fs::path(".") : fs::path(resolved);
        std::vector<std::string> matches;
        for (fs::directory_iterator it(folder, ec), last; !ec && it != last; it.increment(ec)) {
          std::string name = it->path().filename().string();
          if (EqualsIgnoringCase(name, part)) matches.push_back(name);
        }
        if (matches.empty()) return path;
        std::sort(matches.begin(), matches.end());
        candidate = resolved + matches.front();
      }
      resolved = candidate;
      if (end < path.size()) resolved += '/';
    }
    start = end + 1;
  }
  return resolved;
}

}  // namespace

std::string MapPath(const std::string& gamePath) {
  return ResolveCaseInsensitively(Normalise(gamePath));
}

namespace {

std::optional<std::ifstream> OpenMapped(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return in;
}

// At most `count` bytes from the start of the file. The size on disk sizes the first read
// (and, with `refuseFull`, refuses a file that already has `count` bytes); a file that grows
// meanwhile is read on in steps, never past `count`.
std::optional<std::vector<std::uint8_t>> ReadStart(const std::string& gamePath, std::size_t count,
                                                   bool refuseFull) {
  const std::string path = MapPath(gamePath);
  auto in = OpenMapped(path);
  if (!in) return std::nullopt;
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && refuseFull && size >= count) return std::nullopt;
  constexpr std::size_t kStep = 1 << 20;
  std::size_t step = ec ? kStep : static_cast<std::size_t>(std::min<std::uintmax_t>(size, count));
  std::vector<std::uint8_t> bytes;
  while (bytes.size() < count) {
    const std::size_t had = bytes.size();
    step = std::min(step, count - had);
    bytes.resize(had + step);
    in->read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(step));
    bytes.resize(had + static_cast<std::size_t>(in->gcount()));
    if (bytes.size() < had + step || in->peek() == std::ifstream::traits_type::eof()) break;
    step = kStep;
  }
  return bytes;
}

}  // namespace

std::optional<std::ifstream> OpenFileStream(const std::string& gamePath) {
  return OpenMapped(MapPath(gamePath));
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& gamePath, std::size_t largest) {
  // One byte more than allowed shows a file that grew past the limit while it was read.
  const std::size_t count = largest < SIZE_MAX ? largest + 1 : largest;
  auto bytes = ReadStart(gamePath, count, true);
  if (bytes && bytes->size() > largest) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& gamePath, std::size_t largest) {
  return ReadStart(gamePath, largest, false);
}

std::vector<std::string> ListFolder(const std::string& gameFolder, const std::string& pattern) {
  std::vector<std::string> names;
  std::string suffix = pattern.empty() || pattern[0] != '*' ? pattern : pattern.substr(1);
  std::string folder = gameFolder.empty() ? "." : MapPath(gameFolder);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), last; !ec && it != last; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (name.size() >= suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string CurrentDirectoryWithBackslash() {
  std::error_code ec;
  std::string dir = fs::current_path(ec).string();
  std::replace(dir.begin(), dir.end(), '/', '\\');
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  return dir;
}

}  // namespace vorantis
