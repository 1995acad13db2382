// Screen's private state, shared by the files that implement it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/screen.h"
#include "engine/sprite_tables.h"

namespace vorantis {

// A filled box not yet handed to the renderer.
struct PendingFill {
  int x, y, width, height;
  std::uint32_t rgb;
};

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
  // Fills wait here until something else reaches the renderer, so that a box painted
  // over by a later one is never drawn: the builders' bar repaints itself for every
  // field of a level and is shown only now and then.
  std::vector<PendingFill> pendingFills;

  void FlushFills() {
    for (const PendingFill& fill : pendingFills)
      renderer->FillRect(fill.x, fill.y, fill.width, fill.height, fill.rgb);
    pendingFills.clear();
  }
};

}  // namespace vorantis
