#include <gtest/gtest.h>

#include "core/program_end.h"
#include "play/game_frame.h"
#include "play/play_fixture.h"

namespace vorantis::testing {
namespace {

class GameFrameTest : public PlayTest {
 protected:
  GameFrameTest() {
    MakeFloor(19, 19);
    game.play.tilesLeft = 50;
    game.play.timeLeft = 30;
  }
  // A seed whose first draw from 0..50 is (or is not) 0.
  static std::int32_t SeedWhereFirstDrawIsZero(bool zero) {
    for (std::int32_t seed = 1;; ++seed) {
      Random probe;
      probe.SeedRandom(seed);
      if ((probe.RandomUpTo(50) == 0) == zero) return seed;
    }
  }
};

TEST_F(GameFrameTest, FieldPassVisitsOneColumnMoreThanVisibleButOnlyTheVisibleRows) {
  game.level.visibleColumns = 3;
  game.level.visibleRows = 2;
  game.play.originColumn = 5;
  game.play.originRow = 7;
  const int quad = MakeQuad(32, 32);
  for (int c = 0; c <= 19; ++c)
    for (int r = 0; r <= 19; ++r) game.matrix.At(c, r).sprite3D = quad;
  game.matrix.At(6, 7).opacity = 0;  // invisible fields are skipped
  game.matrix.At(7, 7).inLevel = 0;
  tg.recorder()->ClearLog();
  DrawFields(game);
  std::vector<std::pair<int, int>> at;
  for (const QuadDraw& q : Quads())
    at.emplace_back(static_cast<int>(q.corners[0].x), static_cast<int>(q.corners[0].y));
  EXPECT_EQ(at, (std::vector<std::pair<int, int>>{{0, 0}, {96, 0}, {0, 32}, {32, 32}, {64, 32}, {96, 32}}));
}

TEST_F(GameFrameTest, EffectSpriteBouncesOffTheLeftEdgeBeforeMoving) {
  game.random.SeedRandom(SeedWhereFirstDrawIsZero(false));
  EffectSprite sprite;
  sprite.x = 0.5f;
  sprite.y = 300;
  sprite.speedX = -2;
  game.effectSprites.push_back(sprite);
  MoveEffectSprites(game, 1);
  EXPECT_FLOAT_EQ(game.effectSprites[0].speedX, 2);
  EXPECT_FLOAT_EQ(game.effectSprites[0].x, 2.5f);
}

TEST_F(GameFrameTest, EffectSpriteNewSpeedTakesFourDrawsAfterTheChance) {
  const std::int32_t seed = SeedWhereFirstDrawIsZero(true);
  Random probe;
  probe.SeedRandom(seed);
  probe.RandomUpTo(50);
  const int r1 = probe.RandomUpTo(10), r2 = probe.RandomUpTo(10);
  const int r3 = probe.RandomUpTo(10), r4 = probe.RandomUpTo(10);
  game.random.SeedRandom(seed);
  EffectSprite sprite;
  sprite.x = 400;
  sprite.y = 300;
  sprite.sprite3D = MakeQuad(4, 4);
  game.effectSprites.push_back(sprite);
  tg.recorder()->ClearLog();
  MoveEffectSprites(game, 1);
  EXPECT_FLOAT_EQ(game.effectSprites[0].speedX, static_cast<float>(r1 - r2));
  EXPECT_FLOAT_EQ(game.effectSprites[0].speedY, static_cast<float>(r3 - r4));
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_EQ(quads[0].blendSource, kBlendOne);
  EXPECT_EQ(quads[0].blendDest, kBlendSourceAlpha);
  EXPECT_EQ(tg.engine->screen().Sprite3DBlendSource(), kBlendSourceAlpha);
}

TEST_F(GameFrameTest, SwitchOffDrawsNothingButTheCountdownStillEndsTheGame) {
  game.settings.USESPRITE3D = 0;
  game.settings.WORLDREFRESH = 0;
  game.play.timeLeft = 1;
  game.effectSprites.push_back(EffectSprite{});
  RunGameFrame(game);
  EXPECT_TRUE(Quads().empty());
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_EQ(game.effectSprites[0].x, 0);
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
}

TEST_F(GameFrameTest, SwitchOffStillCompletesALevelWithNoTilesLeft) {
  game.settings.USESPRITE3D = 0;
  game.play.tilesLeft = 0;
  game.play.totalScore = 77;
  RunGameFrame(game);
  EXPECT_EQ(game.play.levelNumber, 2);
  EXPECT_EQ(game.play.bankedScore, 77);
  EXPECT_EQ(game.play.timeLeft, 0);
}

TEST_F(GameFrameTest, CompletingAGeneratedLevelNeverLosesItToTheSameFramesCountdown) {
  game.settings.USESELFCREATEBASE = 1;
  game.settings.WORLDREFRESH = 0;  // the countdown would step on this frame
  game.play.tilesLeft = 0;
  RunGameFrame(game);
  EXPECT_EQ(game.play.levelNumber, 2);
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_EQ(game.play.gameState, kGameRunning);
}

TEST_F(GameFrameTest, WithLevelFilesTheLevelCompletesEveryPassUntilTimeRunsOut) {
  game.settings.USESELFCREATEBASE = 0;
  game.settings.WORLDREFRESH = 1;
  game.play.tilesLeft = 0;
  RunGameFrame(game);
  EXPECT_EQ(game.play.levelNumber, 2);
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(game.play.levelNumber, 3);
  EXPECT_EQ(game.play.timeLeft, -1);
}

TEST_F(GameFrameTest, FramesReuseTheScreenShotInsteadOfPilingUpTextures) {
  for (int frame = 0; frame < 3; ++frame) RunGameFrame(game);
  const int shot = game.play.screenShot;
  const int textures = tg.recorder()->liveTextures();
  EXPECT_NE(shot, 0);
  for (int frame = 0; frame < 5; ++frame) RunGameFrame(game);
  EXPECT_EQ(game.play.screenShot, shot);
  EXPECT_EQ(tg.recorder()->liveTextures(), textures);
}

TEST_F(GameFrameTest, ZoomRedrawsTheGrabStretchedToTheScreen) {
  game.settings.FULLSCREENZOOM = 0.5f;
  tg.recorder()->ClearLog();
  ZoomScreen(game, 1);
  bool grabbed = false;
  for (const auto& entry : tg.recorder()->entries()) {
    if (entry.kind != RecordingRenderer::Kind::kGrab) continue;
    grabbed = true;
    EXPECT_EQ(entry.x, 1);
    EXPECT_EQ(entry.y, 1);
    EXPECT_EQ(entry.width, 399);
    EXPECT_EQ(entry.height, 299);
  }
  EXPECT_TRUE(grabbed);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_EQ(quads[0].corners[3].x, 800);
  EXPECT_TRUE(quads[0].smooth);
  EXPECT_EQ(tg.engine->screen().Sprite3DFilter(), 0);
}

}  // namespace
}  // namespace vorantis::testing
