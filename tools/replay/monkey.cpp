#include "monkey.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/scripted_input.h"

namespace vorantis::replay {
namespace {

// Mostly movement, so that the cursor covers ground; bombs and dialog answers now and
// then; Esc, P and the page keys seldom, so that a game is not quit or switched away
// from long before its countdown ends.
const std::vector<Monkey::Control> kKeyboard = {
    {"UP", 150, 40}, {"DOWN", 150, 40}, {"LEFT", 150, 40}, {"RIGHT", 150, 40}, {"SPACE", 50, 6},
    {"A", 30, 6},    {"B", 40, 6},      {"C", 20, 6},      {"X", 40, 6},       {"D", 15, 6},
    {"Y", 15, 6},    {"PGUP", 2, 3},    {"PGDN", 2, 3},    {"P", 3, 4},        {"ESC", 2, 4},
};

// Button 9 is BACK (quit) and 10 START (the title's key, and pause).
const std::vector<Monkey::Control> kGamepad = {
    {"PAD_LEFT", 150, 40}, {"PAD_RIGHT", 150, 40}, {"PAD_UP", 150, 40}, {"PAD_DOWN", 150, 40},
    {"PAD2", 50, 6},       {"PAD1", 40, 6},        {"PAD3", 40, 6},     {"PAD4", 15, 6},
    {"PAD5", 8, 6},        {"PAD6", 8, 6},         {"PAD7", 8, 6},      {"PAD8", 8, 6},
    {"PAD9", 2, 4},        {"PAD10", 8, 4},        {"PAD11", 1, 6},     {"PAD12", 1, 6},
    {"PAD13", 1, 6},       {"PAD14", 1, 6},        {"PAD15", 1, 6},     {"PAD16", 1, 6},
    {"PAD17", 1, 6},       {"PAD18", 1, 6},        {"PAD19", 1, 6},     {"PAD20", 1, 6},
    {"PAD21", 1, 6},       {"PAD22", 1, 6},        {"PAD23", 1, 6},     {"PAD24", 1, 6},
    {"PAD25", 1, 6},       {"PAD26", 1, 6},        {"PAD27", 1, 6},     {"PAD28", 1, 6},
    {"PAD29", 1, 6},       {"PAD30", 1, 6},        {"PAD31", 1, 6},     {"PAD32", 1, 6},
};

// One pass in this many changes something.
constexpr std::uint32_t kActOneIn = 3;
constexpr int kAxisFull = 1000;

}  // namespace

std::uint64_t MonkeyRandom::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint32_t MonkeyRandom::Below(std::uint32_t bound) {
  return static_cast<std::uint32_t>((Next() >> 32) * bound >> 32);
}

const std::vector<Monkey::Control>& MonkeyControls(bool gamepad) {
  return gamepad ? kGamepad : kKeyboard;
}

Monkey::Monkey(std::uint64_t seed, bool gamepad) : random_(seed), controls_(MonkeyControls(gamepad)) {
  for (const Control& control : controls_) {
    if (!EventForKeyName(control.name, true)) throw std::logic_error(std::string("no key ") + control.name);
    totalWeight_ += control.weight;
  }
}

void Monkey::StartGame() {
  held_.clear();
  stick_ = StickState{};
}

void Monkey::Set(const Control& control, bool held, ScriptedInput& input) {
  using Target = InputEvent::Target;
  const InputEvent event = *EventForKeyName(control.name, held);
  switch (event.target) {
    case Target::kKey:
      input.SetKey(event.code, held);
      break;
    case Target::kPadButton:
      input.SetButton(event.code, held);
      break;
    case Target::kPadAxisLeft:
      stick_.left = held;
      break;
    case Target::kPadAxisRight:
      stick_.right = held;
      break;
    case Target::kPadAxisUp:
      stick_.up = held;
      break;
    case Target::kPadAxisDown:
      stick_.down = held;
      break;
  }
}

void Monkey::Apply(std::int64_t pass, ScriptedInput& input) {
  auto due = std::stable_partition(held_.begin(), held_.end(),
                                   [pass](const Held& held) { return held.releaseAt > pass; });
  for (auto it = due; it != held_.end(); ++it) Set(controls_[it->control], false, input);
  held_.erase(due, held_.end());

  if (random_.Below(kActOneIn) == 0) {
    std::uint32_t pick = random_.Below(static_cast<std::uint32_t>(totalWeight_));
    std::size_t index = 0;
    while (pick >= static_cast<std::uint32_t>(controls_[index].weight)) {
      pick -= static_cast<std::uint32_t>(controls_[index].weight);
      ++index;
    }
    auto held =
        std::find_if(held_.begin(), held_.end(), [index](const Held& h) { return h.control == index; });
    if (held != held_.end()) {
      held_.erase(held);
      Set(controls_[index], false, input);
    } else {
      const auto hold = 1 + random_.Below(static_cast<std::uint32_t>(controls_[index].longestHold));
      held_.push_back(Held{index, pass + hold});
      Set(controls_[index], true, input);
    }
  }
  input.pad.axisX = (stick_.right ? kAxisFull : 0) - (stick_.left ? kAxisFull : 0);
  input.pad.axisY = (stick_.down ? kAxisFull : 0) - (stick_.up ? kAxisFull : 0);
}

}  // namespace vorantis::replay
