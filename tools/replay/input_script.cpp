#include "input_script.h"

#include <array>
#include <string_view>
#include <utility>

#include "engine/input.h"
#include "engine/scripted_input.h"

namespace vorantis::replay {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 15> kKeyNames = {{
    {"ESC", key::kEscape},
    {"SPACE", key::kSpace},
    {"UP", key::kUp},
    {"DOWN", key::kDown},
    {"LEFT", key::kLeft},
    {"RIGHT", key::kRight},
    {"PGUP", key::kPageUp},
    {"PGDN", key::kPageDown},
    {"P", key::kP},
    {"A", key::kA},
    {"B", key::kB},
    {"C", key::kC},
    {"D", key::kD},
    {"X", key::kX},
    {"Y", key::kY},
}};

constexpr int kAxisFull = 1000;
constexpr std::int64_t kLastPass = 1'000'000'000'000;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// "<pass> <+|-><KEY>" with blanks between; anything else is refused.
std::optional<std::pair<std::int64_t, InputEvent>> ParseLine(std::string_view line) {
  std::size_t i = 0;
  std::int64_t pass = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    pass = pass * 10 + (line[i] - '0');
    if (pass > kLastPass) return std::nullopt;
    ++i;
  }
  if (i == 0 || i == line.size() || !IsBlank(line[i])) return std::nullopt;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size() || (line[i] != '+' && line[i] != '-')) return std::nullopt;
  const bool held = line[i] == '+';
  auto event = EventForKeyName(std::string(line.substr(i + 1)), held);
  if (!event) return std::nullopt;
  return std::make_pair(pass, *event);
}

}  // namespace

std::optional<InputEvent> EventForKeyName(const std::string& name, bool held) {
  using Target = InputEvent::Target;
  for (const auto& [keyName, code] : kKeyNames) {
    if (name == keyName) return InputEvent{Target::kKey, code, held};
  }
  if (name == "PAD_LEFT") return InputEvent{Target::kPadAxisLeft, 0, held};
  if (name == "PAD_RIGHT") return InputEvent{Target::kPadAxisRight, 0, held};
  if (name == "PAD_UP") return InputEvent{Target::kPadAxisUp, 0, held};
  if (name == "PAD_DOWN") return InputEvent{Target::kPadAxisDown, 0, held};
  if (name.size() > 3 && name.size() <= 5 && name.compare(0, 3, "PAD") == 0 && name[3] != '0') {
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9') return std::nullopt;
      number = number * 10 + (name[i] - '0');
    }
    if (number >= 1 && number <= 32) return InputEvent{Target::kPadButton, number, held};
  }
  return std::nullopt;
}

std::optional<InputScript> InputScript::Parse(const std::string& text, std::string& error) {
  InputScript script;
  std::size_t start = 0;
  int lineNumber = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++lineNumber;
    const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    auto parsed = ParseLine(line);
    if (!parsed) {
      error = "line " + std::to_string(lineNumber) + ": expected \"<pass> <+|-><KEY>\", got \"" +
              std::string(line) + "\"";
      return std::nullopt;
    }
    script.events_[parsed->first].push_back(parsed->second);
  }
  return script;
}

void InputScript::Apply(std::int64_t pass, ScriptedInput& input) {
  auto found = events_.find(pass);
  if (found == events_.end()) return;
  using Target = InputEvent::Target;
  for (const InputEvent& event : found->second) {
    switch (event.target) {
      case Target::kKey:
        input.SetKey(event.code, event.held);
        break;
      case Target::kPadButton:
        input.SetButton(event.code, event.held);
        break;
      case Target::kPadAxisLeft:
        stick_.left = event.held;
        break;
      case Target::kPadAxisRight:
        stick_.right = event.held;
        break;
      case Target::kPadAxisUp:
        stick_.up = event.held;
        break;
      case Target::kPadAxisDown:
        stick_.down = event.held;
        break;
    }
  }
  input.pad.axisX = (stick_.right ? kAxisFull : 0) - (stick_.left ? kAxisFull : 0);
  input.pad.axisY = (stick_.down ? kAxisFull : 0) - (stick_.up ? kAxisFull : 0);
}

}  // namespace vorantis::replay
