#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "engine/sprite_tables.h"

namespace vorantis {
namespace {

struct Tag {
  int value = 0;
};

TEST(HandleTable, HandsOutTheSameNumbersAsAPlainLowestFreeSearch) {
  HandleTable<Tag> table;
  std::map<int, int> model;  // live handle -> value; number -1 takes the lowest free handle
  std::mt19937 random(7);
  auto draw = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
  for (int step = 1; step < 40000; ++step) {
    const int roll = draw(99);
    if (roll < 50) {
      // Explicit numbers now and then, some beyond the table's end and some on free handles.
      int number = roll < 5 ? draw(5000) : -1;
      const int put = table.Put(number, Tag{step});
      if (number <= 0)
        for (number = 1; model.contains(number);) ++number;
      ASSERT_EQ(put, number) << "step " << step;
      model[number] = step;
    } else if (roll < 99) {
      const int handle = draw(model.empty() ? 2 : model.rbegin()->first + 2) - 1;
      table.Release(handle);
      model.erase(handle);
    } else if (draw(20) == 0) {
      table.ReleaseAll();
      model.clear();
    }
  }
  for (int handle = -1; handle < 5100; ++handle) {
    const Tag* found = table.Find(handle);
    ASSERT_EQ(found ? found->value : -1, model.contains(handle) ? model[handle] : -1) << handle;
  }
  EXPECT_EQ(table.Put(HandleTable<Tag>::kMaxHandle + 1, Tag{1}), 0);
  EXPECT_EQ(table.Put(HandleTable<Tag>::kMaxHandle, Tag{2}), HandleTable<Tag>::kMaxHandle);
}

// A level build fills 256 x 256 fields with quads and then replaces quads all over it:
// finding the lowest free handle must cost the same wherever the free one lies.
TEST(HandleTable, FindingTheLowestFreeHandleReadsAFewWordsWhateverItsPlace) {
  HandleTable<Tag> table;
  constexpr int kFields = 256 * 256;
  for (int i = 0; i < kFields; ++i) table.Put(-1, Tag{i});
  std::mt19937 random(11);
  for (int step = 0; step < kFields; ++step) {
    const int handle = static_cast<int>(random() % kFields) + 1;
    table.Release(handle);
    ASSERT_EQ(table.Put(-1, Tag{step}), handle);
  }
  EXPECT_LE(table.wordsRead(), 4 * table.handlesGiven());
}

}  // namespace
}  // namespace vorantis
