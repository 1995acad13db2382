#include "replay_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>

#include "app/main_loop.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/frame_pacing.h"
#include "engine/headless.h"
#include "engine/recording_renderer.h"
#include "engine/scripted_input.h"
#include "engine_parts.h"
#include "monkey.h"
#include "replay_session.h"
#include "state_dump.h"

namespace vorantis::replay {
namespace {

constexpr int kToolFailure = 2;

std::filesystem::path Absolute(const std::string& path) {
  return path.empty() ? std::filesystem::path() : std::filesystem::absolute(path);
}

bool ReadScript(const std::string& path, InputScript& script, std::ostream& errors) {
  if (path.empty()) return true;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    errors << "vorantis-replay: cannot read the input script " << path << "\n";
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string error;
  auto parsed = InputScript::Parse(text, error);
  if (!parsed) {
    errors << "vorantis-replay: " << path << ": " << error << "\n";
    return false;
  }
  script = std::move(*parsed);
  return true;
}

// The resident set size of this process in kB, from /proc; 0 where there is none.
long ResidentKilobytes() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return 0;
  long kilobytes = 0;
  char line[256];
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmRSS: %ld", &kilobytes) == 1) break;
  }
  std::fclose(status);
  return kilobytes;
}

struct GameSetup {
  RendererKind rendererKind;
  bool fallBackToRecording;
  bool fallBackNoted = false;
  // Summed over the games: frames the screen drew and left undrawn, virtual time.
  std::int64_t drawnFrames = 0;
  std::int64_t undrawnFrames = 0;
  std::int64_t virtualMicroseconds = 0;
};

// The real clock's schedule of passes on virtual time, where each drawn frame costs a
// stated time: a slow renderer, replayed deterministically.
class PacedVirtualClock : public Clock {
 public:
  explicit PacedVirtualClock(std::int64_t drawCostMicroseconds) : drawCost_(drawCostMicroseconds) {}
  void Sleep(int milliseconds) override { now_ += std::int64_t{std::max(milliseconds, 0)} * 1000; }
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_ / 1000); }
  void PaceFrame() override { now_ = schedule_.NextStart(now_); }
  std::int64_t Microseconds() override { return now_; }
  std::int64_t NextFrameDue() override { return schedule_.due(); }
  void FrameDrawn() { now_ += drawCost_; }

 private:
  std::int64_t drawCost_;
  std::int64_t now_ = 0;
  PassSchedule schedule_;
};

// One game, from start-up to its end, on a fresh headless engine. `atEnd` sees the game
// as it ended (the state is taken then).
RunEnd PlayOneGame(const Options& options, ReplaySession& session, GameSetup& setup, std::ostream& errors,
                   const std::function<void(const Game&, const RunEnd&)>& atEnd) {
  auto input = std::make_unique<ScriptedInput>();
  input->padAttached = options.gamepad;
  session.StartGame(*input);

  Backends backends;
  auto makeRenderer = [&session, &errors, &setup](int width, int height) -> std::unique_ptr<Renderer> {
    std::unique_ptr<Renderer> inner;
    RecordingRenderer* recording = nullptr;
    if (setup.rendererKind == RendererKind::kOffscreenGl) {
      inner = MakeOffscreenRenderer(width, height);
      if (!inner && setup.fallBackToRecording && !setup.fallBackNoted) {
        errors << "vorantis-replay: no offscreen GL here; recording draws instead\n";
        setup.fallBackNoted = true;
      }
    }
    if (!inner && (setup.rendererKind == RendererKind::kRecording || setup.fallBackToRecording)) {
      auto recorder = std::make_unique<RecordingRenderer>(width, height);
      recorder->recordQuads = false;  // a long replay needs no per-quad log
      recording = recorder.get();
      inner = std::move(recorder);
    }
    if (!inner) return nullptr;
    return std::make_unique<FrameTap>(std::move(inner), session, width, height, recording);
  };
  backends.display = std::make_unique<HeadlessDisplay>(options.width, options.height, makeRenderer);
  backends.input = std::move(input);
  backends.openSound = SilentSoundFactory();
  backends.registerDecoders = DecoderRegistration();

  PacedVirtualClock* pacedClock = nullptr;
  if (options.drawCostMs >= 0) {
    auto clock = std::make_unique<PacedVirtualClock>(options.drawCostMs * 1000);
    pacedClock = clock.get();
    backends.clock = std::move(clock);
  } else {
    backends.clock = std::make_unique<VirtualClock>();
  }
  Clock& virtualClock = *backends.clock;
  Engine engine(std::move(backends));
  Game game(engine);
  game.observer = &session;
  if (options.buildTimes) session.TimeLevelBuilds(&game, &errors);
  std::uint32_t soundTime = 0;
  // The hook runs at the presents the renderer sees: those of drawn frames.
  session.SetFrameHook([&engine, &virtualClock, &soundTime, pacedClock] {
    if (pacedClock != nullptr) pacedClock->FrameDrawn();
    const std::uint32_t now = virtualClock.TickCount();
    AdvanceSilentSound(engine.sounds(), now - soundTime);
    soundTime = now;
  });

  RunEnd end;
  try {
    RunProgram(game);
  } catch (const ProgramEnded& ended) {
    end.kind = ended.reported ? RunEnd::Kind::kReport : RunEnd::Kind::kEnded;
    end.exitCode = ended.exitCode;
    end.reportCode = ended.reportCode;
    end.title = ended.title;
    end.text = ended.text;
  } catch (const PassLimitReached&) {
    end.kind = RunEnd::Kind::kRunning;
  }
  session.SetFrameHook(nullptr);  // it holds this game's engine
  session.TimeLevelBuilds(nullptr, nullptr);
  setup.drawnFrames += engine.screen().drawnFrames();
  setup.undrawnFrames += engine.screen().undrawnFrames();
  setup.virtualMicroseconds += virtualClock.Microseconds();
  atEnd(game, end);
  return end;
}

}  // namespace

int RunReplay(const Options& options, std::ostream& errors) {
  InputScript script;
  if (!ReadScript(options.inputFile, script, errors)) return kToolFailure;

  // Without a choice the replay draws with offscreen GL, and falls back to recording
  // draws when this machine cannot make a GL context (frames need GL and refuse that).
  GameSetup setup{options.renderer.value_or(RendererKind::kOffscreenGl),
                  !options.renderer && options.frames.empty()};

  // Output paths are taken before the game's folder becomes the current directory.
  const auto statePath = Absolute(options.stateFile);
  const auto tracePath = Absolute(options.traceFile);
  FrameRequest frameRequest{options.frames, Absolute(options.outFolder).string()};
  std::error_code ec;
  if (!options.frames.empty()) {
    std::filesystem::create_directories(frameRequest.outFolder, ec);
    if (ec) {
      errors << "vorantis-replay: cannot make the frame folder " << frameRequest.outFolder << "\n";
      return kToolFailure;
    }
  }
  std::ofstream trace;
  if (!tracePath.empty()) {
    trace.open(tracePath, std::ios::binary | std::ios::trunc);
    if (!trace) {
      errors << "vorantis-replay: cannot write the trace " << tracePath.string() << "\n";
      return kToolFailure;
    }
  }
  std::filesystem::current_path(options.dataFolder, ec);
  if (ec) {
    errors << "vorantis-replay: cannot enter the data folder " << options.dataFolder << "\n";
    return kToolFailure;
  }

  std::optional<Monkey> monkey;
  InputFeed feed;
  if (options.monkeySeed) {
    monkey.emplace(*options.monkeySeed, options.gamepad);
    feed = [&monkey](std::int64_t pass, ScriptedInput& input) { monkey->Apply(pass, input); };
  } else {
    feed = [&script](std::int64_t pass, ScriptedInput& input) { script.Apply(pass, input); };
  }
  ReplaySession session(std::move(feed), options.passes, tracePath.empty() ? nullptr : &trace,
                        std::move(frameRequest));
  std::int64_t games = 0;
  if (options.rssEvery > 0) {
    session.SetPassHook([&options, &games](std::int64_t passes) {
      if (passes % options.rssEvery != 0) return;
      std::printf("rss passes=%lld games=%lld kB=%ld\n", static_cast<long long>(passes),
                  static_cast<long long>(games), ResidentKilobytes());
      std::fflush(stdout);
    });
  }

  std::string stateText;
  auto takeState = [&](const Game& game, const RunEnd& end) {
    if (!statePath.empty()) {
      // Frames left undrawn are frames all the same: the state does not depend on drawing.
      stateText =
          StateJson(game, end, session.passes(), session.frames() + setup.undrawnFrames, monkey ? games : 0);
    }
  };
  RunEnd end;
  for (;;) {
    ++games;
    if (monkey) monkey->StartGame();
    const std::int64_t passesBefore = session.passes();
    end = PlayOneGame(options, session, setup, errors, takeState);
    // Only a game that ended by play is followed by another: a report comes from the
    // data and would come again, and a game that used no pass would repeat forever.
    if (!monkey || end.kind != RunEnd::Kind::kEnded || session.passes() == passesBefore) break;
  }

  if (options.drawCostMs >= 0) {
    errors << "vorantis-replay: passes " << session.passes() << ", drawn frames " << setup.drawnFrames
           << ", undrawn frames " << setup.undrawnFrames << ", virtual time " << setup.virtualMicroseconds
           << " us\n";
  }
  int result = end.kind == RunEnd::Kind::kRunning ? 0 : end.exitCode;
  for (const std::string& error : session.frameErrors()) {
    errors << "vorantis-replay: " << error << "\n";
    result = kToolFailure;
  }
  if (trace.is_open()) {
    trace.flush();
    if (!trace) {
      errors << "vorantis-replay: cannot write the trace " << tracePath.string() << "\n";
      result = kToolFailure;
    }
  }
  if (!statePath.empty()) {
    std::ofstream state(statePath, std::ios::binary | std::ios::trunc);
    state << stateText << '\n';
    if (!state.flush()) {
      errors << "vorantis-replay: cannot write the state " << statePath.string() << "\n";
      result = kToolFailure;
    }
  }
  return result;
}

}  // namespace vorantis::replay
