#include "controls/dialogs.h"

#include "controls/controls.h"
#include "core/game.h"
#include "engine/engine.h"
#include "present/font.h"

namespace vorantis {

namespace {

struct DialogLine {
  const char* text;
  float x;  // fractions of the screen size
  float y;
};

using DialogLines = DialogLine[3];

constexpr DialogLines kQuitLines = {
    {"  QUIT GAME ? |", 0.3f, 0.2f},
    {"  PRESS B TO QUIT     |", 0.3f, 0.4f},
    {"  PRESS X TO CONTINUE |", 0.3f, 0.5f},
};

constexpr DialogLines kPauseLines = {
    {"  GAME PAUSED |", 0.4f, 0.2f},
    {"  PRESS X TO CONTINUE |", 0.3f, 0.3f},
    {"  PRESS B TO RESTART  |", 0.3f, 0.4f},
};

// Marks a dialog as open for its lifetime, so that Esc and P open no second one.
class OpenDialog {
 public:
  explicit OpenDialog(ControlsState& controls) : controls_(controls) { controls_.dialogOpen = true; }
  ~OpenDialog() { controls_.dialogOpen = false; }
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;

 private:
  ControlsState& controls_;
};

// Draws the lines over the standing picture (no clear), shows it, then polls.
int DialogPass(Game& game, const DialogLines& lines) {
  Screen& screen = game.engine.screen();
  screen.BeginSprite3DPass();
  for (const DialogLine& line : lines) {
    DrawBitmapText(game, line.text, line.x * game.screenWidth, line.y * game.screenHeight, 1.0f, 0.0f, 255,
                   1.0f);
  }
  screen.EndSprite3DPass();
  screen.PresentFrame();
  PollControls(game);
  return game.controls.lastAction;
}

}  // namespace

void RunQuitDialog(Game& game) {
  OpenDialog open(game.controls);
  for (;;) {
    const int answer = DialogPass(game, kQuitLines);
    if (answer == control::kActionB) {
      game.play.gameState = kGameOver;
      return;
    }
    if (answer == control::kActionX) {
      // Disarmed too: the X key armed the bomb on this very pass, and a primary
      // control still held must not set one off back in play.
      game.controls.primaryReleasedMark = PrimaryMark::kUsed;
      game.controls.armed = 0;
      return;
    }
  }
}

void RunPauseDialog(Game& game) {
  OpenDialog open(game.controls);
  for (;;) {
    const int answer = DialogPass(game, kPauseLines);
    if (answer == control::kActionB) {
      game.level.builtLevelNumber = -1;
      game.play.totalScore = game.play.bankedScore;
      return;
    }
    if (answer == control::kActionX) return;
  }
}

}  // namespace vorantis
