// The one text format every data file of the game shares: 8-bit lines read in
// key-line/value-line pairs until the end of the file, with lenient numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {

// Reads lines from bytes: a line ends at CR, LF or a zero byte; CR LF counts as one end.
class LineReader {
 public:
  explicit LineReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  // Opens a file through the file layer; nothing when it cannot be opened.
  static std::optional<LineReader> Open(const std::string& gamePath);

  bool AtEnd() const { return position_ >= bytes_.size(); }
  // The next line without its end; the empty text at the end of the file.
  std::string ReadLine();

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

struct KeyValue {
  std::string key;
  std::string value;
};

// Key and value lines in pairs until the end; a final key line gets the empty value.
std::vector<KeyValue> ReadPairs(LineReader& reader);

// Leading blanks and tabs skipped, an optional sign, digits up to the first non-digit;
// no digits give 0. Values beyond 32 bits wrap as the original's 32-bit arithmetic did.
std::int32_t ParseInt(const std::string& text);
// The low 8 bits of ParseInt, signed.
std::int8_t ParseFlag(const std::string& text);
// The leading decimal number of the text; no number gives 0.0.
float ParseFloat(const std::string& text);

}  // namespace vorantis
