#include <limits>

#include "engine/files.h"
#include "engine/picture_budget.h"
#include "engine/screen.h"
#include "engine/screen_state.h"

namespace vorantis {

namespace {

bool FitsSpriteSize(int width, int height) {
  constexpr int kLargest = std::numeric_limits<std::int16_t>::max();
  return width > 0 && height > 0 && width <= kLargest && height <= kLargest;
}

}  // namespace

void Screen::SetDefaultColourKey(int sprite, std::uint32_t rgb) {
  rgb &= 0xFFFFFF;
  if (sprite == -1) {
    state_->defaultColourKey = rgb;
    return;
  }
  if (SpriteRecord* record = state_->sprites.Find(sprite)) record->picture->colourKey = rgb;
}

int Screen::LoadImageSprite(int number, const std::string& path, int mode) {
  State& s = *state_;
  if (!s.renderer) return 0;
  const std::string mapped = MapPath(path);
  std::shared_ptr<const Image> image;
  if (auto cached = s.decodedImages.find(mapped); cached != s.decodedImages.end()) {
    image = cached->second;
  } else {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return 0;
    auto decoded = std::make_shared<Image>();
    bool accepted = false;
    for (const ImageDecoder& decoder : s.decoders) {
      *decoded = Image{};
      if (decoder(*bytes, *decoded)) {
        accepted = true;
        break;
      }
    }
    const auto expected = static_cast<std::size_t>(decoded->width) * decoded->height * 4;
    // The decoders hold to the budget already; this guards decoders registered from elsewhere.
    if (!accepted || !WithinPictureBudget(decoded->width, decoded->height) ||
        decoded->rgba.size() != expected) {
      return 0;
    }
    image = decoded;
    s.decodedImages[mapped] = image;
  }

  auto picture = std::make_shared<SpritePicture>();
  picture->width = static_cast<std::int16_t>(image->width);
  picture->height = static_cast<std::int16_t>(image->height);
  picture->mode = mode;
  picture->colourKey = s.defaultColourKey;
  if (mode & kModeTexture) {
    picture->texture = s.uploadedTextures[mapped].lock();
    if (!picture->texture) {
      const std::uint32_t texture = s.renderer->CreateTexture(*image);
      if (texture == 0) return 0;
      picture->texture = std::make_shared<TextureLease>(s.renderer.get(), texture);
      s.uploadedTextures[mapped] = picture->texture;
    }
  }
  return s.sprites.Put(number, SpriteRecord{std::move(picture)});
}

int Screen::GrabScreenSprite(int number, int x, int y, int width, int height, int mode) {
  State& s = *state_;
  if (!s.renderer || !FitsSpriteSize(width, height)) return 0;
  auto picture = std::make_shared<SpritePicture>();
  picture->width = static_cast<std::int16_t>(width);
  picture->height = static_cast<std::int16_t>(height);
  picture->mode = mode;
  picture->colourKey = s.defaultColourKey;
  // Only a texture can ever be drawn again, so other grabs keep just their size.
  if ((mode & kModeTexture) && s.Undrawn(false)) {
    // Nothing was drawn to grab; whatever shows this grab is in the same undrawn frame.
    picture->texture = std::make_shared<TextureLease>(&s.undrawn, 0);
  } else if (mode & kModeTexture) {
    s.FlushFills();
    const std::uint32_t texture = s.renderer->GrabTexture(x, y, width, height);
    if (texture == 0) return 0;
    picture->texture = std::make_shared<TextureLease>(s.renderer.get(), texture);
  }
  return s.sprites.Put(number, SpriteRecord{std::move(picture)});
}

int Screen::SpriteExists(int sprite) {
  return state_->sprites.Find(sprite) ? 1 : 0;
}

void Screen::ReleaseSprite(int sprite) {
  state_->sprites.Release(sprite);
}

int Screen::SpritePixelWidth(int sprite) {
  const SpriteRecord* record = state_->sprites.Find(sprite);
  return record ? record->picture->width : 0;
}

int Screen::SpritePixelHeight(int sprite) {
  const SpriteRecord* record = state_->sprites.Find(sprite);
  return record ? record->picture->height : 0;
}

std::uint32_t Screen::SpriteColourKey(int sprite) {
  const SpriteRecord* record = state_->sprites.Find(sprite);
  return record ? record->picture->colourKey : 0;
}

int Screen::SpriteMode(int sprite) {
  const SpriteRecord* record = state_->sprites.Find(sprite);
  return record ? record->picture->mode : 0;
}

}  // namespace vorantis
