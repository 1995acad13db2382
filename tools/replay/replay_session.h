// What the replay watches while the game runs: it feeds the input (a script or the
// monkey) to the controls and the title screen, counts passes, and ends a frame at each
// present (a trace line, and a PNG when that frame was asked for). One session may
// watch several games in turn (the monkey's soak); passes and frames count on.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/game.h"
#include "engine/backends.h"
#include "engine/recording_renderer.h"

namespace vorantis {
class ScriptedInput;
}

namespace vorantis::replay {

// Thrown from a controls or title poll once the requested passes have run.
struct PassLimitReached {};

struct FrameRequest {
  std::set<std::int64_t> frames;
  std::string outFolder;  // platform path
};

// Sets the input of one pass before the poll that sees it.
using InputFeed = std::function<void(std::int64_t pass, ScriptedInput& input)>;

class ReplaySession : public GameObserver {
 public:
  // `trace` may be null (no trace asked for).
  ReplaySession(InputFeed feed, std::int64_t passLimit, std::ostream* trace, FrameRequest frameRequest);

  // A game starts on this input; its title screen waits afresh.
  void StartGame(ScriptedInput& input);

  void OnText(const std::string& text, float x, float y, float size, int alpha, float spacing) override;
  void OnSound(const std::string& name) override;
  void OnControlsPoll() override;
  void OnTitleWait() override;

  // Called by the screen's renderer just before it shows the back buffer.
  void OnPresent(Renderer& renderer, int width, int height);

  // Runs after each frame's trace line (the replay lets virtual time reach the sounds).
  void SetFrameHook(std::function<void()> hook) { frameHook_ = std::move(hook); }
  // Runs once per pass, after it was counted.
  void SetPassHook(std::function<void(std::int64_t passes)> hook) { passHook_ = std::move(hook); }
  // Reports on `report` each level `game` builds, with the real time from the end of
  // the title (or of the frame before the build) to the next controls poll; nullptr stops.
  void TimeLevelBuilds(const Game* game, std::ostream* report);

  std::int64_t passes() const { return passesUsed_; }
  std::int64_t frames() const { return frames_; }
  // Frames asked for that could not be written.
  const std::vector<std::string>& frameErrors() const { return frameErrors_; }

 private:
  struct TextDraw {
    std::string text;
    float x, y, size;
    int alpha;
    float spacing;
  };

  void ApplyPass(std::int64_t pass);
  void WriteTraceLine();
  void ReportLevelBuild();

  InputFeed feed_;
  ScriptedInput* input_ = nullptr;
  std::int64_t passLimit_;
  std::ostream* trace_;
  FrameRequest frameRequest_;
  std::function<void()> frameHook_;
  std::function<void(std::int64_t)> passHook_;

  std::int64_t passesUsed_ = 0;    // passes whose poll has started (or the title used up)
  std::int64_t currentPass_ = 0;   // the pass whose input is in effect
  std::int64_t appliedUpTo_ = -1;  // the last pass whose events were applied
  std::int64_t titlePolls_ = 0;
  std::int64_t frames_ = 0;
  std::vector<TextDraw> texts_;
  std::vector<std::string> sounds_;
  std::vector<std::string> frameErrors_;

  const Game* timedGame_ = nullptr;
  std::ostream* buildReport_ = nullptr;
  std::chrono::steady_clock::time_point buildStart_;
  std::clock_t buildStartCpu_ = 0;  // the process's processor time, threads included
  bool startAtNextPresent_ = false;
  bool firstPollOfGame_ = false;
  std::int32_t seenBuiltLevel_ = 0;
};

// Forwards everything to the real renderer and tells the session about presents.
class FrameTap : public Renderer {
 public:
  // `recorder`: the inner renderer when it only records; its log is dropped at each
  // present, since nothing reads it and a long run would grow it without end.
  FrameTap(std::unique_ptr<Renderer> inner, ReplaySession& session, int width, int height,
           RecordingRenderer* recorder = nullptr)
      : inner_(std::move(inner)), session_(session), width_(width), height_(height), recorder_(recorder) {}

  std::uint32_t CreateTexture(const Image& image) override { return inner_->CreateTexture(image); }
  std::uint32_t GrabTexture(int x, int y, int width, int height) override {
    return inner_->GrabTexture(x, y, width, height);
  }
  void DestroyTexture(std::uint32_t texture) override { inner_->DestroyTexture(texture); }
  void Clear(std::uint32_t rgb) override { inner_->Clear(rgb); }
  void DrawQuad(const QuadDraw& quad) override { inner_->DrawQuad(quad); }
  void FillRect(int x, int y, int width, int height, std::uint32_t rgb) override {
    inner_->FillRect(x, y, width, height, rgb);
  }
  void Present() override {
    session_.OnPresent(*inner_, width_, height_);
    inner_->Present();
    if (recorder_ != nullptr) recorder_->ClearLog();
  }
  void PresentProgress() override {
    session_.OnPresent(*inner_, width_, height_);
    inner_->PresentProgress();
    if (recorder_ != nullptr) recorder_->ClearLog();
  }
  Image ReadPixels(int x, int y, int width, int height) override {
    return inner_->ReadPixels(x, y, width, height);
  }

 private:
  std::unique_ptr<Renderer> inner_;
  ReplaySession& session_;
  int width_;
  int height_;
  RecordingRenderer* recorder_;
};

}  // namespace vorantis::replay
