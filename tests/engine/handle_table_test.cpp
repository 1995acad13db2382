#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/sprite_tables.h"
#include "engine/tga_decoder.h"
#include "support/scratch_folder.h"
#include "support/test_engine.h"
#include "support/test_files.h"

namespace vorantis {
namespace {

struct Tag {
  int value = 0;
};

// The rule the table keeps, by plain search: number -1 takes the lowest free handle.
struct ModelTable {
  std::vector<int> values{0};  // 0: free
  int Put(int number, int value) {
    if (number <= 0) {
      number = 1;
      while (number < static_cast<int>(values.size()) && values[number] != 0) ++number;
    }
    if (number >= static_cast<int>(values.size())) values.resize(number + 1, 0);
    values[number] = value;
    return number;
  }
  void Release(int handle) {
    if (handle > 0 && handle < static_cast<int>(values.size())) values[handle] = 0;
  }
};

TEST(HandleTable, HandsOutTheSameNumbersAsAPlainLowestFreeSearch) {
  HandleTable<Tag> table;
  ModelTable model;
  std::mt19937 random(7);
  auto draw = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
  for (int step = 1; step < 40000; ++step) {
    const int roll = draw(99);
    if (roll < 50) {
      // Explicit numbers now and then, some beyond the table's end and some on free handles.
      const int number = roll < 5 ? draw(5000) : -1;
      ASSERT_EQ(table.Put(number, Tag{step}), model.Put(number, step)) << "step " << step;
    } else if (roll < 99) {
      const int handle = draw(static_cast<int>(model.values.size()) + 2) - 1;
      table.Release(handle);
      model.Release(handle);
    } else if (draw(20) == 0) {
      table.ReleaseAll();
      model.values.assign(1, 0);
    }
  }
  for (int handle = -1; handle < static_cast<int>(model.values.size()) + 70; ++handle) {
    const bool live =
        handle > 0 && handle < static_cast<int>(model.values.size()) && model.values[handle] != 0;
    const Tag* found = table.Find(handle);
    ASSERT_EQ(found != nullptr, live) << handle;
    if (live) {
      EXPECT_EQ(found->value, model.values[handle]);
    }
  }
}

TEST(HandleTable, RefusesNumbersBeyondTheLargestHandle) {
  HandleTable<Tag> table;
  EXPECT_EQ(table.Put(HandleTable<Tag>::kMaxHandle + 1, Tag{1}), 0);
  EXPECT_EQ(table.Put(HandleTable<Tag>::kMaxHandle, Tag{2}), HandleTable<Tag>::kMaxHandle);
  EXPECT_EQ(table.Put(-1, Tag{3}), 1);
  EXPECT_EQ(table.Find(HandleTable<Tag>::kMaxHandle)->value, 2);
}

// Two levels of 256 x 256 fields in a row, with the placements a build makes: every
// field gets a quad, a walk replaces the quads of many fields and every few fields
// spawn an object, then the level is freed as a reset frees it. Finding the lowest
// free handle must cost the same whatever was released before it.
TEST(HandleTable, LevelsBuiltOneAfterAnotherReadAFewWordsPerHandle) {
  testing::TestEngine game;
  testing::ScratchFolder folder;
  game.OpenScreen(800, 600);
  Screen& screen = game.engine->screen();
  screen.RegisterImageDecoder(DecodeTga);
  folder.Write("tile.tga", testing::PlainTga(2, 2));
  const int sprite = screen.LoadImageSprite(-1, folder.GamePath() + "tile.tga", kModeTexture);
  ASSERT_NE(sprite, 0);

  constexpr int kFields = 256 * 256;
  std::vector<int> fields(kFields);
  std::vector<int> objects;
  std::mt19937 random(11);
  for (int level = 0; level < 2; ++level) {
    for (int& quad : fields) quad = screen.MakeSprite3D(-1, sprite);
    EXPECT_EQ(std::pair(fields.front(), fields.back()), std::pair(1, kFields));
    for (int step = 0; step < kFields; ++step) {
      int& quad = fields[random() % kFields];
      screen.ReleaseSprite3D(quad);
      quad = screen.MakeSprite3D(-1, sprite);
      if (step % 8 == 0) objects.push_back(screen.MakeSprite3D(-1, sprite));
    }
    for (int object : objects) screen.ReleaseSprite3D(object);
    objects.clear();
    for (int quad : fields) screen.ReleaseSprite3D(quad);
  }
  const std::int64_t given = screen.Sprite3DHandlesGiven();
  EXPECT_GE(given, 4 * kFields);
  EXPECT_LE(screen.Sprite3DHandleWordsRead(), 4 * given);
}

}  // namespace
}  // namespace vorantis
