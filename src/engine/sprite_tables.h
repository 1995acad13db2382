// The handle tables behind Screen: flat vectors indexed by handle, slot 0 unused.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
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

struct Sprite3DRecord {
  std::shared_ptr<SpritePicture> picture;
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::int16_t angle = 0;
  std::array<QuadCorner, 4> corners{};
};

// Handles index `slots`; an empty pointer is a free handle.
template <typename Record>
class HandleTable {
 public:
  // Handles beyond this are refused rather than growing the table without bound.
  // A 1024 x 1024 level gives every field a 3D sprite of its own, objects come on top.
  static constexpr int kMaxHandle = 1 << 23;

  Record* Find(int handle) {
    if (handle <= 0 || handle >= static_cast<int>(slots_.size())) return nullptr;
    return slots_[handle].get();
  }
  // -1 (or any number below 1) takes the lowest free handle; a positive number
  // replaces what that handle held. Answers 0 when the number is out of range.
  int Put(int number, std::unique_ptr<Record> record) {
    if (number > kMaxHandle) return 0;
    if (number <= 0) {
      // Every slot below firstFree_ is taken, so the search never rescans them:
      // a level of a million fields would otherwise take quadratic time.
      number = firstFree_;
      while (number < static_cast<int>(slots_.size()) && slots_[number]) ++number;
      if (number > kMaxHandle) return 0;
      firstFree_ = number + 1;
    }
    if (number >= static_cast<int>(slots_.size())) slots_.resize(number + 1);
    slots_[number] = std::move(record);
    return number;
  }
  void Release(int handle) {
    if (!Find(handle)) return;
    slots_[handle].reset();
    if (handle < firstFree_) firstFree_ = handle;
  }
  void ReleaseAll() {
    slots_.clear();
    firstFree_ = 1;
  }

 private:
  std::vector<std::unique_ptr<Record>> slots_;
  int firstFree_ = 1;
};

struct SpriteRecord {
  std::shared_ptr<SpritePicture> picture;
};

}  // namespace vorantis
