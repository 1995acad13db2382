// The one text format every data file of the game shares: 8-bit lines read in
// key-line/value-line pairs until the end of the file, with lenient numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {

// Longer lines keep their first kLongestLine bytes; the rest up to the line's end is skipped.
inline constexpr std::size_t kLongestLine = 64 * 1024;

// Reads lines from bytes: a line ends at CR, LF or a zero byte; CR LF counts as one end.
// A file is read from a stream as far as its lines are asked for, never whole.
class LineReader {
 public:
  explicit LineReader(std::vector<std::uint8_t> bytes) : buffer_(std::move(bytes)) {}
  // Opens a file through the file layer; nothing when it cannot be opened.
  static std::optional<LineReader> Open(const std::string& gamePath);

  bool AtEnd();
  // The next line without its end; the empty text at the end of the file.
  std::string ReadLine();

 private:
  explicit LineReader(std::ifstream file) : file_(std::move(file)) {}
  // Makes sure a byte is buffered unless the data has ended; false at the end.
  bool Fill();

  std::vector<std::uint8_t> buffer_;
  std::size_t position_ = 0;
  std::ifstream file_;  // not open when reading from bytes
};

struct KeyValue {
  std::string key;
  std::string value;
};

// Key and value lines in pairs until the end; a final key line gets the empty value.
// The pairs are read one at a time as the loop over them goes on, so a file of many lines
// never sits in memory whole.
class PairReader {
 public:
  explicit PairReader(LineReader& reader) : reader_(&reader) {}

  class Iterator {
   public:
    Iterator() = default;
    explicit Iterator(PairReader* pairs) : pairs_(pairs) { Next(); }
    const KeyValue& operator*() const { return pairs_->current_; }
    Iterator& operator++() {
      Next();
      return *this;
    }
    bool operator==(const Iterator& other) const { return pairs_ == other.pairs_; }

   private:
    // Past the last pair the iterator equals the default one, the end.
    void Next() {
      if (!pairs_->reader_->AtEnd()) {
        pairs_->current_.key = pairs_->reader_->ReadLine();
        pairs_->current_.value = pairs_->reader_->ReadLine();
      } else {
        pairs_ = nullptr;
      }
    }
    PairReader* pairs_ = nullptr;
  };

  // One pass only: the lines are consumed as they are read.
  Iterator begin() { return Iterator(this); }
  Iterator end() { return Iterator(); }

 private:
  LineReader* reader_;
  KeyValue current_;
};

inline PairReader ReadPairs(LineReader& reader) {
  return PairReader(reader);
}

// Leading blanks and tabs skipped, an optional sign, digits up to the first non-digit;
// no digits give 0. Values beyond 32 bits wrap in 32 bits, as data files may rely on.
std::int32_t ParseInt(const std::string& text);
// The low 8 bits of ParseInt, signed.
std::int8_t ParseFlag(const std::string& text);
// The leading decimal number of the text; no number gives 0.0.
float ParseFloat(const std::string& text);

}  // namespace vorantis
