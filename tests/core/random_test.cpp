#include "core/random.h"

#include <gtest/gtest.h>

namespace vorantis {
namespace {

// The sequences themselves are pinned by the golden tile maps.
TEST(Random, EdgeMaximaStillAdvanceTheStateAndTheFirstDrawSeedsFromTheTickCount) {
  Random a;
  Random b;
  a.SeedRandom(7);
  b.SeedRandom(7);
  EXPECT_EQ(a.RandomUpTo(0), 0);
  EXPECT_EQ(a.RandomUpTo(-1), INT32_MIN);
  b.RandomUpTo(50);
  b.RandomUpTo(50);
  EXPECT_EQ(a.state(), b.state());

  Random fromTicks([] { return 1u; });
  b.SeedRandom(1);
  EXPECT_EQ(fromTicks.RandomUpTo(99), b.RandomUpTo(99));
}

}  // namespace
}  // namespace vorantis
