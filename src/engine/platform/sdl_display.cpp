#include "engine/platform/sdl_display.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "engine/platform/end_signals.h"
#include "engine/platform/gl_renderer.h"
#include "engine/platform/sdl_input.h"

namespace vorantis {

namespace {

// Keeps SDL's video subsystem up while any holder lives.
class VideoSystem {
 public:
  VideoSystem() : ok_(StartVideo()) {
    if (!ok_) return;
    // The engine reads devices as states; these events would only fill the queue. Key
    // presses stay on: the input watches them for taps shorter than a poll.
    for (Uint32 type : {SDL_QUIT,          SDL_KEYUP,        SDL_TEXTEDITING,     SDL_TEXTINPUT,
                        SDL_KEYMAPCHANGED, SDL_MOUSEMOTION,  SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP,
                        SDL_MOUSEWHEEL,    SDL_FINGERDOWN,   SDL_FINGERUP,        SDL_FINGERMOTION,
                        SDL_DOLLARGESTURE, SDL_DOLLARRECORD, SDL_MULTIGESTURE,    SDL_CLIPBOARDUPDATE,
                        SDL_DROPFILE,      SDL_DROPTEXT,     SDL_DROPBEGIN,       SDL_DROPCOMPLETE,
                        SDL_SENSORUPDATE,  SDL_SYSWMEVENT}) {
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
  static bool StartVideo() {
    // Signals are the program's business (see end_signals.h), not quit events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }

  bool ok_;
};

// Video drivers that draw into memory only: a window there is seen by nobody.
bool DriverShowsNothing() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return true;
  for (const char* name : {"offscreen", "dummy", "evdev"})
    if (std::strcmp(driver, name) == 0) return true;
  return false;
}

bool DriverAskedFor() {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  return asked != nullptr && asked[0] != '\0';
}

// Where the game's window lies: over the whole desktop, or (after Alt+Enter) centred
// in three quarters of it. The picture keeps the desktop's size either way; the
// present scales it into the window.
struct WindowPlacement {
  SDL_Window* window = nullptr;
  SDL_Rect full{};
  bool windowed = false;
  bool switchAsked = false;

  void ApplyAsked() {
    if (!switchAsked || window == nullptr) return;
    switchAsked = false;
    windowed = !windowed;
    if (windowed) {
      const int width = full.w * 3 / 4;
      const int height = full.h * 3 / 4;
      SDL_SetWindowBordered(window, SDL_TRUE);
      SDL_SetWindowResizable(window, SDL_TRUE);
      SDL_SetWindowSize(window, width, height);
      SDL_SetWindowPosition(window, full.x + (full.w - width) / 2, full.y + (full.h - height) / 2);
    } else {
      SDL_SetWindowResizable(window, SDL_FALSE);
      SDL_SetWindowBordered(window, SDL_FALSE);
      SDL_SetWindowPosition(window, full.x, full.y);
      SDL_SetWindowSize(window, full.w, full.h);
    }
  }
};

// A GL context and, when it owns one, its window; released after the renderer.
struct GlSurface {
  std::shared_ptr<VideoSystem> video;
  SDL_Window* window = nullptr;
  bool ownsWindow = false;
  SDL_GLContext context = nullptr;
  std::shared_ptr<WindowPlacement> placement;
  // The renderer drawing on this surface, which keeps the surface alive.
  Renderer* renderer = nullptr;
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
  WindowPlacement* placement = surface->placement.get();
  GlPresentTarget target;
  // A window switch asked for since the last frame takes effect before this one is shown.
  target.drawableSize = [window, placement](int& w, int& h) {
    if (placement) placement->ApplyAsked();
    SDL_GL_GetDrawableSize(window, &w, &h);
  };
  target.swap = [window] { SDL_GL_SwapWindow(window); };
  GlSurface* raw = surface.get();
  target.keepAlive = std::move(surface);
  auto renderer = MakeGlRenderer(width, height, std::move(target));
  raw->renderer = renderer.get();
  return renderer;
}

class SdlDisplay : public Display {
 public:
  explicit SdlDisplay(bool hidden) : video_(std::make_shared<VideoSystem>()), hidden_(hidden) {
    if (video_->ok()) SDL_AddEventWatch(WatchEvent, this);
  }

  ~SdlDisplay() override {
    if (video_->ok()) SDL_DelEventWatch(WatchEvent, this);
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
    // Without a display SDL may settle on a driver that draws into memory: the game
    // would run unseen. Only someone who asked for such a driver gets it.
    if (!hidden_ && DriverShowsNothing() && !DriverAskedFor()) {
      std::fprintf(
          stderr,
          "No display to open a window on (SDL video driver \"%s\"): the game needs a desktop session.\n",
          SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "none");
      return false;
    }
    SDL_Rect primary{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &primary);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALLOW_HIGHDPI;
    flags |= hidden_ ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
    AskForCoreContext();
    window_ = SDL_CreateWindow(title.c_str(), primary.x + x, primary.y + y, width, height, flags);
    if (!window_) return false;
    if (!hidden_) SDL_RaiseWindow(window_);
    placement_->window = window_;
    placement_->full = SDL_Rect{primary.x + x, primary.y + y, width, height};
    return true;
  }

  std::unique_ptr<Renderer> OpenScreen(int width, int height) override {
    if (!window_) return nullptr;
    auto surface = std::make_shared<GlSurface>();
    surface->video = video_;
    surface->window = window_;
    surface->placement = placement_;
    screenSurface_ = surface;
    return RendererOn(std::move(surface), width, height);
  }

  int PumpMessage(int timeoutMs) override {
    if (!video_->ok()) return 0;
    SDL_Event event;
    const int taken = timeoutMs > 0 ? SDL_WaitEventTimeout(&event, timeoutMs) : SDL_PollEvent(&event);
    // Key and pad states are read directly (key presses were seen by the watches);
    // their events are dropped so the queue stays short.
    SDL_FlushEvent(SDL_KEYDOWN);
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERDEVICEREMAPPED);
    // No event ends the program: the game has a quit dialog of its own. A window
    // uncovered or resized shows the standing back buffer again, which matters where
    // the game waits without drawing (the title screen).
    bool reshow = placement_->switchAsked;
    if (taken && event.type == SDL_WINDOWEVENT) {
      const Uint8 what = event.window.event;
      reshow = reshow || what == SDL_WINDOWEVENT_EXPOSED || what == SDL_WINDOWEVENT_SIZE_CHANGED;
    }
    if (reshow) {
      if (auto surface = screenSurface_.lock(); surface && surface->renderer) surface->renderer->Present();
    }
    ThrowIfEndSignalled();
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
    if (video_->ok() && !DriverShowsNothing() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_) == 0) {
      return;
    }
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
  }

 private:
  // Alt+Enter switches the window; the switch itself waits for the next frame or
  // window message, outside SDL's event processing.
  static int SDLCALL WatchEvent(void* self, SDL_Event* event) {
    const SDL_KeyboardEvent& key = event->key;
    if (event->type == SDL_KEYDOWN &&
        IsWindowSwitchKey(key.keysym.scancode, key.keysym.mod, key.repeat != 0)) {
      static_cast<SdlDisplay*>(self)->placement_->switchAsked = true;
    }
    return 0;
  }

  std::shared_ptr<VideoSystem> video_;
  bool hidden_;
  SDL_Window* window_ = nullptr;
  std::shared_ptr<WindowPlacement> placement_ = std::make_shared<WindowPlacement>();
  std::weak_ptr<GlSurface> screenSurface_;
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
