#include "present/title.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "present/credits.h"
#include "present/font.h"

namespace vorantis {

namespace {

constexpr int kStartButton = 10;
// Between polls the title waits for a window message at most this long: it answers
// within a frame and leaves the processor alone.
constexpr int kTitleWaitMs = 10;

void WaitBetweenPolls(Game& game) {
  game.engine.screen().PumpWindowMessage(kTitleWaitMs);
}

void DrawTitlePicture(Game& game) {
  Screen& screen = game.engine.screen();
  screen.ScaleSprite3D(game.title.sprite3D, static_cast<float>(NearestInt(game.screenWidth)),
                       static_cast<float>(NearestInt(game.screenHeight)));
  screen.BeginSprite3DPass();
  screen.FillScreen(Rgb(0, 0, 0));
  screen.DrawSprite3D(game.title.sprite3D, 0, 0, 255);
  for (const TitleLine& line : kTitleLines) {
    DrawBitmapText(game, line.text, game.screenWidth * 0.1f, game.screenHeight * line.yFactor, 1.0f, 0, 255,
                   1.0f);
  }
  screen.EndSprite3DPass();
  screen.PresentFrame();
}

// START is also the pause button: held on into play it would open the pause dialog at
// once. A pad that stops answering ends the wait too, rather than hanging on its last state.
void WaitForStartReleased(Game& game) {
  InputDevices& input = game.engine.input();
  for (;;) {
    if (game.observer) game.observer->OnTitleWait();
    if (input.PollGamepad() == 0 || input.GamepadButton(kStartButton) == 0) return;
    WaitBetweenPolls(game);
  }
}

// The picture stays until the input comes; the window is shown again when uncovered.
void WaitForStart(Game& game) {
  InputDevices& input = game.engine.input();
  for (;;) {
    if (game.observer) game.observer->OnTitleWait();
    if (game.gamepadPresent == 1) {
      input.PollGamepad();
      if (input.GamepadButton(kStartButton) != 0) {
        WaitForStartReleased(game);
        return;
      }
    } else {
      input.PollKeyboard();
      if (input.KeyIsDown(key::kAny) != 0) return;
    }
    WaitBetweenPolls(game);
  }
}

}  // namespace

std::string TitleImageName(const std::string& pattern, int digit) {
  const auto hash = pattern.find('#');
  if (hash == std::string::npos) return std::string();
  return pattern.substr(0, hash) + std::to_string(digit) + pattern.substr(hash + 1);
}

void ShowTitleScreen(Game& game) {
  Screen& screen = game.engine.screen();
  game.engine.input().PollMouse();
  game.engine.input().PlaceMouse(0, 0);

  std::string name;
  if (game.settings.LOADSCREEN.find('#') != std::string::npos) {
    name = TitleImageName(game.settings.LOADSCREEN, game.random.RandomUpTo(1));
  }
  screen.SetDefaultColourKey(-1, Rgb(255, 0, 255));
  game.title.sprite = name.empty() ? 0 : screen.LoadImageSprite(-1, name, kModeTexture);
  if (game.title.sprite != 0) game.title.sprite3D = screen.MakeSprite3D(-1, game.title.sprite);

  if (game.title.sprite3D != 0) DrawTitlePicture(game);
  WaitForStart(game);
}

}  // namespace vorantis
