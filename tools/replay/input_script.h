// The replay's input script: one event per line, "<pass> <+|-><KEY>", applied to the
// scripted input source before the controls poll of that pass.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {
class ScriptedInput;
}

namespace vorantis::replay {

struct InputEvent {
  enum class Target { kKey, kPadAxisLeft, kPadAxisRight, kPadAxisUp, kPadAxisDown, kPadButton };
  Target target = Target::kKey;
  int code = 0;  // key code, or pad button number 1..32
  bool held = false;
};

// Held stick directions; the axes follow from them, so that releasing one
// direction keeps the opposite one that is still held.
struct StickState {
  bool left = false, right = false, up = false, down = false;
};

class InputScript {
 public:
  // The events of the script text; on a malformed line, nothing and `error` names
  // the line (counted from 1).
  static std::optional<InputScript> Parse(const std::string& text, std::string& error);

  // Applies the events of one pass, in file order.
  void Apply(std::int64_t pass, ScriptedInput& input);

  bool empty() const { return events_.empty(); }

 private:
  std::map<std::int64_t, std::vector<InputEvent>> events_;
  StickState stick_;
};

// The event a key name stands for ("SPACE", "PAD_LEFT", "PAD10", ...), if any.
std::optional<InputEvent> EventForKeyName(const std::string& name, bool held);

}  // namespace vorantis::replay
