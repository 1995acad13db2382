// The glyph-definition file (FONTSYSTEM): its first line names the glyphs to load;
// the same line is then drawn as text.
#include "fuzz_world.h"
#include "present/font.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::Text(data, size);
  return fuzz::ReadDataFile("DATA/glyphs.txt", input, [input](Game& game, const std::string& path) {
    game.settings.FONTSYSTEM = path;
    LoadFont(game);
    const std::string line(input.substr(0, input.find_first_of(std::string_view("\r\n\0", 3))));
    DrawBitmapText(game, line, 10, 20, 1.5f, 0, 200, 1.0f);
    DrawBitmapText(game, "|", 0, 0, 1, 0, 255, 1);
  });
}
