#include "engine/wav_reader.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace vorantis {
namespace {

using testing::Chunk;
using testing::PcmFormat;
using testing::Riff;

TEST(WavReader, ChunksAfterDataAreNotSound) {
  const std::string samples = "\x01\x02\x03\x04\x05\x06";
  const std::string file =
      Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16)) + Chunk("data", samples) + Chunk("LIST", "INFOISFTtool"));
  Pcm pcm;
  ASSERT_TRUE(ReadWav({file.begin(), file.end()}, pcm));
  EXPECT_EQ(std::string(pcm.bytes.begin(), pcm.bytes.end()), samples);
}

}  // namespace
}  // namespace vorantis
