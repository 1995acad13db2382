// A picture file as the engine loads sprites: read from disk, offered to the PNG,
// JPEG, TIFF and TGA decoders in turn, then made into sprites and 3D sprites.
#include "fuzz_world.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::Scratch scratch;
  scratch.Write("picture", fuzz::Text(data, size));
  // A screen of its own for each input: the screen keeps decoded pictures by path.
  fuzz::World world(scratch, false);
  Screen& screen = world.screen();
  const std::string path = scratch.GamePath("picture");
  const int sprite = screen.LoadImageSprite(-1, path, kModeTexture);
  const int ownAlpha = screen.LoadImageSprite(-1, path, kModeTexture | kModeOwnAlpha);
  fuzz::Require((sprite == 0) == (ownAlpha == 0));
  if (sprite == 0) return 0;
  fuzz::Require(screen.SpritePixelWidth(sprite) > 0 && screen.SpritePixelHeight(sprite) > 0);
  const int quad = screen.MakeSprite3D(-1, sprite);
  fuzz::Require(quad != 0);
  screen.BeginSprite3DPass();
  screen.DrawSprite3D(quad, 1, 2, 128);
  screen.EndSprite3DPass();
  return 0;
}
