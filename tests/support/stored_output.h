// Output compared with a file checked in under tests/fixtures; VORANTIS_UPDATE_GOLDEN=1 rewrites the
// file from the output instead, for a change that is meant.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace vorantis::testing {

inline void ExpectStoredOutput(const std::string& fixture, const std::string& actual) {
  const std::string path = std::string(VORANTIS_SOURCE_DIR) + "/tests/fixtures/" + fixture;
  const char* update = std::getenv("VORANTIS_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") std::ofstream(path, std::ios::binary) << actual;
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing fixture " << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str());
}

}  // namespace vorantis::testing
