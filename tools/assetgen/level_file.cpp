// The hand-made level for play without generated levels: a ".ai42" file of colour
// triples, column by column, and the ".red" opacity file beside it.
#include <array>
#include <string>
#include <vector>

#include "assetgen.h"

namespace vorantis::assetgen {

namespace {

// '#' wall, '.' colourable floor, 'g' colourable grass, '~' water, 'o' pillar,
// '=' stone path (walkable, never coloured).
const std::vector<std::string> kMap = {
    "##############################",  //
    "#.....#.......~~~......#.....#",  //
    "#.....#..ggg..~~~..o...#.....#",  //
    "#..o..#..ggg.......o...==....#",  //
    "#.....===..........o...#.....#",  //
    "###.###....####....#####..o..#",  //
    "#.....#....#..#..........#####",  //
    "#..~~.#....#..#......gg......#",  //
    "#..~~......#..#......gg...o..#",  //
    "#.........==..###=####.......#",  //
    "####.######...#........#.....#",  //
    "#......#......#..ggg...#..~~.#",  //
    "#..o...#..o...=..ggg...=..~~.#",  //
    "#......#......#........#.....#",  //
    "#.............#..o.....#.....#",  //
    "##############################",  //
    "##############################",  //
};

struct Kind {
  std::array<const char*, 3> lines;
  int opacity;
};

Kind KindOf(char c) {
  switch (c) {
    case '.':
      return {{"LAB", "_FL", "OOR"}, 255};
    case 'g':
      return {{"LAB", "_GR", "EEN"}, 255};
    case '~':
      return {{"40", "100", "220"}, 185};
    case 'o':
      return {{"150", "120", "90"}, 255};
    case '=':
      return {{"200", "200", "60"}, 255};
    default:
      return {{"70", "70", "100"}, 225};
  }
}

}  // namespace

void WriteLevelFile(DataFolder& out) {
  const int lastColumn = static_cast<int>(kMap[0].size()) - 1;
  const int lastRow = static_cast<int>(kMap.size()) - 1;
  std::string header =
      "VORANTIS LEVEL\r\n" + std::to_string(lastColumn) + "\r\n" + std::to_string(lastRow) + "\r\n0\r\n0\r\n";
  std::string level = header, opacity = header;
  for (int c = 0; c <= lastColumn; ++c)
    for (int r = 0; r <= lastRow; ++r) {
      Kind k = KindOf(kMap[r][c]);
      for (const char* line : k.lines) level += std::string(line) + "\r\n";
      opacity += std::to_string(k.opacity) + "\r\n";
    }
  out.WriteText(std::string("LEVELS/") + kWorld + ".ai42", level);
  out.WriteText(std::string("LEVELS/") + kWorld + ".red", opacity);
}

}  // namespace vorantis::assetgen
