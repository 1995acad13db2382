#include "play/countdown.h"

#include "core/game.h"
#include "core/saturating.h"
#include "present/catalogues.h"

namespace vorantis {

void StepTimer(Game& game, std::int8_t direction) {
  if (direction != 1 && direction != -1) return;
  // With WORLDREFRESH at the top of its range the count stops there: the countdown never steps.
  AddSaturating(game.play.timerFrames, 1);
  if (game.play.timerFrames > game.settings.WORLDREFRESH) {
    game.play.timerFrames = 0;
    ChangeTime(game, direction);
  }
}

void ChangeTime(Game& game, std::int8_t direction) {
  if (direction == 1) AddSaturating(game.play.timeLeft, 1);
  if (direction == -1) AddSaturating(game.play.timeLeft, -1);
  if (game.play.timeLeft >= 1 && game.play.timeLeft <= 10) PlaySoundByName(game, game.settings.TIMERSOUND);
  if (game.play.timeLeft < 0) game.play.gameState = kGameOver;
}

}  // namespace vorantis
