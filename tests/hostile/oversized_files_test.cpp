// Files far larger than the game needs: whole-file reads stop at their cap, and data files
// are read line by line as far as they are used, never whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/datafile.h"
#include "engine/files.h"
#include "engine/silent_sound_device.h"
#include "engine/sounds.h"
#include "hostile/allocation_counter.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::AllocationWatch;
using testing::ScratchFolder;

constexpr std::size_t kSmallRequest = 1u << 20;

// A file of `size` bytes that takes no disk space: `start` followed by zero bytes.
void WriteSparse(const ScratchFolder& folder, const std::string& name, const std::string& start,
                 std::uintmax_t size) {
  folder.Write(name, start);
  std::filesystem::resize_file(folder.path() / name, size);
}

TEST(WholeFileReads, StopAtTheirCap) {
  ASSERT_TRUE(testing::AllocationsAreCounted());
  ScratchFolder folder;
  std::string text;
  for (int i = 0; i < 1500; ++i) text += static_cast<char>('a' + i % 26);
  for (std::size_t size : {0, 999, 1000, 1001, 1500}) {
    SCOPED_TRACE(size);
    folder.Write("file.bin", text.substr(0, size));
    const std::string path = folder.GamePath() + "FILE.BIN";
    const auto whole = ReadWholeFile(path, 1000);
    EXPECT_EQ(whole ? testing::AsText(*whole) : "refused", size <= 1000 ? text.substr(0, size) : "refused");
    EXPECT_EQ(testing::AsText(ReadFileStart(path, 1000).value()),
              text.substr(0, std::min<std::size_t>(size, 1000)));
  }
  EXPECT_FALSE(ReadFileStart(folder.GamePath() + "missing", 10).has_value());

  // The default cap, and a larger file refused before any of it is read.
  WriteSparse(folder, "huge.png", "\x89PNG", kLargestWholeFile + 1);
  AllocationWatch watch;
  EXPECT_FALSE(ReadWholeFile(folder.GamePath() + "huge.png").has_value());
  EXPECT_LT(watch.Tally().largest, kSmallRequest);
}

TEST(WholeFileReads, ASoundFileOverTheCapStillPlaysItsCutStart) {
  ASSERT_TRUE(testing::AllocationsAreCounted());
  ScratchFolder folder;
  // A mono 16-bit WAV whose data chunk runs on for 100 MiB.
  const std::string header = testing::Riff(testing::Chunk("fmt ", testing::PcmFormat(1, 1, 44100, 16)) +
                                           testing::Chunk("data", "", 100u << 20));
  WriteSparse(folder, "long.wav", header, header.size() + (100u << 20));
  auto device = std::make_unique<SilentSoundDevice>();
  SilentSoundDevice* silent = device.get();
  Sounds sounds([&device] { return std::move(device); });
  ASSERT_EQ(sounds.StartSoundSystem(), 1);
  AllocationWatch watch;
  EXPECT_NE(sounds.LoadSoundFile(-1, folder.GamePath() + "long.wav"), 0);
  EXPECT_EQ(silent->TotalBufferBytes(), kDecodedSoundLimit);
  EXPECT_LE(watch.Tally().largest, kLargestWholeFile);
}

// A glyph line, a 16 MiB line and 8 MiB of short lines nobody asks for.
TEST(DataFileReads, ReadOnlyAsFarAsUsedAndOneCutLineAtATime) {
  ASSERT_TRUE(testing::AllocationsAreCounted());
  ScratchFolder folder;
  std::string text = "ABC\r\n" + std::string(16u << 20, 'x') + "\r\n";
  while (text.size() < (24u << 20)) text += "key\r\nvalue\r\n";
  folder.Write("glyphs.txt", text);
  AllocationWatch watch;
  auto reader = LineReader::Open(folder.GamePath() + "glyphs.txt");
  ASSERT_TRUE(reader.has_value());
  EXPECT_EQ(reader->ReadLine(), "ABC");
  EXPECT_LT(watch.Tally().total, kSmallRequest);
  EXPECT_EQ(reader->ReadLine(), std::string(kLongestLine, 'x'));
  std::size_t count = 0;
  for (const KeyValue& pair : ReadPairs(*reader)) count += pair.key == "key" && pair.value == "value";
  EXPECT_EQ(count, (text.size() - 5 - (16u << 20) - 2) / 12);
  EXPECT_LT(watch.Tally().largest, kSmallRequest);
}

}  // namespace
}  // namespace vorantis
