#include "core/datafile.h"

#include <cstdlib>

#include "engine/files.h"

namespace vorantis {

namespace {

// Refills read this much of a file at a time.
constexpr std::size_t kReadStep = 64 * 1024;

}  // namespace

std::optional<LineReader> LineReader::Open(const std::string& gamePath) {
  auto file = OpenFileStream(gamePath);
  if (!file) return std::nullopt;
  return LineReader(std::move(*file));
}

bool LineReader::Fill() {
  if (position_ < buffer_.size()) return true;
  if (!file_.is_open()) return false;
  buffer_.resize(kReadStep);
  file_.read(reinterpret_cast<char*>(buffer_.data()), static_cast<std::streamsize>(buffer_.size()));
  buffer_.resize(static_cast<std::size_t>(file_.gcount()));
  position_ = 0;
  if (buffer_.empty()) file_.close();
  return !buffer_.empty();
}

bool LineReader::AtEnd() {
  return !Fill();
}

std::string LineReader::ReadLine() {
  std::string line;
  while (Fill()) {
    std::uint8_t c = buffer_[position_++];
    if (c == '\r') {
      if (Fill() && buffer_[position_] == '\n') ++position_;
      return line;
    }
    if (c == '\n' || c == 0) return line;
    if (line.size() < kLongestLine) line.push_back(static_cast<char>(c));
  }
  return line;
}

std::int32_t ParseInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10u + static_cast<std::uint32_t>(text[i++] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::int8_t ParseFlag(const std::string& text) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(ParseInt(text) & 0xFF));
}

float ParseFloat(const std::string& text) {
  // strtof skips leading white space and reads the longest decimal prefix, as wanted;
  // hexadecimal, "inf" and "nan" forms are not decimal numbers here.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  if (j >= text.size() || !((text[j] >= '0' && text[j] <= '9') || text[j] == '.')) return 0.0f;
  if (text.compare(j, 2, "0x") == 0 || text.compare(j, 2, "0X") == 0) return 0.0f;
  return std::strtof(text.c_str() + i, nullptr);
}

}  // namespace vorantis
