#include "replay_run.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "app/startup.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/recording_renderer.h"
#include "engine/scripted_input.h"
#include "engine_parts.h"
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

}  // namespace

int RunReplay(const Options& options, std::ostream& errors) {
  InputScript script;
  if (!ReadScript(options.inputFile, script, errors)) return kToolFailure;

  // Without a choice the replay draws with offscreen GL, and falls back to recording
  // draws when this machine cannot make a GL context (frames need GL and refuse that).
  const RendererKind rendererKind = options.renderer.value_or(RendererKind::kOffscreenGl);
  const bool fallBackToRecording = !options.renderer && options.frames.empty();

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

  auto input = std::make_unique<ScriptedInput>();
  input->padAttached = options.gamepad;
  ReplaySession session(std::move(script), *input, options.passes, tracePath.empty() ? nullptr : &trace,
                        std::move(frameRequest));

  Backends backends;
  auto makeRenderer = [&session, &errors, rendererKind, fallBackToRecording](
                          int width, int height) -> std::unique_ptr<Renderer> {
    std::unique_ptr<Renderer> inner;
    if (rendererKind == RendererKind::kOffscreenGl) {
      inner = MakeOffscreenRenderer(width, height);
      if (!inner && fallBackToRecording) {
        errors << "vorantis-replay: no offscreen GL here; recording draws instead\n";
      }
    }
    if (!inner && (rendererKind == RendererKind::kRecording || fallBackToRecording)) {
      auto recorder = std::make_unique<RecordingRenderer>(width, height);
      recorder->recordQuads = false;  // a long replay needs no per-quad log
      inner = std::move(recorder);
    }
    if (!inner) return nullptr;
    return std::make_unique<FrameTap>(std::move(inner), session, width, height);
  };
  backends.display = std::make_unique<HeadlessDisplay>(options.width, options.height, makeRenderer);
  backends.input = std::move(input);
  backends.openSound = SilentSoundFactory();
  backends.registerDecoders = DecoderRegistration();

  auto clock = std::make_unique<VirtualClock>();
  VirtualClock& virtualClock = *clock;
  backends.clock = std::move(clock);
  Engine engine(std::move(backends));
  Game game(engine);
  game.observer = &session;
  std::uint32_t soundTime = 0;
  session.SetFrameHook([&engine, &virtualClock, &soundTime] {
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
    state << StateJson(game, end, session.passes(), session.frames()) << '\n';
    if (!state.flush()) {
      errors << "vorantis-replay: cannot write the state " << statePath.string() << "\n";
      result = kToolFailure;
    }
  }
  return result;
}

}  // namespace vorantis::replay
