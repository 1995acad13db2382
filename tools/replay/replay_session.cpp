#include "replay_session.h"

#include <cstdio>
#include <ctime>

#include "engine/platform/png_writer.h"
#include "engine/scripted_input.h"
#include "json_writer.h"

namespace vorantis::replay {

ReplaySession::ReplaySession(InputFeed feed, std::int64_t passLimit, std::ostream* trace,
                             FrameRequest frameRequest)
    : feed_(std::move(feed)), passLimit_(passLimit), trace_(trace), frameRequest_(std::move(frameRequest)) {}

void ReplaySession::StartGame(ScriptedInput& input) {
  input_ = &input;
  titlePolls_ = 0;
}

void ReplaySession::ApplyPass(std::int64_t pass) {
  currentPass_ = pass;
  if (pass <= appliedUpTo_) return;
  appliedUpTo_ = pass;
  feed_(pass, *input_);
}

void ReplaySession::TimeLevelBuilds(const Game* game, std::ostream* report) {
  timedGame_ = report != nullptr ? game : nullptr;
  buildReport_ = report;
  firstPollOfGame_ = false;
  startAtNextPresent_ = false;
}

// A level was built since the last poll when the game's first poll comes, or when the
// built level number changed to the level being played (a restart sets it to -1 first).
void ReplaySession::ReportLevelBuild() {
  const auto now = std::chrono::steady_clock::now();
  const std::clock_t cpuNow = std::clock();
  const Game& game = *timedGame_;
  const bool built = firstPollOfGame_ || (game.level.builtLevelNumber != seenBuiltLevel_ &&
                                          game.level.builtLevelNumber == game.play.levelNumber);
  if (built) {
    const double ms = std::chrono::duration<double, std::milli>(now - buildStart_).count();
    const double cpuMs = 1000.0 * static_cast<double>(cpuNow - buildStartCpu_) / CLOCKS_PER_SEC;
    char line[160];
    std::snprintf(line, sizeof line,
                  "vorantis-replay: level %d (%d x %d fields) built in %.0f ms (%.0f ms CPU)\n",
                  game.play.levelNumber, game.level.levelWidth + 1, game.level.levelHeight + 1, ms, cpuMs);
    *buildReport_ << line << std::flush;
  }
  seenBuiltLevel_ = game.level.builtLevelNumber;
  firstPollOfGame_ = false;
  startAtNextPresent_ = true;  // the frame of this pass comes before any build
}

void ReplaySession::OnControlsPoll() {
  if (timedGame_ != nullptr) ReportLevelBuild();
  if (passesUsed_ >= passLimit_) throw PassLimitReached{};
  ApplyPass(passesUsed_);
  ++passesUsed_;
  if (passHook_) passHook_(passesUsed_);
}

// The title's first poll sees pass 0. Every further poll means the title is still
// waiting: the pass it saw is used up and the next one's events come in, so a script
// leaves the title by pressing a key at a later pass (and a script that never does
// stops at the pass limit).
void ReplaySession::OnTitleWait() {
  if (timedGame_ != nullptr) {
    buildStart_ = std::chrono::steady_clock::now();
    buildStartCpu_ = std::clock();
    firstPollOfGame_ = true;
  }
  if (titlePolls_ > 0) {
    ++passesUsed_;
    if (passHook_) passHook_(passesUsed_);
    if (passesUsed_ >= passLimit_) throw PassLimitReached{};
  }
  ++titlePolls_;
  ApplyPass(passesUsed_);
}

void ReplaySession::OnText(const std::string& text, float x, float y, float size, int alpha, float spacing) {
  texts_.push_back(TextDraw{text, x, y, size, alpha, spacing});
}

void ReplaySession::OnSound(const std::string& name) {
  sounds_.push_back(name);
}

void ReplaySession::OnPresent(Renderer& renderer, int width, int height) {
  if (startAtNextPresent_) {
    buildStart_ = std::chrono::steady_clock::now();
    buildStartCpu_ = std::clock();
    startAtNextPresent_ = false;
  }
  ++frames_;
  if (frameRequest_.frames.count(frames_) != 0) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(frames_));
    const std::string path = frameRequest_.outFolder + "/" + name;
    if (!WritePng(path, renderer.ReadPixels(0, 0, width, height))) {
      frameErrors_.push_back("could not write " + path);
    }
  }
  WriteTraceLine();
  texts_.clear();
  sounds_.clear();
  if (frameHook_) frameHook_();
}

void ReplaySession::WriteTraceLine() {
  if (trace_ == nullptr) return;
  JsonWriter json;
  json.BeginObject();
  json.Key("frame");
  json.Int(frames_);
  json.Key("pass");
  json.Int(currentPass_);
  json.Key("texts");
  json.BeginArray();
  for (const TextDraw& draw : texts_) {
    json.BeginObject();
    json.Key("text");
    json.String(draw.text);
    json.Key("x");
    json.Float(draw.x);
    json.Key("y");
    json.Float(draw.y);
    json.Key("size");
    json.Float(draw.size);
    json.Key("alpha");
    json.Int(draw.alpha);
    json.Key("spacing");
    json.Float(draw.spacing);
    json.EndObject();
  }
  json.EndArray();
  json.Key("sounds");
  json.BeginArray();
  for (const std::string& sound : sounds_) json.String(sound);
  json.EndArray();
  json.EndObject();
  *trace_ << json.text() << '\n';
}

}  // namespace vorantis::replay
