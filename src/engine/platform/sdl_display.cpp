#include "engine/platform/sdl_display.h"

#include <SDL.h>

#include <cstdio>

#include "engine/platform/gl_renderer.h"

namespace vorantis {

namespace {

// Keeps SDL's video subsystem up while any holder lives.
class VideoSystem {
 public:
  VideoSystem() : ok_(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    if (!ok_) return;
    // The engine reads devices as states; these events would only fill the queue.
    for (Uint32 type :
         {SDL_QUIT,          SDL_KEYDOWN,         SDL_KEYUP,           SDL_TEXTEDITING,   SDL_TEXTINPUT,
          SDL_KEYMAPCHANGED, SDL_MOUSEMOTION,     SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL,
          SDL_FINGERDOWN,    SDL_FINGERUP,        SDL_FINGERMOTION,    SDL_DOLLARGESTURE, SDL_DOLLARRECORD,
          SDL_MULTIGESTURE,  SDL_CLIPBOARDUPDATE, SDL_DROPFILE,        SDL_DROPTEXT,      SDL_DROPBEGIN,
          SDL_DROPCOMPLETE,  SDL_SENSORUPDATE,    SDL_SYSWMEVENT}) {
      SDL_EventState(type, SDL_IGNORE);
    }
  }
  ~VideoSystem() {
    if (ok_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  VideoSystem(const VideoSystem&) = delete;
  VideoSystem& operator=(const VideoSystem&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// A GL context and, when it owns one, its window; released after the renderer.
struct GlSurface {
  std::shared_ptr<VideoSystem> video;
  SDL_Window* window = nullptr;
  bool ownsWindow = false;
  SDL_GLContext context = nullptr;
  ~GlSurface() {
    if (context) SDL_GL_DeleteContext(context);
    if (ownsWindow && window) SDL_DestroyWindow(window);
  }
};

void AskForCoreContext() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

std::unique_ptr<Renderer> RendererOn(std::shared_ptr<GlSurface> surface, int width, int height) {
  AskForCoreContext();
  surface->context = SDL_GL_CreateContext(surface->window);
  if (!surface->context) return nullptr;
  SDL_GL_MakeCurrent(surface->window, surface->context);
  // Vsync where the driver offers it; the clock caps the rate either way.
  if (SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
  SDL_Window* window = surface->window;
  GlPresentTarget target;
  target.drawableSize = [window](int& w, int& h) { SDL_GL_GetDrawableSize(window, &w, &h); };
  target.swap = [window] { SDL_GL_SwapWindow(window); };
  target.keepAlive = std::move(surface);
  return MakeGlRenderer(width, height, std::move(target));
}

class SdlDisplay : public Display {
 public:
  explicit SdlDisplay(bool hidden) : video_(std::make_shared<VideoSystem>()), hidden_(hidden) {}

  ~SdlDisplay() override {
    if (window_) SDL_DestroyWindow(window_);
  }

  std::vector<DesktopMode> ScanDesktops() override {
    std::vector<DesktopMode> desktops;
    if (!video_->ok()) return desktops;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
      SDL_DisplayMode mode;
      if (SDL_GetDesktopDisplayMode(i, &mode) != 0) continue;
      desktops.push_back(
          {mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format)), mode.refresh_rate});
    }
    return desktops;
  }

  bool CreateWindow(int x, int y, int width, int height, const std::string& title) override {
    if (!video_->ok() || window_) return false;
    SDL_Rect primary{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &primary);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALLOW_HIGHDPI;
    flags |= hidden_ ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
    AskForCoreContext();
    window_ = SDL_CreateWindow(title.c_str(), primary.x + x, primary.y + y, width, height, flags);
    if (!window_) return false;
    if (!hidden_) SDL_RaiseWindow(window_);
    return true;
  }

  std::unique_ptr<Renderer> OpenScreen(int width, int height) override {
    if (!window_) return nullptr;
    auto surface = std::make_shared<GlSurface>();
    surface->video = video_;
    surface->window = window_;
    return RendererOn(std::move(surface), width, height);
  }

  int PumpMessage(int timeoutMs) override {
    if (!video_->ok()) return 0;
    SDL_Event event;
    const int taken = timeoutMs > 0 ? SDL_WaitEventTimeout(&event, timeoutMs) : SDL_PollEvent(&event);
    // Pad states are read directly; their events are dropped so the queue stays short.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERDEVICEREMAPPED);
    // No event ends the program: the game has a quit dialog of its own. A repaint
    // needs nothing either, as the next frame presents the standing back buffer.
    return taken ? 1 : 0;
  }

  bool WindowHasFocus() override {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
  }

  void CapturePointer(bool capture) override {
    if (!video_->ok()) return;
    if (SDL_SetRelativeMouseMode(capture ? SDL_TRUE : SDL_FALSE) == 0) return;
    SDL_ShowCursor(capture ? SDL_DISABLE : SDL_ENABLE);
    if (window_) SDL_SetWindowGrab(window_, capture ? SDL_TRUE : SDL_FALSE);
  }

  void ShowMessageBox(const std::string& title, const std::string& text) override {
    if (video_->ok() && SDL_GetCurrentVideoDriver() != nullptr &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_) == 0) {
      return;
    }
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
  }

 private:
  std::shared_ptr<VideoSystem> video_;
  bool hidden_;
  SDL_Window* window_ = nullptr;
};

}  // namespace

std::unique_ptr<Display> MakeSdlDisplay(bool hidden) {
  return std::make_unique<SdlDisplay>(hidden);
}

std::unique_ptr<Renderer> MakeOffscreenGlRenderer(int width, int height) {
  auto surface = std::make_shared<GlSurface>();
  surface->video = std::make_shared<VideoSystem>();
  if (!surface->video->ok()) return nullptr;
  AskForCoreContext();
  surface->window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  surface->ownsWindow = true;
  if (!surface->window) return nullptr;
  return RendererOn(std::move(surface), width, height);
}

}  // namespace vorantis
