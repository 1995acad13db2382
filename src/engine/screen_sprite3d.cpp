#include <algorithm>
#include <cmath>

#include "engine/screen.h"
#include "engine/screen_state.h"
#include "engine/sprite_geometry.h"

namespace vorantis {

namespace {

bool IsBlendFactor(int factor) {
  return factor >= kBlendZero && factor <= kBlendBothInverseSourceAlpha;
}

// The stored size is a 16-bit whole number, as the turn arithmetic expects: truncated,
// and held at the ends of the 16-bit range (a size that is not a number stores 0).
std::int16_t StoredSize(float size) {
  if (std::isnan(size)) return 0;
  return static_cast<std::int16_t>(std::clamp(size, -32768.0f, 32767.0f));
}

void StoreCorners(Sprite3DRecord& record, const std::array<QuadCorner, 4>& corners) {
  for (std::size_t i = 0; i < corners.size(); ++i) record.corners[i] = {corners[i].x, corners[i].y};
}

std::array<QuadCorner, 4> FullCorners(const Sprite3DRecord& record) {
  std::array<QuadCorner, 4> corners = UprightCorners(0, 0);
  for (std::size_t i = 0; i < corners.size(); ++i) {
    corners[i].x = record.corners[i].x;
    corners[i].y = record.corners[i].y;
  }
  return corners;
}

}  // namespace

int Screen::MakeSprite3D(int number, int sprite) {
  const SpriteRecord* source = state_->sprites.Find(sprite);
  if (!source || !(source->picture->mode & kModeTexture) || !source->picture->texture) return 0;
  Sprite3DRecord record;
  record.picture = source->picture;
  record.width = source->picture->width;
  record.height = source->picture->height;
  StoreCorners(record, UprightCorners(record.width, record.height));
  return state_->quads.Put(number, std::move(record));
}

int Screen::Sprite3DExists(int quad) {
  return state_->quads.Find(quad) ? 1 : 0;
}

void Screen::ReleaseSprite3D(int quad) {
  state_->quads.Release(quad);
}

void Screen::ScaleSprite3D(int quad, float width, float height) {
  Sprite3DRecord* record = state_->quads.Find(quad);
  if (!record) return;
  StoreCorners(*record, UprightCorners(width, height));
  record->width = StoredSize(width);
  record->height = StoredSize(height);
}

void Screen::TurnSprite3D(int quad, int angle, int mode) {
  Sprite3DRecord* record = state_->quads.Find(quad);
  if (!record) return;
  const TurnResult turn = AccumulateTurn(record->angle, angle, mode);
  record->angle = turn.stored;
  StoreCorners(*record, TurnedCorners(record->width, record->height, turn.drawn));
}

void Screen::WarpSprite3D(int quad, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4) {
  Sprite3DRecord* record = state_->quads.Find(quad);
  if (!record) return;
  StoreCorners(*record, WarpedCorners(x1, y1, x2, y2, x3, y3, x4, y4));
}

void Screen::SetSprite3DFilter(int quality) {
  state_->filter = quality;
}

void Screen::SetSprite3DBlend(int sourceFactor, int destFactor) {
  // A number outside the blend enumeration is refused and leaves the factors as they were.
  if (!IsBlendFactor(sourceFactor) || !IsBlendFactor(destFactor)) return;
  state_->blendSource = sourceFactor;
  state_->blendDest = destFactor;
}

int Screen::BeginSprite3DPass() {
  if (!state_->renderer) return 0;
  state_->blendSource = kBlendSourceAlpha;
  state_->blendDest = kBlendInverseSourceAlpha;
  return 1;
}

void Screen::DrawSprite3D(int quad, int x, int y, int opacity) {
  const Sprite3DRecord* record = state_->quads.Find(quad);
  if (!record || !state_->renderer || state_->Undrawn(false)) return;
  const SpritePicture& picture = *record->picture;
  QuadDraw draw;
  draw.texture = picture.texture->texture();
  if (draw.texture == 0) return;  // grabbed from an undrawn frame
  draw.corners = FullCorners(*record);
  for (QuadCorner& corner : draw.corners) {
    corner.x += static_cast<float>(x);
    corner.y += static_cast<float>(y);
  }
  draw.opacity = std::clamp(opacity, 0, 255);
  draw.blendSource = state_->blendSource;
  draw.blendDest = state_->blendDest;
  draw.smooth = state_->filter != 0;
  draw.ownAlpha = (picture.mode & kModeOwnAlpha) != 0;
  draw.keyed = !draw.ownAlpha;
  draw.colourKey = picture.colourKey;
  state_->FlushFills();
  state_->renderer->DrawQuad(draw);
}

void Screen::EndSprite3DPass() {}

int Screen::Sprite3DWidth(int quad) {
  const Sprite3DRecord* record = state_->quads.Find(quad);
  return record ? record->width : 0;
}

int Screen::Sprite3DHeight(int quad) {
  const Sprite3DRecord* record = state_->quads.Find(quad);
  return record ? record->height : 0;
}

int Screen::Sprite3DAngle(int quad) {
  const Sprite3DRecord* record = state_->quads.Find(quad);
  return record ? record->angle : 0;
}

std::array<QuadCorner, 4> Screen::Sprite3DCorners(int quad) {
  const Sprite3DRecord* record = state_->quads.Find(quad);
  return record ? FullCorners(*record) : std::array<QuadCorner, 4>{};
}

int Screen::Sprite3DBlendSource() const {
  return state_->blendSource;
}

int Screen::Sprite3DBlendDest() const {
  return state_->blendDest;
}

int Screen::Sprite3DFilter() const {
  return state_->filter;
}

std::int64_t Screen::Sprite3DHandlesGiven() const {
  return state_->quads.handlesGiven();
}

std::int64_t Screen::Sprite3DHandleWordsRead() const {
  return state_->quads.wordsRead();
}

}  // namespace vorantis
