// An observer that records the texts drawn and the sounds started, counts the polls
// of the controls and of the title screen, and can change the input before each.
#pragma once

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game.h"

namespace vorantis::testing {

struct RecordedText {
  std::string text;
  float x = 0;
  float y = 0;
  float size = 0;
  int alpha = 0;
  float spacing = 0;
};

class RecordingObserver : public GameObserver {
 public:
  void OnText(const std::string& text, float x, float y, float size, int alpha, float spacing) override {
    texts.push_back({text, x, y, size, alpha, spacing});
  }
  void OnSound(const std::string& name) override { sounds.push_back(name); }
  // A loop the test drives that has not ended within the budget fails the test here
  // instead of running on.
  void OnControlsPoll() override {
    if (++polls > kPollBudget)
      throw std::runtime_error("the controls were polled " + std::to_string(kPollBudget) +
                               " times: a loop never ended");
    if (beforePoll) beforePoll(polls);
  }
  void OnTitleWait() override {
    if (++titleWaits > kPollBudget)
      throw std::runtime_error("the title screen waited " + std::to_string(kPollBudget) +
                               " polls: no key or button ended it");
    if (beforeTitleWait) beforeTitleWait(titleWaits);
  }
  static constexpr int kPollBudget = 5000;
  int Shown(const std::string& text) const {
    return static_cast<int>(
        std::count_if(texts.begin(), texts.end(), [&](auto& t) { return t.text == text; }));
  }
  int Played(const std::string& name) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
  }

  std::vector<RecordedText> texts;
  std::vector<std::string> sounds;
  int polls = 0;
  int titleWaits = 0;
  // Called with the number of the poll about to run, counted from 1.
  std::function<void(int)> beforePoll;
  std::function<void(int)> beforeTitleWait;
};

}  // namespace vorantis::testing
