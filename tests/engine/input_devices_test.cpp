#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/headless.h"
#include "engine/input.h"
#include "engine/scripted_input.h"

namespace vorantis {
namespace {

// A display whose focus the test switches, recording pointer captures.
class FocusDisplay : public HeadlessDisplay {
 public:
  FocusDisplay() : HeadlessDisplay(640, 480) {}
  bool WindowHasFocus() override { return focused; }
  void CapturePointer(bool capture) override { captures.push_back(capture); }
  bool focused = true;
  std::vector<bool> captures;
};

struct InputTest : ::testing::Test {
  ScriptedInput source;
  FocusDisplay display;
  InputDevices input{&source, &display};
};

// A keyboard script: "+Key" / "-Key" press or let go, "poll" a poll that works, "lost" one
// that fails, "Key?n" KeyIsDown and "Key!n" KeyWasReleased answer n.
void RunKeyboard(const std::string& script) {
  const std::map<std::string, int> names = {
      {"Space", key::kSpace}, {"Esc", key::kEscape},  {"Up", key::kUp},     {"B", key::kB},
      {"P", key::kP},         {"PgUp", key::kPageUp}, {"Left", key::kLeft}, {"Any", key::kAny}};
  auto code = [&names](const std::string& name) {
    const auto named = names.find(name);
    return named != names.end() ? named->second : std::stoi(name);
  };
  ScriptedInput source;
  InputDevices input(&source, nullptr);
  std::istringstream steps(script);
  for (std::string step; steps >> step;) {
    const auto query = step.find_first_of("?!");
    if (query != std::string::npos) {
      const int key = code(step.substr(0, query));
      const int got = step[query] == '?' ? input.KeyIsDown(key) : input.KeyWasReleased(key);
      EXPECT_EQ(got, std::stoi(step.substr(query + 1))) << step << " in " << script;
    } else if (step == "poll" || step == "lost") {
      source.keyboardFails = step == "lost";
      EXPECT_EQ(input.PollKeyboard(), step == "poll") << script;
    } else {
      source.SetKey(code(step.substr(1)), step[0] == '+');
    }
  }
}

TEST(KeyboardInput, HeldKeysTapsAndReleasesFollowThePollsAndTheQueries) {
  const std::pair<const char*, const char*> scripts[] = {
      {"held keys answer their bit once polled; any key scans up to 254",
       "+Space Space?0 poll Space?128 Esc?0 Any?1 256?0 -2?0 -Space +255 poll 255?128 Any?0"},
      // The controls poll twice a pass and read different keys each time.
      {"a tap is shown from the poll after it until a query, any key too, has read it",
       "+Esc -Esc poll Up?0 poll Esc?128 poll Esc?0 +B -B poll Any?1 poll B?0"},
      {"a key read held, or held after an unread tap, is not shown again once let go",
       "+Space poll Space?128 -Space poll Space?0 +B -B poll +B poll -B poll B?0"},
      {"only a key seen held is released; any key's release spends the key's own",
       "+P poll -P poll P!0 +P poll Any!0 -P poll Any!1 P!0"},
      {"held, a key reports its release once", "+PgUp poll PgUp!0 poll PgUp!0 -PgUp poll PgUp!1 poll PgUp!0"},
      {"tapped between polls, a key reports its release at the poll after",
       "+PgUp -PgUp poll PgUp!0 poll PgUp!1 poll PgUp!0"},
      {"a failed poll reads as nothing held and no release; the latch survives it",
       "+Left poll Left!0 lost Left?0 Any?0 Left!0 -Left poll Left!1"},
  };
  for (const auto& [why, script] : scripts) {
    SCOPED_TRACE(why);
    RunKeyboard(script);
  }
}

TEST(InputWithoutSource, AnswersNothing) {
  InputDevices input(nullptr, nullptr);
  input.StartKeyboard();
  EXPECT_EQ(input.PollKeyboard() + input.KeyIsDown(key::kAny) + input.StartGamepad() + input.PollGamepad() +
                input.StartMouse() + input.PollMouse(),
            0);
}

TEST_F(InputTest, GamepadDeadZoneIncludesItsBoundsAndAFailedPollKeepsOnlyTheButtons) {
  EXPECT_EQ(input.StartGamepad() + input.PollGamepad(), 0);
  source.padAttached = true;
  EXPECT_EQ(input.StartGamepad(), 1);
  for (auto [axis, direction] : {std::pair{500, 0}, {501, 1}, {-500, 0}, {-501, -1}, {0, 0}, {1000, 1}}) {
    source.pad.axisX = axis;
    source.pad.axisY = -axis;
    EXPECT_EQ(input.PollGamepad(), 1);
    EXPECT_EQ(std::pair(input.GamepadAxisX(), input.GamepadAxisY()), std::pair(direction, -direction))
        << axis;
  }
  for (int b : {1, 10, 32}) source.SetButton(b, true);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(32), 0x80);
  EXPECT_EQ(input.GamepadButton(0) + input.GamepadButton(33) + input.GamepadButton(-1), 0);

  source.padFails = true;
  source.SetButton(10, false);
  EXPECT_EQ(input.PollGamepad(), 0);
  EXPECT_EQ(std::tuple(input.GamepadAxisX(), input.GamepadButton(10)), std::tuple(0, 0x80));
  source.padFails = false;
  EXPECT_EQ(input.PollGamepad(), 1);
  EXPECT_EQ(std::tuple(input.GamepadAxisX(), input.GamepadButton(10)), std::tuple(1, 0));
}

TEST_F(InputTest, MouseIsCapturedInFocusAndItsPositionClampedToTheScreen) {
  input.SetScreenSize(640, 480);
  ASSERT_EQ(input.StartMouse(), 1);
  auto move = [&](int dx, int dy) {
    source.mouse = MouseDelta{dx, dy, 0, {true, false, true}};
    input.PollMouse();
    return std::tuple(input.MouseX(), input.MouseY(), input.MouseButton(1) + 2 * input.MouseButton(2));
  };
  EXPECT_EQ(move(70, 70), std::tuple(0, 0, 0)) << "the poll that captures drops what came before";
  EXPECT_EQ(move(100, 50), std::tuple(100, 50, 1));
  EXPECT_EQ(move(10000, -10000), std::tuple(639, 0, 1));
  input.PlaceMouse(0, 0);
  EXPECT_EQ(move(-5, 0), std::tuple(0, 0, 1));
  display.focused = false;
  EXPECT_EQ(input.PollMouse(), 0);
  move(30, 0);
  display.focused = true;
  EXPECT_EQ(move(0, 0), std::tuple(0, 0, 0)) << "motion made while away does not move the game's pointer";
  EXPECT_EQ(display.captures, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace vorantis
