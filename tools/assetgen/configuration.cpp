// The configuration file, the self-create base file and the tile definitions.
#include <utility>
#include <vector>

#include "assetgen.h"

namespace vorantis::assetgen {

std::string ConfigurationText(bool generatedLevels) {
  // Every key of the table, in table order. WINDOWMODE shares its byte with
  // USESPRITE3D, so both say 1. One TIME step lasts 2.5 seconds at 60 frames:
  // the countdown grants a quarter of the counted floor, which at one cursor step
  // per 8 frames leaves a person room to colour the quarter of it that is needed.
  // WORLDRANDOM 1564 gives a first level of 25 x 19 fields (it fits a 1280 pixel
  // wide screen) with 29 fields to fix, about 190 that could be, and two enemies.
  std::vector<std::pair<std::string, std::string>> keys = {
      {"SOUNDFXPATH", "SFX\\"},
      {"INGAMEMUSIC", "MUSIC\\"},
      {"EGFXPATH", "EFFECTS\\"},
      {"EGFXMAX", "3"},
      {"FONTPATH", "FONT"},
      {"FONTSYSTEM", "DATA\\glyphs.txt"},
      {"WINDOWMODE", "1"},
      {"MULTITASK", "0"},
      {"SAVEGFX", "0"},
      {"SAVEEVOLUTION", "0"},
      {"APPNAME", "Vorantis"},
      {"GFXPATH", "GFX\\"},
      {"RESOLUTION", "48"},
      {"TOPO", "DATA\\"},
      {"BASICGFX", "GFX\\"},
      {"USEEXTENDEDTOPO", "1"},
      {"APPENTRY", "LEVELS\\"},
      {"APPSTART", kWorld},
      {"TOPOGFX", "TILES\\"},
      {"GFXCODEC", ".png"},
      {"SYSTEMCORE", "DATA\\"},
      {"CORENAME", "VORANTIS"},
      {"USESPRITE3D", "1"},
      {"MAXFOE", "6"},
      {"LOGPATH", "DATA\\"},
      {"LOGFILE", "vorantis.log"},
      {"RGBCODEPATH", "TILEDEFS\\"},
      {"WORLDGFX", "WORLD\\"},
      {"USELOGFILE", "0"},
      {"LOADSCREEN", "GFX\\TITLE#.png"},
      {"LOADANIM", "GFX\\"},
      {"FULLSCREENZOOM", "1.0"},
      {"RESBASEW", "800"},
      {"RESBASEH", "450"},
      {"CURSOR", "GFX\\cursor.png"},
      {"CURSORSPEED", "248"},
      {"VEGIDENSE", "100"},
      {"USEFULLMATRIX", "0"},
      {"WORLDRANDOM", "1564"},
      {"MULTICORE", "1"},
      {"MAPSIZE", "64"},
      {"WORLDTEMPERATURE", "15.0"},
      {"WORLDREFRESH", "149"},
      {"SELFCREATEBASE", "DATA\\selfcreate.txt"},
      {"USESELFCREATEBASE", generatedLevels ? "1" : "0"},
      {"LABSWITCH", "0"},
      {"SMOOTH", "1"},
      {"GAMEMODE", "DEFAULT"},
      {"VIEW", "TOP"},
      {"TIMERSOUND", "timer.ogg"},
      {"ENDTIMERSOUND", "timer.ogg"},
      {"DEFTILESOUND", "step.ogg"},
      {"FIXEDTILESOUND", "fixed.ogg"},
      {"PINKTILEFIXEDSOUND", "pinkfixed.ogg"},
      {"USESCALER", "0"},
  };
  return Pairs(keys);
}

void WriteConfiguration(DataFolder& out) {
  out.WriteText("DATA/ini.txt", ConfigurationText(true));
  out.WriteText("DATA/ini-levelfile.txt", ConfigurationText(false));
  // Lines 2 and 3 are the base width and height; the others are not read.
  out.WriteText("DATA/selfcreate.txt", "VORANTIS BASE\r\n40\r\n26\r\n0\r\n0\r\n");
}

namespace {

struct TileSpec {
  std::string code;
  std::string graphic;
  int collision = 0;
  int transparency = 0;
  int useEnemy = 0;
  int value = 0;
  std::vector<std::string> children;
};

std::string Definition(const TileSpec& t) {
  std::vector<std::pair<std::string, std::string>> keys = {{"INTERNALNAME", t.code}, {"GFXNAME", t.graphic}};
  // All eight slots, "#" where unused: an unmentioned slot would keep the name the
  // field's previous tile gave it.
  for (std::size_t i = 0; i < 8; ++i)
    keys.emplace_back("CHILD" + std::to_string(i + 1), i < t.children.size() ? t.children[i] : "#");
  keys.emplace_back("VALUE1", std::to_string(t.value));
  keys.emplace_back("RANDOMSEED", "0");
  keys.emplace_back("USECOLLISION", std::to_string(t.collision));
  keys.emplace_back("TRANSPARENCY", std::to_string(t.transparency));
  keys.emplace_back("USEENEMY", std::to_string(t.useEnemy));
  keys.emplace_back("USEDIRECTION", "DEFAULT");
  return Pairs(keys);
}

}  // namespace

void WriteTileDefinitions(DataFolder& out) {
  // Walls stop bomb rays (2); water only blocks walking (1). Edge kinds are dug floor
  // with a shadow or fringe on the neighbour's side: walkable and coloured like floor.
  std::vector<TileSpec> tiles = {
      {"LAB_WALL", "wall.png", 2, 30, 0, 0, {}},
      {"LAB_FLOOR", "floor.png", 0, 0, 1, 0, {"COIN", "GEM", "CLOCK", "BOMB"}},
      {"LAB_GREEN", "grass.png", 0, 0, 0, 0, {"FLOWER"}},
      {"LAB_WATER", "water.png", 1, 70, 0, 0, {}},
      {"LAB_WALL_E", "edge_wall_e.png", 0, 0, 0, 0, {}},
      {"LAB_WALL_S", "edge_wall_s.png", 0, 0, 0, 0, {}},
      {"LAB_GREEN_E", "edge_green_e.png", 0, 0, 0, 0, {}},
      {"LAB_GREEN_S", "edge_green_s.png", 0, 0, 0, 0, {}},
      {"LAB_WATER_E", "edge_water_e.png", 0, 20, 0, 0, {}},
      {"LAB_WATER_S", "edge_water_s.png", 0, 20, 0, 0, {}},
      {"LAB_BLUE_FLOOR", "floor_blue.png", 0, 0, 0, 0, {}},
      {"LAB_PINK_FLOOR", "floor_pink.png", 0, 0, 0, 0, {}},
      {"LAB_FIXED_FLOOR", "floor_fixed.png", 0, 0, 0, 10, {}},
      {"LAB_FIXED_PINK_FLOOR", "floor_fixed_pink.png", 0, 0, 0, 0, {}},
      // Colour codes of the hand-made level (red, green and blue lines joined).
      {"7070100", "wall.png", 2, 30, 0, 0, {}},
      {"40100220", "water.png", 1, 70, 0, 0, {}},
      {"15012090", "pillar.png", 2, 0, 0, 0, {}},
      {"20020060", "path.png", 0, 0, 0, 0, {}},
  };
  for (const auto& t : tiles) out.WriteText(std::string(kTileDefinitions) + t.code, Definition(t));
}

}  // namespace vorantis::assetgen
