// assetgen <data folder> [<level-file data folder>]
// Writes the game's complete default data set; with a second folder, also a copy
// whose DATA/ini.txt plays the hand-made level file instead of generated levels.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "assetgen.h"

int main(int argc, char** argv) {
  using namespace vorantis::assetgen;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: assetgen <data folder> [<level-file data folder>]\n");
    return 2;
  }
  try {
    DataFolder out(argv[1]);
    WriteConfiguration(out);
    WriteTileDefinitions(out);
    WriteLevelFile(out);
    WriteTileGraphics(out);
    WriteObjects(out);
    WriteCursorAndEffects(out);
    WriteFont(out, VORANTIS_FONT_CONDENSED_BOLD);
    WriteTitleImages(out, VORANTIS_FONT_BOLD);
    WriteSoundEffects(out);
    WriteMusic(out);
    out.WriteManifest();
    if (argc == 3) out.CopyTo(argv[2], {{"DATA/ini.txt", ConfigurationText(false)}});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
