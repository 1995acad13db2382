// One shared copy of each distinct text: a level of a million fields names only a
// handful of tile codes, graphics and child names, so fields hold pointers to them.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace vorantis {

// An interned text; nullptr reads as the empty text.
using Text = const std::string*;

inline const std::string& Str(Text text) {
  static const std::string kEmpty;
  return text ? *text : kEmpty;
}

class TextPool {
 public:
  Text Intern(std::string_view text) { return &*texts_.emplace(text).first; }

 private:
  std::unordered_set<std::string> texts_;  // node-based: pointers stay valid
};

}  // namespace vorantis
