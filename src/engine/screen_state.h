// Screen's private state, shared by the files that implement it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/screen.h"
#include "engine/sprite_tables.h"

namespace vorantis {

struct Screen::State {
  Display* display = nullptr;
  Clock* clock = nullptr;
  // Declared before everything holding textures, so that it is destroyed last.
  std::unique_ptr<Renderer> renderer;
  std::vector<ImageDecoder> decoders;
  std::vector<DesktopMode> desktops;
  bool desktopsScanned = false;
  bool windowOpen = false;
  int windowHandle = 0;

  // Decoded pictures per mapped path, kept for the run: the same folder is loaded
  // again for every level, and its files do not change while the game runs.
  std::map<std::string, std::shared_ptr<const Image>> decodedImages;
  std::map<std::string, std::weak_ptr<TextureLease>> uploadedTextures;

  std::uint32_t defaultColourKey = 0;
  HandleTable<SpriteRecord> sprites;
  HandleTable<Sprite3DRecord> quads;
  int blendSource = kBlendSourceAlpha;
  int blendDest = kBlendInverseSourceAlpha;
  int filter = 0;
  bool canvasOpen = false;
  int frames = 0;
};

}  // namespace vorantis
