// A small JSON writer for the replay tool's state and trace. The game's texts are
// 8-bit Windows-1252; strings are written as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorantis::replay {

// The Unicode text of Windows-1252 bytes, as UTF-8. Bytes the code page leaves
// unassigned keep their own value as a code point.
std::string Windows1252ToUtf8(std::string_view bytes);

// Writes compact JSON (no blanks) in the order the calls come. Inside an object each
// value is preceded by Key().
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view name);

  void String(std::string_view windows1252);
  void Int(std::int64_t value);
  // The shortest text that reads back as the same float; null when not finite.
  void Float(float value);
  void Null();

  const std::string& text() const { return out_; }

 private:
  void BeforeValue();
  void Quoted(std::string_view windows1252);

  std::string out_;
  std::vector<bool> hasMember_;  // per open container: a member was written
  bool afterKey_ = false;
};

}  // namespace vorantis::replay
