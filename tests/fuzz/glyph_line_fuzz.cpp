// The glyph-definition file (FONTSYSTEM): its first line names the glyphs to load;
// the same line is then drawn as text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_world.h"
#include "present/font.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Scratch& scratch = fuzz::DataScratch();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  scratch.Write("DATA/glyphs.txt", input);
  fuzz::Round round(fuzz::DataWorld());
  Game& game = round.game();
  game.settings.FONTSYSTEM = scratch.GamePath("DATA/glyphs.txt");
  LoadFont(game);
  DrawBitmapText(game, std::string(input.substr(0, input.find_first_of(std::string_view("\r\n\0", 3)))), 10,
                 20, 1.5f, 0, 200, 1.0f);
  DrawBitmapText(game, "|", 0, 0, 1, 0, 255, 1);
  return 0;
}
