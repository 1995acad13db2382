#include "engine/screen.h"

#include "engine/files.h"
#include "engine/screen_state.h"

namespace vorantis {

Screen::Screen(Display* display, Clock* clock) : state_(std::make_unique<State>()) {
  state_->display = display;
  state_->clock = clock;
}

Screen::~Screen() {
  Shutdown();
}

void Screen::RegisterImageDecoder(ImageDecoder decoder) {
  if (decoder) state_->decoders.push_back(std::move(decoder));
}

int Screen::ScanDesktops() {
  state_->desktops = state_->display ? state_->display->ScanDesktops() : std::vector<DesktopMode>{};
  state_->desktopsScanned = true;
  return static_cast<int>(state_->desktops.size());
}

namespace {

const DesktopMode* FindDesktop(const std::vector<DesktopMode>& desktops, int desktop) {
  if (desktop < 0 || desktop >= static_cast<int>(desktops.size())) return nullptr;
  return &desktops[desktop];
}

}  // namespace

int Screen::DesktopPixelWidth(int desktop) {
  if (!state_->desktopsScanned) ScanDesktops();
  const DesktopMode* mode = FindDesktop(state_->desktops, desktop);
  return mode ? mode->width : 0;
}

int Screen::DesktopPixelHeight(int desktop) {
  if (!state_->desktopsScanned) ScanDesktops();
  const DesktopMode* mode = FindDesktop(state_->desktops, desktop);
  return mode ? mode->height : 0;
}

int Screen::DesktopColourDepth(int desktop) {
  if (!state_->desktopsScanned) ScanDesktops();
  const DesktopMode* mode = FindDesktop(state_->desktops, desktop);
  return mode ? mode->colourDepth : 0;
}

int Screen::DesktopRefreshRate(int desktop) {
  if (!state_->desktopsScanned) ScanDesktops();
  const DesktopMode* mode = FindDesktop(state_->desktops, desktop);
  return mode ? mode->refreshRate : 0;
}

int Screen::CreateGameWindow(int number, int x, int y, int width, int height, int, const std::string& title) {
  if (!state_->display || width <= 0 || height <= 0) return 0;
  if (!state_->display->CreateWindow(x, y, width, height, title)) return 0;
  state_->windowOpen = true;
  state_->windowHandle = number > 0 ? number : 1;
  return state_->windowHandle;
}

int Screen::OpenScreenInWindow(int, int, int, int width, int height, int, int, int) {
  if (!state_->windowOpen || width <= 0 || height <= 0 || state_->renderer) return state_->renderer ? 1 : 0;
  state_->renderer = state_->display->OpenScreen(width, height);
  return state_->renderer ? 1 : 0;
}

int Screen::PumpWindowMessage(int timeoutMs) {
  return state_->display ? state_->display->PumpMessage(timeoutMs) : 0;
}

void Screen::FillScreen(std::uint32_t rgb) {
  if (!state_->renderer || state_->Undrawn(true)) return;
  state_->FlushFills();
  state_->renderer->Clear(rgb & 0xFFFFFF);
}

void Screen::PresentFrame() {
  Present(false);
}

void Screen::PresentProgressFrame() {
  State& s = *state_;
  if (s.clock && !s.progressShown.Show(s.clock->Microseconds())) return;
  Present(true);
}

void Screen::Present(bool progress) {
  State& s = *state_;
  s.canvasOpen = false;
  // A frame that drew nothing leaves the picture on show as it is.
  const bool drawn = !s.Undrawn(true);
  if (s.renderer && drawn) {
    s.FlushFills();
    if (progress) {
      s.renderer->PresentProgress();
    } else {
      s.renderer->Present();
    }
  }
  ++s.frames;
  s.frameWork = State::FrameWork::kOpen;
  if (!s.clock) {
    s.pacing.FrameEnded(drawn, -1, -1);
    return;
  }
  s.pacing.FrameEnded(drawn, s.frameStart, s.clock->Microseconds());
  if (progress) {
    s.clock->PaceProgressFrame();
  } else {
    s.clock->PaceFrame();
  }
  s.frameStart = s.clock->Microseconds();
  s.mayLeaveUndrawn = !s.pacing.DrawNext(s.frameStart, s.clock->NextFrameDue());
}

void Screen::KeepFrameDrawn() {
  if (state_->frameWork == State::FrameWork::kOpen) state_->frameWork = State::FrameWork::kDrawn;
}

void Screen::BeginCanvas() {
  if (state_->renderer) state_->canvasOpen = true;
}

void Screen::EndCanvas() {
  state_->canvasOpen = false;
}

namespace {

bool Covers(const PendingFill& outer, const PendingFill& inner) {
  auto end = [](int start, int size) { return std::int64_t{start} + size; };
  return outer.x <= inner.x && outer.y <= inner.y && end(inner.x, inner.width) <= end(outer.x, outer.width) &&
         end(inner.y, inner.height) <= end(outer.y, outer.height);
}

}  // namespace

void Screen::FillRectangle(int x, int y, int width, int height, std::uint32_t rgb) {
  if (!state_->renderer || width <= 0 || height <= 0 || state_->Undrawn(false)) return;
  // Fills are opaque: one that a later fill covers whole leaves no trace on the back buffer.
  std::vector<PendingFill>& pending = state_->pendingFills;
  const PendingFill fill{x, y, width, height, rgb & 0xFFFFFF};
  std::erase_if(pending, [&fill](const PendingFill& earlier) { return Covers(fill, earlier); });
  constexpr std::size_t kMostPending = 16;
  if (pending.size() >= kMostPending) state_->FlushFills();
  pending.push_back(fill);
}

bool Screen::CanvasOpen() const {
  return state_->canvasOpen;
}

Renderer* Screen::renderer() {
  if (state_->renderer) state_->FlushFills();  // the caller may read the back buffer
  return state_->renderer.get();
}

int Screen::presentedFrames() const {
  return state_->frames;
}

std::int64_t Screen::drawnFrames() const {
  return state_->pacing.drawn();
}

std::int64_t Screen::undrawnFrames() const {
  return state_->pacing.skipped();
}

void Screen::Shutdown() {
  state_->quads.ReleaseAll();
  state_->sprites.ReleaseAll();
  state_->uploadedTextures.clear();
  state_->decodedImages.clear();
  state_->canvasOpen = false;
  state_->pendingFills.clear();
  state_->renderer.reset();
}

}  // namespace vorantis
