// The OpenGL 3.3 core renderer: the back buffer is a framebuffer object of its own,
// so it keeps its content across presents and can be grabbed on the GPU.
#pragma once

#include <functional>
#include <memory>

#include "engine/backends.h"

namespace vorantis {

// How the renderer shows a finished back buffer: the drawable's size in pixels
// (high-DPI aware) and the buffer swap. The context must be current.
struct GlPresentTarget {
  std::function<void(int& width, int& height)> drawableSize;
  std::function<void()> swap;
  // Released after the renderer's GL objects (the context and anything owning it).
  std::shared_ptr<void> keepAlive;
};

// Work a GL renderer has done since it was made; tests hold a frame's work to bounds.
struct GlRenderStats {
  long long drawCalls = 0;
  long long texturesMade = 0;    // pictures and grabs alike
  long long texelsUploaded = 0;  // sent from memory
  long long grabs = 0;           // back-buffer copies
  long long stateChanges = 0;    // programs and blending switched between draws
  long long presents = 0;        // back buffers copied to the display
  long long progressLeftUnshown = 0;
};

// The work of a renderer made by MakeGlRenderer; zeros for any other.
GlRenderStats GlStatsOf(Renderer& renderer);

// nullptr when the context lacks what the renderer needs.
std::unique_ptr<Renderer> MakeGlRenderer(int width, int height, GlPresentTarget target);

// A renderer on a hidden window of its own, for tests, benchmarks and the replay
// tool (with SDL_VIDEODRIVER=offscreen no display server is needed). nullptr on failure.
std::unique_ptr<Renderer> MakeOffscreenGlRenderer(int width, int height);

// The GL blend factor for a Direct3D 7 blend number (1..13) used as the source
// (isSource) or destination factor; kNoBlendFactor outside the enumeration.
inline constexpr unsigned kNoBlendFactor = 0xFFFFFFFFu;
unsigned GlBlendFactor(int number, bool isSource);

}  // namespace vorantis
