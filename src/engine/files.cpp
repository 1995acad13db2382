#include "engine/files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& gamePath) {
  std::string path = MapPath(gamePath);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
