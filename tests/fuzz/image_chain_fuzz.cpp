// A picture file as the engine loads sprites: read from disk, offered to the PNG,
// JPEG, TIFF and TGA decoders in turn, then made into sprites and 3D sprites.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_world.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::Scratch scratch;
  scratch.Write("picture", std::string_view(reinterpret_cast<const char*>(data), size));
  // A screen of its own for each input: the screen keeps decoded pictures by path.
  fuzz::World world(scratch, false);
  Screen& screen = world.screen();
  const std::string path = scratch.GamePath("picture");
  const int sprite = screen.LoadImageSprite(-1, path, kModeTexture);
  const int ownAlpha = screen.LoadImageSprite(-1, path, kModeTexture | kModeOwnAlpha);
  if ((sprite == 0) != (ownAlpha == 0)) std::abort();
  if (sprite == 0) return 0;
  if (screen.SpritePixelWidth(sprite) <= 0 || screen.SpritePixelHeight(sprite) <= 0) std::abort();
  const int quad = screen.MakeSprite3D(-1, sprite);
  if (quad == 0) std::abort();
  screen.BeginSprite3DPass();
  screen.DrawSprite3D(quad, 1, 2, 128);
  screen.EndSprite3DPass();
  return 0;
}
