// The parts of the default data set; each writes its files into the data folder.
#pragma once

#include <string>

#include "output.h"

namespace vorantis::assetgen {

// Where the game expects things (relative to the data folder, '/' separated).
inline constexpr const char* kWorld = "VALE";
inline constexpr const char* kTileDefinitions = "TILEDEFS/VALE/";

std::string ConfigurationText(bool generatedLevels);
void WriteConfiguration(DataFolder& out);
void WriteTileDefinitions(DataFolder& out);
void WriteLevelFile(DataFolder& out);
void WriteTileGraphics(DataFolder& out);
void WriteObjects(DataFolder& out);
void WriteCursorAndEffects(DataFolder& out);
void WriteFont(DataFolder& out, const std::string& fontFile);
void WriteTitleImages(DataFolder& out, const std::string& fontFile);
void WriteSoundEffects(DataFolder& out);
void WriteMusic(DataFolder& out);

}  // namespace vorantis::assetgen
