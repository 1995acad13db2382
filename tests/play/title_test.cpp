#include <gtest/gtest.h>

#include "engine/input.h"
#include "play/play_fixture.h"
#include "present/credits.h"
#include "present/title.h"

namespace vorantis::testing {
namespace {

class TitleTest : public PlayTest {
 protected:
  TitleTest() : PlayTest(1920, 1080) {
    WritePicture("TITLE0.png", 8, 6);
    WritePicture("TITLE1.png", 8, 6);
    game.settings.LOADSCREEN = scratch.GamePath() + "TITLE#.png";
    tg.input->SetKey(key::kSpace, true);
  }
};

TEST(TitleImageName, ReplacesOnlyTheFirstHash) {
  EXPECT_EQ(TitleImageName("GFX\\TITLE#.png", 1), "GFX\\TITLE1.png");
  EXPECT_EQ(TitleImageName("A#B#.png", 0), "A0B#.png");
  EXPECT_EQ(TitleImageName("TITLE.png", 1), "");
}

TEST_F(TitleTest, DrawsTheImageAndElevenLinesInOrderThenPresentsOnce) {
  ShowTitleScreen(game);
  ASSERT_EQ(observer.texts.size(), kTitleLines.size());
  for (std::size_t i = 0; i < kTitleLines.size(); ++i) {
    EXPECT_EQ(observer.texts[i].text, kTitleLines[i].text);
    EXPECT_FLOAT_EQ(observer.texts[i].x, 192.0f);
    EXPECT_EQ(observer.texts[i].alpha, 255);
  }
  EXPECT_FLOAT_EQ(observer.texts[8].y, 1080 * 0.55f);
  EXPECT_FLOAT_EQ(observer.texts[9].y, 1080 * 0.50f);
  EXPECT_FLOAT_EQ(observer.texts[10].y, 648.0f);
  EXPECT_EQ(Presents(), 1);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);  // no glyphs loaded: the image alone
  EXPECT_EQ(quads[0].corners[3].x, 1920.0f);
  EXPECT_EQ(quads[0].corners[3].y, 1080.0f);
}

TEST_F(TitleTest, WithoutHashNothingIsDrawnButTheWaitStillHappensAndAHeldKeyEndsIt) {
  game.settings.LOADSCREEN = scratch.GamePath() + "TITLE0.png";
  const auto before = game.random.state();
  ShowTitleScreen(game);
  EXPECT_TRUE(observer.texts.empty());
  EXPECT_EQ(Presents(), 0);
  EXPECT_EQ(observer.titleWaits, 1);
  EXPECT_EQ(game.random.state(), before);  // no digit drawn
}

TEST_F(TitleTest, WithAGamepadOnlyStartEndsTheWait) {
  tg.input->padAttached = true;
  tg.engine->input().StartGamepad();
  game.gamepadPresent = 1;
  observer.beforeTitleWait = [this](int wait) {
    if (wait == 5) tg.input->SetButton(10, true);
    if (wait == 8) tg.input->SetButton(10, false);
  };
  ShowTitleScreen(game);
  // The held keyboard key counted for nothing, and START (also the pause button) must be let go
  // before play begins.
  EXPECT_EQ(observer.titleWaits, 8);
}

TEST_F(TitleTest, WithoutAGamepadTheWaitEndsOnTheFirstKey) {
  tg.input->SetKey(key::kSpace, false);
  observer.beforeTitleWait = [this](int wait) {
    if (wait == 3) tg.input->SetKey(key::kA, true);
  };
  ShowTitleScreen(game);
  EXPECT_EQ(observer.titleWaits, 3);
}

}  // namespace
}  // namespace vorantis::testing
