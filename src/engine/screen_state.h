// Screen's private state, shared by the files that implement it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame_pacing.h"
#include "engine/null_renderer.h"
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
  // Stands for the renderer behind grabs made in undrawn frames: they hold no texture.
  NullRenderer undrawn;
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

  // Whether the frame being made reaches the renderer. It is settled by the first thing
  // that would: only a frame that begins by clearing the whole screen can go undrawn,
  // so a picture drawn over the standing one (a dialog, a grab of it) always is drawn.
  enum class FrameWork { kOpen, kDrawn, kUndrawn };
  FrameWork frameWork = FrameWork::kOpen;
  bool mayLeaveUndrawn = false;
  FramePacing pacing;
  std::int64_t frameStart = -1;
  // Under 60 a second: a headless clock that moves 16 ms a frame still shows every one.
  ProgressShowing progressShown{15000};

  // True when the work at hand is dropped; `clearsAll`: it paints the whole screen.
  bool Undrawn(bool clearsAll) {
    if (frameWork == FrameWork::kOpen) {
      frameWork = mayLeaveUndrawn && clearsAll ? FrameWork::kUndrawn : FrameWork::kDrawn;
    }
    return frameWork == FrameWork::kUndrawn;
  }

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
