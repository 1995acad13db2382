// The handle tables behind Screen: flat vectors indexed by handle, slot 0 unused.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/backends.h"
#include "engine/image.h"

namespace vorantis {

// A renderer texture released when the last sprite or 3D sprite using it goes.
class TextureLease {
 public:
  TextureLease(Renderer* renderer, std::uint32_t texture) : renderer_(renderer), texture_(texture) {}
  ~TextureLease() { renderer_->DestroyTexture(texture_); }
  TextureLease(const TextureLease&) = delete;
  TextureLease& operator=(const TextureLease&) = delete;
  std::uint32_t texture() const { return texture_; }

 private:
  Renderer* renderer_;
  std::uint32_t texture_;
};

// What a sprite and the 3D sprites made from it share: a colour key set on the
// sprite later still applies to its quads, and a quad outlives a freed sprite.
struct SpritePicture {
  std::shared_ptr<TextureLease> texture;  // null unless made with the texture bit
  std::int16_t width = 0;
  std::int16_t height = 0;
  int mode = 0;
  std::uint32_t colourKey = 0;
};

// A quad corner's position; the texture coordinates are the same for every quad.
struct CornerPoint {
  float x = 0, y = 0;
};

// Held by value, one per handle: a level gives every field a quad of its own.
struct Sprite3DRecord {
  std::shared_ptr<SpritePicture> picture;
  std::array<CornerPoint, 4> corners{};  // top-left, top-right, bottom-left, bottom-right
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::int16_t angle = 0;
};

struct SpriteRecord {
  std::shared_ptr<SpritePicture> picture;
};

// Which handles are free, as bits with three summary levels above them (a bit per
// word of the level below that has a free handle), so that the lowest free handle
// is found in four word reads whatever order handles were released in.
class FreeHandleSet {
 public:
  static constexpr int kLevels = 4;  // 64^4 handles

  int size() const { return size_; }
  // Handles from size() up to `size` - 1 join the set as free.
  void Grow(int size) {
    while (size_ < size) MarkFree(size_++);
  }
  bool IsFree(int handle) const {
    return (words_[0][static_cast<std::size_t>(handle) >> 6] >> (handle & 63)) & 1u;
  }
  void MarkFree(int handle) {
    auto index = static_cast<std::size_t>(handle);
    for (auto& words : words_) {
      const std::size_t word = index >> 6;
      if (word >= words.size()) words.resize(word + 1, 0);
      const bool hadFree = words[word] != 0;
      words[word] |= std::uint64_t{1} << (index & 63);
      if (hadFree) return;  // the levels above know this word already
      index = word;
    }
  }
  void MarkTaken(int handle) {
    auto index = static_cast<std::size_t>(handle);
    for (auto& words : words_) {
      std::uint64_t& word = words[index >> 6];
      word &= ~(std::uint64_t{1} << (index & 63));
      if (word != 0) return;
      index >>= 6;
    }
  }
  // The lowest free handle, or size() when every handle is taken; `wordsRead` counts the work.
  int Lowest(std::int64_t& wordsRead) const {
    ++wordsRead;
    const auto& top = words_[kLevels - 1];
    if (top.empty() || top[0] == 0) return size_;
    std::size_t index = 0;
    for (int level = kLevels - 1; level >= 0; --level) {
      if (level != kLevels - 1) ++wordsRead;
      index = index * 64 + static_cast<std::size_t>(std::countr_zero(words_[level][index]));
    }
    return static_cast<int>(index);
  }
  void Clear() {
    for (auto& words : words_) words.clear();
    size_ = 0;
  }

 private:
  std::array<std::vector<std::uint64_t>, kLevels> words_;
  int size_ = 0;
};

// Records by value; a handle is live while its bit is out of the free set. They are
// kept in chunks that never move and are made on first use, so that growing the table
// copies nothing and a high handle number costs only its own chunk.
template <typename Record>
class HandleTable {
 public:
  // Handles beyond this are refused rather than growing the table without bound.
  // A 1024 x 1024 level gives every field a 3D sprite of its own, objects come on top.
  static constexpr int kMaxHandle = 1 << 23;
  static_assert(kMaxHandle < (1 << (6 * FreeHandleSet::kLevels)));

  Record* Find(int handle) {
    if (handle <= 0 || handle >= free_.size() || free_.IsFree(handle)) return nullptr;
    return &Slot(handle);
  }
  // -1 (or any number below 1) takes the lowest free handle; a positive number
  // replaces what that handle held. Answers 0 when the number is out of range.
  int Put(int number, Record record) {
    if (number > kMaxHandle) return 0;
    if (number <= 0) {
      ++handlesGiven_;
      number = free_.size() == 0 ? 1 : free_.Lowest(wordsRead_);
      if (number > kMaxHandle) return 0;
    }
    if (number >= free_.size()) {
      if (free_.size() == 0) {
        free_.Grow(1);
        free_.MarkTaken(0);  // 0 is never a handle
      }
      free_.Grow(number + 1);
    }
    const auto chunk = static_cast<std::size_t>(number) >> kChunkBits;
    if (chunk >= chunks_.size()) chunks_.resize(chunk + 1);
    if (!chunks_[chunk]) chunks_[chunk] = std::make_unique<Record[]>(kChunkSize);
    Slot(number) = std::move(record);
    free_.MarkTaken(number);
    return number;
  }
  void Release(int handle) {
    if (!Find(handle)) return;
    Slot(handle) = Record{};
    free_.MarkFree(handle);
  }
  void ReleaseAll() {
    chunks_.clear();
    free_.Clear();
  }

  // Work counters for tests: handles given by number (-1) and words read to find them.
  std::int64_t handlesGiven() const { return handlesGiven_; }
  std::int64_t wordsRead() const { return wordsRead_; }

 private:
  static constexpr int kChunkBits = 12;
  static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkBits;

  Record& Slot(int handle) {
    const auto index = static_cast<std::size_t>(handle);
    return chunks_[index >> kChunkBits][index & (kChunkSize - 1)];
  }

  std::vector<std::unique_ptr<Record[]>> chunks_;
  FreeHandleSet free_;
  std::int64_t handlesGiven_ = 0;
  std::int64_t wordsRead_ = 0;
};

}  // namespace vorantis
