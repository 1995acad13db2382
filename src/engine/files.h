// The file services of the engine: paths are built by the game exactly as its data
// names them (backslashes included) and mapped to the platform only here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {

// Whole-file reads stop here: no picture or sound the engine keeps needs a larger file.
inline constexpr std::size_t kLargestWholeFile = 64 * 1024 * 1024;

// Turns a game path into a platform path: backslashes become '/', doubled
// separators collapse. When the path does not exist as written, each component
// is looked up case-insensitively (data made where file names ignore case).
std::string MapPath(const std::string& gamePath);

// The whole file, or nothing when it cannot be opened or is larger than `largest` bytes.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& gamePath,
                                                       std::size_t largest = kLargestWholeFile);
// At most the first `largest` bytes of the file; nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& gamePath, std::size_t largest);
// The file opened for reading bytes as a stream; nothing when it is not a readable file.
std::optional<std::ifstream> OpenFileStream(const std::string& gamePath);

// Regular files of a folder whose names match "*" + suffix ("*" alone matches all),
// sorted by byte order. An unlistable folder gives an empty list.
// A backslash is put between folder and pattern when the folder does not end in one.
std::vector<std::string> ListFolder(const std::string& gameFolder, const std::string& pattern);

// The process's current directory with a trailing backslash, in game path form
// (the platform's separators turned into backslashes).
std::string CurrentDirectoryWithBackslash();

}  // namespace vorantis
